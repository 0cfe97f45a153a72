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

// The file keeps SQLite's default rollback journal (DELETE mode) rather than
// WAL: one program on one thread writes a few dozen rows, so WAL's concurrent
// readers buy nothing, while it would leave -wal and -shm files beside the
// store that have to travel with it (a copied or backed-up store without its
// -wal silently loses the last saves), and switching a file to WAL is itself a
// write we would make before knowing the file is ours. With DELETE the store
// is one self-contained file whenever the program is not in a save.

namespace dunok {

namespace detail {
// What a record needs from its context and must be able to outlive it: the
// model its entity pointer points into, the store UUID for its URI, and the
// way back to the context for change tracking (null once the context is gone).
struct StoreLink {
    DataModel model;
    QString storeUuid;
    ManagedObjectContext* context = nullptr;
};
}  // namespace detail

namespace {

const QString kMetadataTable = QStringLiteral("DunokMetadata");
const QString kUuidKey = QStringLiteral("storeUUID");
constexpr int kBusyTimeoutMs = 5000;
int busyTimeoutMs = kBusyTimeoutMs;

QString quoted(const QString& identifier) {
    QString text = identifier;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString sqlName(const QString& name) {
    return QStringLiteral("\"%1\"").arg(name);
}

QVariant nullOf(AttributeType type) {
    switch (type) {
        case AttributeType::String:
            return QVariant(QMetaType::fromType<QString>());
        case AttributeType::Integer64:
            return QVariant(QMetaType::fromType<qlonglong>());
        case AttributeType::Boolean:
            return QVariant(QMetaType::fromType<bool>());
    }
    return {};
}

// The value in the attribute's own type, so that comparisons and binding see
// one type per attribute; nullopt when it does not convert.
std::optional<QVariant> normalized(AttributeType type, const QVariant& value) {
    if (!value.isValid() || value.isNull()) return nullOf(type);
    QVariant converted = value;
    QMetaType target;
    switch (type) {
        case AttributeType::String:
            target = QMetaType::fromType<QString>();
            break;
        case AttributeType::Integer64:
            target = QMetaType::fromType<qlonglong>();
            break;
        case AttributeType::Boolean:
            target = QMetaType::fromType<bool>();
            break;
    }
    if (!converted.convert(target)) return std::nullopt;
    return converted;
}

// QVariant's == holds a null QString equal to an empty one; NULL and "" are
// different values in the file, so they must differ here too.
bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() != b.isNull()) return false;
    return a.isNull() || a == b;
}

QString sqlLiteral(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return QStringLiteral("NULL");
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        case QMetaType::LongLong:
            return QString::number(value.toLongLong());
        default: {
            QString text = value.toString();
            text.replace(QLatin1Char('\''), QLatin1String("''"));
            return QLatin1Char('\'') + text + QLatin1Char('\'');
        }
    }
}

QString columnType(AttributeType type) {
    return type == AttributeType::String ? QStringLiteral("TEXT") : QStringLiteral("INTEGER");
}

QString columnDefinition(const AttributeDescription& attribute) {
    QString column = quoted(attribute.name) + QLatin1Char(' ') + columnType(attribute.type);
    const std::optional<QVariant> defaultValue = normalized(attribute.type, attribute.defaultValue);
    // DEFAULT takes no parameter; the literal is built from the model, never
    // from user data, and is escaped all the same.
    if (defaultValue && !defaultValue->isNull())
        column += QStringLiteral(" DEFAULT ") + sqlLiteral(*defaultValue);
    return column;
}

int bindValue(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (!value.isValid() || value.isNull()) return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
        case QMetaType::Bool:
            return sqlite3_bind_int64(statement, index, value.toBool() ? 1 : 0);
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return sqlite3_bind_int64(statement, index, value.toLongLong());
        default: {
            const QByteArray bytes = value.toString().toUtf8();
            // An empty QByteArray may hand out a null pointer, which SQLite
            // would store as NULL instead of ''.
            return sqlite3_bind_text64(statement, index, bytes.isNull() ? "" : bytes.constData(),
                                       sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
        }
    }
}

