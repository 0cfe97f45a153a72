#include "platform/ObjectStore.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <QUuid>
#include <QtDebug>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/ObjectStoreDetail.h"

namespace dunok {

using namespace detail;

// ---- ManagedObject --------------------------------------------------------

QVariant ManagedObject::value(const QString& key) const {
    const AttributeDescription* attribute = entity_->attribute(key);
    if (!attribute) return {};
    return values_.value(key, nullOf(attribute->type));
}

bool ManagedObject::setValue(const QString& key, const QVariant& value) {
    const AttributeDescription* attribute = entity_->attribute(key);
    if (!attribute) {
        qWarning("ObjectStore: entity %s has no attribute %s", qPrintable(entity_->name),
                 qPrintable(key));
        return false;
    }
    const std::optional<QVariant> converted = normalized(attribute->type, value);
    if (!converted) {
        qWarning("ObjectStore: %s.%s cannot hold a value of type %s", qPrintable(entity_->name),
                 qPrintable(key), value.typeName());
        return false;
    }
    values_.insert(key, *converted);
    if (state_ == State::Persistent && link_->context) link_->context->noteChanged(*this);
    return true;
}

QString ManagedObject::uriRepresentation() const {
    const QString id = rowId_ > 0 ? QLatin1Char('p') + QString::number(rowId_)
                                  : QLatin1Char('t') + QString::number(tempId_);
    return QStringLiteral("x-dunok://") + link_->storeUuid + QLatin1Char('/') + entity_->name +
           QLatin1Char('/') + id;
}

bool ManagedObject::hasChanges() const {
    switch (state_) {
        case State::Inserted:
        case State::Deleted:
            return true;
        case State::Detached:
            return false;
        case State::Persistent:
            break;
    }
    for (const AttributeDescription& attribute : entity_->attributes) {
        if (!sameValue(values_.value(attribute.name), saved_.value(attribute.name))) return true;
    }
    return false;
}

// ---- records ------------------------------------------------------------------

void ManagedObjectContext::noteCreated(const ManagedObjectPtr& object) {
    if (bodyDepth_ > 0) createdInBody_.push_back(object);
}

void ManagedObjectContext::noteChanged(ManagedObject& object) {
    for (const ManagedObjectPtr& held : updated_)
        if (held.get() == &object) return;
    const auto it = registry_.find({object.entity_, object.rowId_});
    if (it == registry_.end()) return;
    if (ManagedObjectPtr held = it->second.lock()) updated_.push_back(std::move(held));
}

void ManagedObjectContext::forget(ManagedObject& object) {
    auto drop = [&](std::vector<ManagedObjectPtr>& list) {
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [&](const ManagedObjectPtr& p) { return p.get() == &object; }),
                   list.end());
    };
    drop(updated_);
    drop(inserted_);
    drop(deleted_);
    const auto it = registry_.find({object.entity_, object.rowId_});
    if (it != registry_.end() && it->second.lock().get() == &object) registry_.erase(it);
}

ManagedObjectPtr ManagedObjectContext::insertNewObject(const QString& entityName) {
    if (!db_) return nullptr;
    const EntityDescription* entity = link_->model.entity(entityName);
    if (!entity) return nullptr;
    ManagedObjectPtr object(new ManagedObject(link_, entity));
    object->tempId_ = nextTempId_++;
    for (const AttributeDescription& attribute : entity->attributes) {
        object->values_.insert(
            attribute.name,
            normalized(attribute.type, attribute.defaultValue).value_or(nullOf(attribute.type)));
    }
    inserted_.push_back(object);
    noteCreated(object);
    return object;
}

QString ManagedObjectContext::selectSql(const EntityDescription& entity) const {
    QStringList columns{QStringLiteral("id")};
    for (const AttributeDescription& attribute : entity.attributes)
        columns << quoted(attribute.name);
    return QStringLiteral("SELECT %1 FROM %2")
        .arg(columns.join(QStringLiteral(", ")), quoted(entity.name));
}

