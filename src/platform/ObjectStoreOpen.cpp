// Opening a store: checking the file and its schema, creating or upgrading it.
// The file keeps SQLite's default rollback journal (DELETE mode) rather than
// WAL: one program on one thread writes a few dozen rows, so WAL's concurrent
// readers buy nothing, while it would leave -wal and -shm files beside the
// store that have to travel with it (a copied or backed-up store without its
// -wal silently loses the last saves), and switching a file to WAL is itself a
// write we would make before knowing the file is ours. With DELETE the store
// is one self-contained file whenever the program is not in a save.
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

namespace {
constexpr int kBusyTimeoutMs = 5000;
// How long a store waits for another program's lock; tests shorten it.
int busyTimeoutMs = kBusyTimeoutMs;
}  // namespace

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

}  // namespace dunok