QVariant columnValue(sqlite3_stmt* statement, int column, AttributeType type) {
    if (sqlite3_column_type(statement, column) == SQLITE_NULL) return nullOf(type);
    switch (type) {
        case AttributeType::String: {
            const auto* text =
                reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
            const int size = sqlite3_column_bytes(statement, column);
            return QString::fromUtf8(text, size);
        }
        case AttributeType::Integer64:
            return qlonglong(sqlite3_column_int64(statement, column));
        case AttributeType::Boolean:
            return sqlite3_column_int64(statement, column) != 0;
    }
    return {};
}

QVariantMap rowValues(sqlite3_stmt* statement, const EntityDescription& entity) {
    QVariantMap values;
    int column = 1;
    for (const AttributeDescription& attribute : entity.attributes)
        values.insert(attribute.name, columnValue(statement, column++, attribute.type));
    return values;
}

QString systemMessage(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

// Creates each missing level of the folder user-only, as the data folder of
// a desktop program should be; existing levels are left as they are.
bool makeFolder(const QString& folder, int* errorNumber) {
    QStringList missing;
    QString level = folder;
    while (!QFileInfo::exists(level)) {
        missing.prepend(level);
        const QString parent = QFileInfo(level).absolutePath();
        if (parent == level) break;
        level = parent;
    }
    for (const QString& path : missing) {
        const QByteArray native = QFile::encodeName(path);
        if (::mkdir(native.constData(), 0700) != 0) {
            if (errno == EEXIST) continue;
            *errorNumber = errno;
            return false;
        }
        // The umask can only take bits away, but say exactly what we mean.
        ::chmod(native.constData(), 0700);
    }
    return true;
}

}  // namespace

// ---- model ----------------------------------------------------------------

const AttributeDescription* EntityDescription::attribute(const QString& key) const {
    for (const AttributeDescription& description : attributes)
        if (description.name == key) return &description;
    return nullptr;
}

const EntityDescription* DataModel::entity(const QString& name) const {
    for (const EntityDescription& description : entities)
        if (description.name == name) return &description;
    return nullptr;
}

QString StoreError::consoleText() const {
    QStringList pairs;
    // QVariantMap iterates in key order, which is the order the text promises.
    for (auto it = userInfo.cbegin(); it != userInfo.cend(); ++it)
        pairs << it.key() + QStringLiteral(" = ") + it.value().toString();
    return description + QStringLiteral(", {") + pairs.join(QStringLiteral("; ")) +
           QLatin1Char('}');
}

StoreError::Cause StoreError::cause() const {
    if (userInfo.contains(QStringLiteral("storeVersion"))) return Cause::NewerStore;
    if (!userInfo.contains(QStringLiteral("sqliteCode"))) return Cause::Other;
    // The extended code's low byte is the primary one (SQLITE_IOERR_WRITE is
    // an IOERR); a full disk and a held lock each have one of their own.
    switch (userInfo.value(QStringLiteral("sqliteCode")).toInt() & 0xff) {
        case SQLITE_FULL:
            return Cause::DiskFull;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return Cause::InUse;
        default:
            return Cause::Other;
    }
}

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

// ---- statements -------------------------------------------------------------

struct ManagedObjectContext::Statement {
    sqlite3_stmt* handle = nullptr;
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(handle); }
};

struct ManagedObjectContext::Snapshot {
    struct Entry {
        ManagedObjectPtr object;
        ManagedObject::State state;
        qint64 rowId;
        qint64 tempId;
        QVariantMap values;
        QVariantMap saved;
    };
    std::vector<Entry> objects;
    std::map<RegistryKey, std::weak_ptr<ManagedObject>> registry;
    std::vector<ManagedObjectPtr> updated;
    std::vector<ManagedObjectPtr> inserted;
    std::vector<ManagedObjectPtr> deleted;
    size_t createdMark = 0;
};

StoreError ManagedObjectContext::sqliteError(const QString& what) const {
    StoreError error;
    const int code = sqlite3_extended_errcode(db_);
    const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    error.description = QStringLiteral("%1 (%2)").arg(what, message);
    error.userInfo.insert(QStringLiteral("path"), path_);
    error.userInfo.insert(QStringLiteral("sqliteCode"), code);
    error.userInfo.insert(QStringLiteral("sqliteMessage"), message);
    return error;
}