std::optional<QVariantMap> ManagedObjectContext::readRow(const EntityDescription& entity,
                                                         qint64 rowId) {
    Statement statement;
    if (!prepare(statement, selectSql(entity) + QStringLiteral(" WHERE id = ?1"), nullptr))
        return std::nullopt;
    sqlite3_bind_int64(statement.handle, 1, rowId);
    if (sqlite3_step(statement.handle) != SQLITE_ROW) return std::nullopt;
    return rowValues(statement.handle, entity);
}

ManagedObjectPtr ManagedObjectContext::objectForRow(const EntityDescription& entity, qint64 rowId,
                                                    const QVariantMap& values) {
    const RegistryKey key{&entity, rowId};
    const auto it = registry_.find(key);
    if (it != registry_.end()) {
        if (ManagedObjectPtr object = it->second.lock()) {
            if (object->state_ == ManagedObject::State::Deleted) return nullptr;
            if (object->state_ == ManagedObject::State::Persistent) {
                // What the program changed and has not saved wins; everything
                // else follows the file.
                for (const AttributeDescription& attribute : entity.attributes) {
                    const QVariant fileValue = values.value(attribute.name);
                    if (sameValue(object->values_.value(attribute.name),
                                  object->saved_.value(attribute.name)))
                        object->values_.insert(attribute.name, fileValue);
                    object->saved_.insert(attribute.name, fileValue);
                }
                return object;
            }
        }
    }
    ManagedObjectPtr object(new ManagedObject(link_, &entity));
    object->state_ = ManagedObject::State::Persistent;
    object->rowId_ = rowId;
    object->values_ = values;
    object->saved_ = values;
    registry_[key] = object;
    noteCreated(object);
    return object;
}

std::optional<QList<ManagedObjectPtr>> ManagedObjectContext::fetch(const FetchRequest& request,
                                                                   StoreError* error) {
    auto refuse = [&](const QString& description) {
        if (error) {
            error->description = description;
            error->userInfo = {{QStringLiteral("path"), path_},
                               {QStringLiteral("entity"), request.entityName}};
        }
        return std::nullopt;
    };
    if (!db_) return refuse(QCoreApplication::translate("ObjectStore", "No store is open"));
    const EntityDescription* entity = link_->model.entity(request.entityName);
    if (!entity)
        return refuse(QCoreApplication::translate("ObjectStore", "The data model has no entity %1")
                          .arg(sqlName(request.entityName)));
    std::vector<const AttributeDescription*> sortAttributes;
    for (const SortDescriptor& descriptor : request.sortDescriptors) {
        const AttributeDescription* attribute = entity->attribute(descriptor.key);
        if (!attribute)
            return refuse(QCoreApplication::translate(
                              "ObjectStore", "The entity %1 has no attribute %2 to sort by")
                              .arg(sqlName(entity->name), sqlName(descriptor.key)));
        sortAttributes.push_back(attribute);
    }

    // Records nobody holds any more leave the map here rather than pile up.
    for (auto it = registry_.begin(); it != registry_.end();)
        it = it->second.expired() ? registry_.erase(it) : std::next(it);

    Statement statement;
    if (!prepare(statement, selectSql(*entity) + QStringLiteral(" ORDER BY id"), error))
        return std::nullopt;
    QList<ManagedObjectPtr> result;
    int rc;
    while ((rc = sqlite3_step(statement.handle)) == SQLITE_ROW) {
        const qint64 rowId = sqlite3_column_int64(statement.handle, 0);
        if (ManagedObjectPtr object =
                objectForRow(*entity, rowId, rowValues(statement.handle, *entity)))
            result.append(std::move(object));
    }
    if (rc != SQLITE_DONE) {
        if (error) *error = readError();
        return std::nullopt;
    }
    for (const ManagedObjectPtr& object : inserted_)
        if (object->entity_ == entity) result.append(object);

    if (sortAttributes.empty()) return result;

    // Sorted here rather than by SQL because pending inserts and unsaved
    // values take part. Strings compare by UTF-8 bytes as SQLite's BINARY
    // collation does (UTF-16 order differs above U+FFFF); NULL sorts first.
    struct Key {
        bool isNull;
        qint64 number;
        QByteArray bytes;
    };
    std::vector<std::pair<std::vector<Key>, ManagedObjectPtr>> rows;
    rows.reserve(size_t(result.size()));
    for (const ManagedObjectPtr& object : result) {
        std::vector<Key> keys;
        for (const AttributeDescription* attribute : sortAttributes) {
            const QVariant value = object->value(attribute->name);
            Key key{value.isNull(), 0, {}};
            if (!key.isNull) {
                if (attribute->type == AttributeType::String)
                    key.bytes = value.toString().toUtf8();
                else
                    key.number = value.toLongLong();
            }
            keys.push_back(std::move(key));
        }
        rows.emplace_back(std::move(keys), object);
    }
    auto compare = [](const Key& a, const Key& b) {
        if (a.isNull || b.isNull) return int(b.isNull) - int(a.isNull);
        if (a.number != b.number) return a.number < b.number ? -1 : 1;
        const int common = std::memcmp(a.bytes.constData(), b.bytes.constData(),
                                       size_t(std::min(a.bytes.size(), b.bytes.size())));
        if (common != 0) return common < 0 ? -1 : 1;
        return a.bytes.size() == b.bytes.size() ? 0 : (a.bytes.size() < b.bytes.size() ? -1 : 1);
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
        for (size_t i = 0; i < sortAttributes.size(); ++i) {
            const int order = compare(a.first[i], b.first[i]);
            if (order != 0)
                return request.sortDescriptors.at(qsizetype(i)).ascending ? order < 0 : order > 0;
        }
        return false;
    });
    result.clear();
    for (auto& row : rows) result.append(std::move(row.second));
    return result;
}

