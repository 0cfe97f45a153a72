// Units of work: transactions and savepoints, rolling back, and the
// snapshots that put the context back as it was when a unit fails.
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

#include "platform/ObjectStore.h"
#include "platform/ObjectStoreDetail.h"

namespace dunok {

using namespace detail;

// ---- transactions -----------------------------------------------------------

// The outermost level takes the write lock at once (IMMEDIATE), so a busy
// store fails at BEGIN, before anything is half-done; inner levels are
// savepoints so that a failed save inside performTransaction undoes only its
// own statements.
bool ManagedObjectContext::begin(StoreError* error) {
    if (transactionDepth_ == 0) {
        if (!exec(QStringLiteral("BEGIN IMMEDIATE"), {}, false, error)) return false;
    } else {
        if (transactionLost_ || sqlite3_get_autocommit(db_)) {
            transactionLost_ = true;
            if (error) {
                error->description =
                    QCoreApplication::translate(
                        "ObjectStore",
                        "The store %1 had already given up the enclosing transaction")
                        .arg(path_);
                error->userInfo = {{QStringLiteral("path"), path_}};
            }
            return false;
        }
        const QString name = QStringLiteral("dunok_%1").arg(transactionDepth_);
        if (!exec(QStringLiteral("SAVEPOINT ") + name, {}, false, error)) return false;
    }
    ++transactionDepth_;
    return true;
}

bool ManagedObjectContext::commit(StoreError* error) {
    if (transactionDepth_ == 1) {
        const bool ok = !transactionLost_ && exec(QStringLiteral("COMMIT"), {}, false, error);
        if (!ok) {
            if (transactionLost_ && error) {
                error->description = QCoreApplication::translate(
                                         "ObjectStore", "The store %1 rolled the transaction back")
                                         .arg(path_);
                error->userInfo = {{QStringLiteral("path"), path_}};
            }
            rollbackTransaction();
            return false;
        }
        transactionDepth_ = 0;
        return true;
    }
    const QString name = QStringLiteral("dunok_%1").arg(transactionDepth_ - 1);
    if (!exec(QStringLiteral("RELEASE ") + name, {}, false, error)) {
        rollbackTransaction();
        return false;
    }
    --transactionDepth_;
    return true;
}

void ManagedObjectContext::rollbackTransaction() {
    if (transactionDepth_ == 0) return;
    // After some errors (I/O, full disk) SQLite has already rolled the whole
    // transaction back itself; a second ROLLBACK would only fail.
    const bool stillOpen = !sqlite3_get_autocommit(db_);
    if (transactionDepth_ == 1) {
        if (stillOpen) exec(QStringLiteral("ROLLBACK"), {}, false, nullptr);
        transactionDepth_ = 0;
        transactionLost_ = false;
        return;
    }
    --transactionDepth_;
    if (!stillOpen) {
        transactionLost_ = true;
        return;
    }
    const QString name = QStringLiteral("dunok_%1").arg(transactionDepth_);
    exec(QStringLiteral("ROLLBACK TO ") + name, {}, false, nullptr);
    exec(QStringLiteral("RELEASE ") + name, {}, false, nullptr);
}

void ManagedObjectContext::rollback() {
    for (const ManagedObjectPtr& object : inserted_)
        object->state_ = ManagedObject::State::Detached;
    for (const ManagedObjectPtr& object : deleted_) {
        object->state_ = ManagedObject::State::Persistent;
        object->values_ = object->saved_;
    }
    for (const ManagedObjectPtr& object : updated_)
        if (object->state_ == ManagedObject::State::Persistent) object->values_ = object->saved_;
    inserted_.clear();
    deleted_.clear();
    updated_.clear();
}

ManagedObjectContext::Snapshot ManagedObjectContext::takeSnapshot() {
    Snapshot snapshot;
    QSet<const ManagedObject*> seen;
    auto keep = [&](const ManagedObjectPtr& object) {
        if (!object || seen.contains(object.get())) return;
        seen.insert(object.get());
        snapshot.objects.push_back({object, object->state_, object->rowId_, object->tempId_,
                                    object->values_, object->saved_});
    };
    for (const auto& entry : registry_) keep(entry.second.lock());
    for (const ManagedObjectPtr& object : inserted_) keep(object);
    for (const ManagedObjectPtr& object : updated_) keep(object);
    for (const ManagedObjectPtr& object : deleted_) keep(object);
    snapshot.registry = registry_;
    snapshot.inserted = inserted_;
    snapshot.updated = updated_;
    snapshot.deleted = deleted_;
    snapshot.createdMark = createdInBody_.size();
    return snapshot;
}

// Called after the SQL rollback, so the file (and our connection's view of
// it) is already back to where it was when the snapshot was taken.
void ManagedObjectContext::restoreSnapshot(Snapshot& snapshot) {
    for (Snapshot::Entry& entry : snapshot.objects) {
        ManagedObject& object = *entry.object;
        object.state_ = entry.state;
        object.rowId_ = entry.rowId;
        object.tempId_ = entry.tempId;
        object.values_ = std::move(entry.values);
        object.saved_ = std::move(entry.saved);
    }
    registry_ = std::move(snapshot.registry);
    inserted_ = std::move(snapshot.inserted);
    updated_ = std::move(snapshot.updated);
    deleted_ = std::move(snapshot.deleted);

    for (size_t i = snapshot.createdMark; i < createdInBody_.size(); ++i) {
        ManagedObjectPtr object = createdInBody_[i].lock();
        if (!object) continue;
        if (object->tempId_ != 0) {
            // Inserted by the body: whatever it became, the file never kept it.
            object->state_ = ManagedObject::State::Detached;
            object->rowId_ = 0;
            continue;
        }
        // Fetched by the body: a row that was there before; take it back as
        // the file has it, unless an object from before already stands for it.
        const RegistryKey key{object->entity_, object->rowId_};
        const auto it = registry_.find(key);
        const std::optional<QVariantMap> row = readRow(*object->entity_, object->rowId_);
        if ((it != registry_.end() && !it->second.expired()) || !row) {
            object->state_ = ManagedObject::State::Detached;
            continue;
        }
        object->state_ = ManagedObject::State::Persistent;
        object->values_ = *row;
        object->saved_ = *row;
        registry_[key] = object;
    }
    createdInBody_.resize(snapshot.createdMark);
}

bool ManagedObjectContext::performTransaction(const std::function<bool()>& body,
                                              StoreError* error) {
    if (!db_) {
        if (error) *error = notOpenError();
        return false;
    }
    Snapshot snapshot = takeSnapshot();
    if (!begin(error)) return false;
    const int depth = transactionDepth_;
    ++bodyDepth_;
    bool ok = false;
    try {
        ok = body();
    } catch (...) {
        --bodyDepth_;
        while (transactionDepth_ >= depth) rollbackTransaction();
        restoreSnapshot(snapshot);
        throw;
    }
    --bodyDepth_;
    if (transactionDepth_ != depth) {
        // The body left a level of its own open; it cannot be trusted.
        while (transactionDepth_ > depth) rollbackTransaction();
        ok = false;
    }
    if (!ok) {
        rollbackTransaction();
        restoreSnapshot(snapshot);
        if (error) {
            error->description = QCoreApplication::translate(
                                     "ObjectStore", "The transaction on the store %1 was abandoned")
                                     .arg(path_);
            error->userInfo = {{QStringLiteral("path"), path_}};
        }
        return false;
    }
    if (!commit(error)) {
        restoreSnapshot(snapshot);
        return false;
    }
    if (bodyDepth_ == 0) createdInBody_.clear();
    return true;
}

void ManagedObjectContext::addEditor(std::function<bool()> commit) {
    editors_.push_back(std::move(commit));
}

bool ManagedObjectContext::commitEditing() {
    // Every editor gets its say, so that one refusal does not leave the
    // others' typing uncommitted.
    bool all = true;
    for (const std::function<bool()>& commit : editors_) all = commit() && all;
    return all;
}

}  // namespace dunok