StoreError ManagedObjectContext::readError() const {
    return sqliteError(
        QCoreApplication::translate("ObjectStore", "The store %1 could not be read").arg(path_));
}

StoreError ManagedObjectContext::notOpenError() const {
    return {QCoreApplication::translate("ObjectStore", "No store is open"),
            {{QStringLiteral("path"), path_}}};
}

StoreError ManagedObjectContext::fileError(const QString& description, int errorNumber) const {
    StoreError error;
    error.description = QStringLiteral("%1 (%2)").arg(description, systemMessage(errorNumber));
    error.userInfo.insert(QStringLiteral("path"), path_);
    error.userInfo.insert(QStringLiteral("errno"), errorNumber);
    return error;
}

bool ManagedObjectContext::prepare(Statement& statement, const QString& sql,
                                   StoreError* error) const {
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &statement.handle, nullptr) ==
        SQLITE_OK)
        return true;
    if (error) *error = readError();
    return false;
}

bool ManagedObjectContext::exec(const QString& sql, const QVariantList& binds, bool isWrite,
                                StoreError* error) {
    if (isWrite && failWrites_ > 0) {
        if (failAfter_ > 0) {
            --failAfter_;
        } else {
            --failWrites_;
            if (error) {
                const QString message = QString::fromUtf8(sqlite3_errstr(SQLITE_IOERR));
                error->description = QCoreApplication::translate(
                                         "ObjectStore", "The store %1 could not be written (%2)")
                                         .arg(path_, message);
                error->userInfo = {{QStringLiteral("path"), path_},
                                   {QStringLiteral("sqliteCode"), SQLITE_IOERR},
                                   {QStringLiteral("sqliteMessage"), message},
                                   {QStringLiteral("injected"), true}};
            }
            return false;
        }
    }
    Statement statement;
    if (!prepare(statement, sql, error)) return false;
    for (int i = 0; i < binds.size(); ++i) bindValue(statement.handle, i + 1, binds.at(i));
    int rc;
    while ((rc = sqlite3_step(statement.handle)) == SQLITE_ROW) {
    }
    if (rc == SQLITE_DONE) return true;
    if (error)
        *error = sqliteError(
            QCoreApplication::translate("ObjectStore", "The store %1 could not be written")
                .arg(path_));
    return false;
}

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

// ---- context ------------------------------------------------------------------

ManagedObjectContext::ManagedObjectContext(DataModel model)
    : link_(std::make_shared<detail::StoreLink>()) {
    link_->model = std::move(model);
    link_->context = this;
}