void ManagedObjectContext::deleteObject(const ManagedObjectPtr& object) {
    if (!object || object->link_ != link_) return;
    switch (object->state_) {
        case ManagedObject::State::Inserted:
            // Never saved: there is nothing in the file to remove.
            forget(*object);
            object->state_ = ManagedObject::State::Detached;
            break;
        case ManagedObject::State::Persistent: {
            auto& updated = updated_;
            updated.erase(std::remove(updated.begin(), updated.end(), object), updated.end());
            object->state_ = ManagedObject::State::Deleted;
            deleted_.push_back(object);
            break;
        }
        case ManagedObject::State::Deleted:
        case ManagedObject::State::Detached:
            break;
    }
}

bool ManagedObjectContext::executeBatchDelete(const QString& entityName, StoreError* error) {
    if (!db_) {
        if (error) *error = notOpenError();
        return false;
    }
    const EntityDescription* entity = link_->model.entity(entityName);
    if (!entity) {
        if (error)
            *error = {QCoreApplication::translate("ObjectStore", "The data model has no entity %1")
                          .arg(sqlName(entityName)),
                      {{QStringLiteral("path"), path_}}};
        return false;
    }
    if (!begin(error)) return false;
    if (!exec(QStringLiteral("DELETE FROM %1").arg(quoted(entity->name)), {}, true, error)) {
        rollbackTransaction();
        return false;
    }
    if (!commit(error)) return false;

    // The rows are gone; the objects stay readable for whoever holds them but
    // no longer stand for anything in the store. Pending inserts are not in
    // the store yet and stay pending.
    std::vector<ManagedObjectPtr> gone;
    for (const auto& [key, weak] : registry_)
        if (key.first == entity)
            if (ManagedObjectPtr object = weak.lock()) gone.push_back(std::move(object));
    for (const ManagedObjectPtr& object : gone) {
        forget(*object);
        object->state_ = ManagedObject::State::Detached;
    }
    for (auto it = registry_.begin(); it != registry_.end();)
        it = it->first.first == entity ? registry_.erase(it) : std::next(it);
    return true;
}