ManagedObjectContext::~ManagedObjectContext() {
    link_->context = nullptr;
    if (db_) {
        while (transactionDepth_ > 0) rollbackTransaction();
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

bool ManagedObjectContext::checkFile(StoreError* error) const {
    const QByteArray native = QFile::encodeName(path_);
    struct stat status {};
    if (::stat(native.constData(), &status) != 0) {
        if (error) {
            *error = fileError(
                QCoreApplication::translate("ObjectStore", "The store %1 cannot be examined")
                    .arg(path_),
                errno);
            error->problem = StoreError::Problem::CannotExamine;
        }
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        if (error) {
            error->description =
                QCoreApplication::translate("ObjectStore", "The store %1 is not a regular file")
                    .arg(path_);
            error->userInfo = {{QStringLiteral("path"), path_}};
            error->problem = StoreError::Problem::NotAFile;
        }
        return false;
    }
    // Opening for reading and writing asks the kernel the real question
    // (permission bits, ACLs, read-only mounts) and changes neither the bytes
    // nor the modification time.
    const int fd = ::open(native.constData(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (error) {
            *error = fileError(QCoreApplication::translate(
                                   "ObjectStore", "The store %1 cannot be read and written")
                                   .arg(path_),
                               errno);
            error->problem = StoreError::Problem::NoAccess;
        }
        return false;
    }
    ::close(fd);
    // SQLite writes its journal beside the file; without a writable folder
    // the first save would fail, so refuse now while the file is untouched.
    const QString folder = QFileInfo(path_).absolutePath();
    if (::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) !=
        0) {
        if (error) {
            *error = fileError(QCoreApplication::translate(
                                   "ObjectStore", "The folder %1 of the store %2 cannot be written")
                                   .arg(folder, path_),
                               errno);
            error->problem = StoreError::Problem::FolderNotWritable;
        }
        return false;
    }
    return true;
}

// Reads the schema only. A file that is not SQLite fails here, at its first
// read; a database that holds tables but not this model's is someone else's.
bool ManagedObjectContext::checkSchema(SchemaState* state, StoreError* error) {
    auto unreadable = [&]() {
        if (error) {
            const int code = sqlite3_errcode(db_);
            const QString what =
                code == SQLITE_NOTADB
                    ? QCoreApplication::translate("ObjectStore", "is not a database")
                : code == SQLITE_CORRUPT
                    ? QCoreApplication::translate("ObjectStore", "is damaged")
                    : QCoreApplication::translate("ObjectStore", "could not be read");
            *error = sqliteError(
                QCoreApplication::translate("ObjectStore", "The store %1 %2").arg(path_, what));
            error->problem = code == SQLITE_NOTADB    ? StoreError::Problem::NotADatabase
                             : code == SQLITE_CORRUPT ? StoreError::Problem::Damaged
                                                      : StoreError::Problem::Other;
        }
        return false;
    };
    Statement tables;
    if (!prepare(tables, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"),
                 nullptr))
        return unreadable();
    QSet<QString> names;
    int rc;
    while ((rc = sqlite3_step(tables.handle)) == SQLITE_ROW) {
        const QString name = columnValue(tables.handle, 0, AttributeType::String).toString();
        if (!name.startsWith(QLatin1String("sqlite_"))) names.insert(name);
    }
    if (rc != SQLITE_DONE) return unreadable();
    state->isEmpty = names.isEmpty();
    state->hasMetadata = names.contains(kMetadataTable);
    if (state->isEmpty) return true;

    Statement version;
    if (!prepare(version, QStringLiteral("PRAGMA user_version"), error)) return false;
    if (sqlite3_step(version.handle) != SQLITE_ROW) return unreadable();
    state->version = sqlite3_column_int(version.handle, 0);
    const int model = link_->model.version;
    if (state->version > model) {
        if (error) {
            error->description =
                QCoreApplication::translate("ObjectStore",
                                            "The store %1 was written by a newer version of "
                                            "Dunok (store version %2; this one reads up to %3)")
                    .arg(path_)
                    .arg(state->version)
                    .arg(model);
            error->userInfo = {{QStringLiteral("path"), path_},
                               {QStringLiteral("storeVersion"), state->version}};
        }
        return false;
    }
    const int readsAs = std::max(state->version, 1);

    auto refuse = [&](const QString& why) {
        if (error) {
            error->description =
                QCoreApplication::translate("ObjectStore", "The store %1 holds other data: %2")
                    .arg(path_, why);
            error->userInfo = {{QStringLiteral("path"), path_}};
            error->problem = StoreError::Problem::ForeignData;
        }
        return false;
    };
    for (const EntityDescription& entity : link_->model.entities) {
        if (!names.contains(entity.name))
            return refuse(QCoreApplication::translate("ObjectStore", "it has no table %1")
                              .arg(sqlName(entity.name)));
        Statement columns;
        if (!prepare(columns, QStringLiteral("SELECT name FROM pragma_table_info(?1)"), error))
            return false;
        bindValue(columns.handle, 1, entity.name);
        QSet<QString> present;
        while ((rc = sqlite3_step(columns.handle)) == SQLITE_ROW)
            present.insert(columnValue(columns.handle, 0, AttributeType::String).toString());
        if (rc != SQLITE_DONE) {
            if (error) *error = readError();
            return false;
        }
        if (!present.contains(QStringLiteral("id")))
            return refuse(
                QCoreApplication::translate("ObjectStore", "table %1 has no column \"id\"")
                    .arg(sqlName(entity.name)));
        for (const AttributeDescription& attribute : entity.attributes) {
            if (present.contains(attribute.name)) continue;
            if (attribute.since > readsAs) {
                state->missing.emplace_back(entity.name, &attribute);
                continue;
            }
            return refuse(QCoreApplication::translate("ObjectStore", "table %1 has no column %2")
                              .arg(sqlName(entity.name), sqlName(attribute.name)));
        }
    }
    return true;
}

bool ManagedObjectContext::readStoreUuid(StoreError* error) {
    Statement statement;
    if (!prepare(statement,
                 QStringLiteral("SELECT value FROM %1 WHERE key = ?1").arg(quoted(kMetadataTable)),
                 error))
        return false;
    bindValue(statement.handle, 1, kUuidKey);
    const int rc = sqlite3_step(statement.handle);
    if (rc == SQLITE_ROW) {
        storeUuid_ = columnValue(statement.handle, 0, AttributeType::String).toString();
        return true;
    }
    if (rc != SQLITE_DONE) {
        if (error) *error = readError();
        return false;
    }
    storeUuid_.clear();
    return true;
}

// One transaction, so that a store is either at the old version with all of
// its records or at the new one with all of them; a failure leaves the file
// exactly as it was.
bool ManagedObjectContext::upgradeSchema(const SchemaState& state, StoreError* error) {
    QStringList statements;
    for (const auto& [table, attribute] : state.missing)
        statements << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                          .arg(quoted(table), columnDefinition(*attribute));
    statements << versionStatement();
    // Counted as writes, so that tests can make any step of it fail.
    if (!begin(error)) return false;
    if (!execAll(statements, true, error)) return false;
    return commit(error);
}

// Runs each statement in the open transaction; on the first failure the
// transaction is rolled back.
bool ManagedObjectContext::execAll(const QStringList& statements, bool isWrite, StoreError* error) {
    for (const QString& sql : statements) {
        if (!exec(sql, {}, isWrite, error)) {
            rollbackTransaction();
            return false;
        }
    }
    return true;
}

QString ManagedObjectContext::versionStatement() const {
    // PRAGMA takes no parameter; the number comes from the model.
    return QStringLiteral("PRAGMA user_version = %1").arg(link_->model.version);
}

bool ManagedObjectContext::createSchema(StoreError* error) {
    if (!begin(error)) return false;
    QStringList statements;
    statements << QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (key TEXT PRIMARY KEY, value TEXT)")
                      .arg(quoted(kMetadataTable));
    for (const EntityDescription& entity : link_->model.entities) {
        // AUTOINCREMENT never hands out an id again, even after the newest rows
        // were deleted, so ascending id is always the order of insertion.
        QStringList columns{QStringLiteral("id INTEGER PRIMARY KEY AUTOINCREMENT")};
        for (const AttributeDescription& attribute : entity.attributes)
            columns << columnDefinition(attribute);
        statements << QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
                          .arg(quoted(entity.name), columns.join(QStringLiteral(", ")));
    }
    statements << versionStatement();
    if (!execAll(statements, false, error)) return false;
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!exec(QStringLiteral("INSERT OR IGNORE INTO %1 (key, value) VALUES (?1, ?2)")
                  .arg(quoted(kMetadataTable)),
              {kUuidKey, uuid}, false, error) ||
        !readStoreUuid(error)) {
        rollbackTransaction();
        return false;
    }
    return commit(error);
}

bool ManagedObjectContext::open(const QString& path, StoreError* error) {
    if (db_) {
        if (error) {
            error->description = QCoreApplication::translate(
                                     "ObjectStore", "A store is already open at %1, not opening %2")
                                     .arg(path_, path);
            error->userInfo = {{QStringLiteral("path"), path}};
        }
        return false;
    }
    if (path.isEmpty()) {
        if (error) {
            error->description =
                QCoreApplication::translate("ObjectStore", "No path was given for the store");
            error->userInfo = {{QStringLiteral("path"), path}};
        }
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    const QByteArray native = QFile::encodeName(path_);
    bool created = false;
    auto fail = [&]() {
        if (db_) {
            sqlite3_close_v2(db_);
            db_ = nullptr;
        }
        transactionDepth_ = 0;
        transactionLost_ = false;
        // Only a file this call made is removed; a refused file stays as found.
        if (created) ::unlink(native.constData());
        path_.clear();
        storeUuid_.clear();
        storeVersion_ = 0;
        return false;
    };

    const QString folder = QFileInfo(path_).absolutePath();
    int errorNumber = 0;
    if (!makeFolder(folder, &errorNumber)) {
        if (error) {
            *error = fileError(QCoreApplication::translate(
                                   "ObjectStore", "The folder %1 of the store could not be created")
                                   .arg(folder),
                               errorNumber);
            error->problem = StoreError::Problem::FolderNotMade;
        }
        return fail();
    }
    // Made here rather than by SQLite so that it is user-only from its first
    // byte; SQLite gives its journals the mode of the database file.
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        created = true;
        ::fchmod(fd, 0600);
        ::close(fd);
    } else if (errno != EEXIST) {
        if (error) {
            *error = fileError(
                QCoreApplication::translate("ObjectStore", "The store %1 could not be created")
                    .arg(path_),
                errno);
            error->problem = StoreError::Problem::FileNotMade;
        }
        return fail();
    } else if (!checkFile(error)) {
        return fail();
    }

    // READWRITE without CREATE: the file exists by now, and if it vanished
    // meanwhile SQLite must not quietly make a new one with its own mode.
    const int rc = sqlite3_open_v2(native.constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        if (error) {
            if (db_)
                *error = sqliteError(
                    QCoreApplication::translate("ObjectStore", "The store %1 could not be opened")
                        .arg(path_));
            else
                *error = {
                    QCoreApplication::translate("ObjectStore",
                                                "The store %1 could not be opened (%2)")
                        .arg(path_, QString::fromUtf8(sqlite3_errstr(rc))),
                    {{QStringLiteral("path"), path_},
                     {QStringLiteral("sqliteCode"), rc},
                     {QStringLiteral("sqliteMessage"), QString::fromUtf8(sqlite3_errstr(rc))}}};
        }
        return fail();
    }
    sqlite3_extended_result_codes(db_, 1);
    // A second copy of the program (or a backup tool) may hold the file for a
    // moment; wait for it rather than failing a save at once.
    sqlite3_busy_timeout(db_, busyTimeoutMs);

    SchemaState state;
    if (!checkSchema(&state, error)) return fail();
    if (state.hasMetadata && !readStoreUuid(error)) return fail();
    // Only a fresh store, an older one, or one whose UUID went missing is
    // written to here; a store in order is opened without a single write.
    if (!state.isEmpty && state.version < link_->model.version && !upgradeSchema(state, error))
        return fail();
    if (storeUuid_.isEmpty() && !createSchema(error)) return fail();
    storeVersion_ = link_->model.version;
    link_->storeUuid = storeUuid_;
    return true;
}

bool ManagedObjectContext::inspect(const QString& path, bool* absent, StoreError* error) {
    *absent = false;
    if (db_ || path.isEmpty()) return open(path, error);  // the same refusals
    path_ = QFileInfo(path).absoluteFilePath();
    const QByteArray native = QFile::encodeName(path_);
    struct stat link {};
    // A dangling link is there (lstat finds it) and still refused below.
    if (::lstat(native.constData(), &link) != 0 && errno == ENOENT) {
        *absent = true;
        path_.clear();
        return true;
    }
    bool ok = checkFile(error);
    if (ok) {
        const int rc = sqlite3_open_v2(native.constData(), &db_, SQLITE_OPEN_READONLY, nullptr);
        if (rc == SQLITE_OK) {
            sqlite3_extended_result_codes(db_, 1);
            sqlite3_busy_timeout(db_, busyTimeoutMs);
            SchemaState state;
            ok = checkSchema(&state, error);
        } else {
            ok = false;
            if (error)
                *error = sqliteError(
                    QCoreApplication::translate("ObjectStore", "The store %1 could not be opened")
                        .arg(path_));
        }
    }
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
    path_.clear();
    return ok;
}

void ManagedObjectContext::setBusyTimeout(int milliseconds) {
    busyTimeoutMs = milliseconds;
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