bool ManagedObjectContext::hasChanges() const {
    if (!inserted_.empty() || !deleted_.empty()) return true;
    return std::any_of(updated_.begin(), updated_.end(),
                       [](const ManagedObjectPtr& object) { return object->hasChanges(); });
}

bool ManagedObjectContext::save(StoreError* error) {
    if (!db_) {
        if (error) *error = notOpenError();
        return false;
    }
    if (!hasChanges()) {
        updated_.clear();
        return true;
    }
    if (!begin(error)) return false;
    auto abandon = [&]() {
        rollbackTransaction();
        return false;
    };

    for (const ManagedObjectPtr& object : deleted_) {
        if (!exec(QStringLiteral("DELETE FROM %1 WHERE id = ?1").arg(quoted(object->entity_->name)),
                  {object->rowId_}, true, error))
            return abandon();
    }
    std::vector<ManagedObject*> vanished;
    for (const ManagedObjectPtr& object : updated_) {
        if (object->state_ != ManagedObject::State::Persistent || !object->hasChanges()) continue;
        QStringList assignments;
        QVariantList binds;
        for (const AttributeDescription& attribute : object->entity_->attributes) {
            const QVariant value = object->values_.value(attribute.name);
            if (sameValue(value, object->saved_.value(attribute.name))) continue;
            binds << value;
            assignments << QStringLiteral("%1 = ?%2")
                               .arg(quoted(attribute.name), QString::number(binds.size()));
        }
        binds << object->rowId_;
        if (!exec(QStringLiteral("UPDATE %1 SET %2 WHERE id = ?%3")
                      .arg(quoted(object->entity_->name), assignments.join(QStringLiteral(", ")),
                           QString::number(binds.size())),
                  binds, true, error))
            return abandon();
        // Someone else removed the row; the change has nowhere to go.
        if (sqlite3_changes(db_) == 0) vanished.push_back(object.get());
    }
    std::vector<qint64> newIds;
    for (const ManagedObjectPtr& object : inserted_) {
        const EntityDescription& entity = *object->entity_;
        QString sql;
        QVariantList binds;
        if (entity.attributes.empty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(entity.name));
        } else {
            QStringList columns, placeholders;
            for (const AttributeDescription& attribute : entity.attributes) {
                columns << quoted(attribute.name);
                binds << object->values_.value(attribute.name);
                placeholders << QStringLiteral("?%1").arg(binds.size());
            }
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(entity.name), columns.join(QStringLiteral(", ")),
                           placeholders.join(QStringLiteral(", ")));
        }
        if (!exec(sql, binds, true, error)) return abandon();
        newIds.push_back(sqlite3_last_insert_rowid(db_));
    }
    if (!commit(error)) return false;

    // Only now, with the file committed, do the objects change: a failure
    // above leaves every pending change exactly as it was.
    for (const ManagedObjectPtr& object : deleted_) {
        registry_.erase({object->entity_, object->rowId_});
        object->state_ = ManagedObject::State::Detached;
    }
    for (const ManagedObjectPtr& object : updated_) {
        if (object->state_ != ManagedObject::State::Persistent) continue;
        object->saved_ = object->values_;
        if (std::find(vanished.begin(), vanished.end(), object.get()) != vanished.end()) {
            registry_.erase({object->entity_, object->rowId_});
            object->state_ = ManagedObject::State::Detached;
        }
    }
    for (size_t i = 0; i < inserted_.size(); ++i) {
        const ManagedObjectPtr& object = inserted_[i];
        object->rowId_ = newIds[i];
        object->state_ = ManagedObject::State::Persistent;
        object->saved_ = object->values_;
        registry_[{object->entity_, object->rowId_}] = object;
    }
    deleted_.clear();
    updated_.clear();
    inserted_.clear();
    return true;
}

}  // namespace dunok
