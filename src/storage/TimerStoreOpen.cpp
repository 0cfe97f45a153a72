// Opening a store: checking the file and its tables, creating or upgrading
// them. The file keeps SQLite's default rollback journal (DELETE mode) rather
// than WAL: one program on one thread writes a few dozen rows, so WAL's
// concurrent readers buy nothing, while it would leave -wal and -shm files
// beside the store that have to travel with it (a copied or backed-up store
// without its -wal silently loses the last saves), and switching a file to
// WAL is itself a write we would make before knowing the file is ours.
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <cerrno>

#include "storage/TimerStore.h"
#include "storage/TimerStoreDetail.h"

namespace dunok {

using namespace storedetail;

bool TimerStore::checkFile(StoreError* error) const {
    const QByteArray native = QFile::encodeName(path_);
    struct stat status {};
    if (::stat(native.constData(), &status) != 0) {
        if (error) {
            *error = fileError(
                QCoreApplication::translate("TimerStore", "The store %1 cannot be examined")
                    .arg(path_),
                errno);
            error->problem = StoreError::Problem::CannotExamine;
        }
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        if (error) {
            error->description =
                QCoreApplication::translate("TimerStore", "The store %1 is not a regular file")
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
            *error = fileError(
                QCoreApplication::translate("TimerStore", "The store %1 cannot be read and written")
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
                                   "TimerStore", "The folder %1 of the store %2 cannot be written")
                                   .arg(folder, path_),
                               errno);
            error->problem = StoreError::Problem::FolderNotWritable;
        }
        return false;
    }
    return true;
}

// Reads the tables only. A file that is not SQLite fails here, at its first
// read; a database that holds tables but not the timers is someone else's.
bool TimerStore::readLayout(Layout* layout, StoreError* error) const {
    auto unreadable = [&]() {
        if (error) {
            const int code = sqlite3_errcode(db_);
            const QString what =
                code == SQLITE_NOTADB
                    ? QCoreApplication::translate("TimerStore", "is not a database")
                : code == SQLITE_CORRUPT
                    ? QCoreApplication::translate("TimerStore", "is damaged")
                    : QCoreApplication::translate("TimerStore", "could not be read");
            *error = sqliteError(
                QCoreApplication::translate("TimerStore", "The store %1 %2").arg(path_, what));
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
        const QString name = text(tables.handle, 0);
        if (!name.startsWith(QLatin1String("sqlite_"))) names.insert(name);
    }
    if (rc != SQLITE_DONE) return unreadable();
    layout->isEmpty = names.isEmpty();
    if (layout->isEmpty) return true;

    Statement version;
    if (!prepare(version, QStringLiteral("PRAGMA user_version"), error)) return false;
    if (sqlite3_step(version.handle) != SQLITE_ROW) return unreadable();
    layout->version = sqlite3_column_int(version.handle, 0);
    if (layout->version > TimerStore::version) {
        if (error) {
            error->description =
                QCoreApplication::translate("TimerStore",
                                            "The store %1 was written by a newer version of "
                                            "Dunok (store version %2; this one reads up to %3)")
                    .arg(path_)
                    .arg(layout->version)
                    .arg(TimerStore::version);
            error->userInfo = {{QStringLiteral("path"), path_},
                               {QStringLiteral("storeVersion"), layout->version}};
        }
        return false;
    }

    auto refuse = [&](const QString& why) {
        if (error) {
            error->description =
                QCoreApplication::translate("TimerStore", "The store %1 holds other data: %2")
                    .arg(path_, why);
            error->userInfo = {{QStringLiteral("path"), path_}};
            error->problem = StoreError::Problem::ForeignData;
        }
        return false;
    };
    if (!names.contains(QStringLiteral("Timers")))
        return refuse(QCoreApplication::translate("TimerStore", "it has no table %1").arg(table));
    Statement columns;
    if (!prepare(columns, QStringLiteral("SELECT name FROM pragma_table_info('Timers')"), error))
        return false;
    QSet<QString>& present = layout->columns;
    while ((rc = sqlite3_step(columns.handle)) == SQLITE_ROW)
        present.insert(text(columns.handle, 0));
    if (rc != SQLITE_DONE) {
        if (error) *error = readError();
        return false;
    }
    // What every layout has; a column a later layout added may be missing
    // from an older store, and is added by the upgrade.
    const int readsAs = std::max(layout->version, 1);
    QList<std::pair<QString, int>> expected{{QStringLiteral("id"), 1}};
    for (const char* column : firstColumns) expected.append({QLatin1String(column), 1});
    for (const LaterColumn& column : laterColumns)
        expected.append({QLatin1String(column.name), column.since});
    for (const auto& [column, since] : std::as_const(expected))
        if (!present.contains(column) && since <= readsAs)
            return refuse(QCoreApplication::translate("TimerStore", "table %1 has no column %2")
                              .arg(table, QStringLiteral("\"%1\"").arg(column)));
    return true;
}

bool TimerStore::createTables(StoreError* error) {
    return transaction(
        [&] {
            // AUTOINCREMENT never hands out an id again, even after the newest
            // timers were deleted, so an old notification can never name a
            // newer timer.
            QString create = QStringLiteral(
                                 "CREATE TABLE %1 (\"id\" INTEGER PRIMARY KEY AUTOINCREMENT, "
                                 "\"desc\" TEXT, \"duration\" INTEGER, \"snooze\" INTEGER "
                                 "DEFAULT 0, \"snoozeOn\" INTEGER DEFAULT 0, \"sound\" TEXT")
                                 .arg(table);
            for (const LaterColumn& column : laterColumns)
                create += QStringLiteral(", \"%1\" %2")
                              .arg(QLatin1String(column.name), QLatin1String(column.type));
            return exec(create + QLatin1Char(')'), {}, error) &&
                   exec(QStringLiteral("PRAGMA user_version = %1").arg(TimerStore::version), {},
                        error);
        },
        error);
}

// One transaction, so that a store is either at its old layout with all of
// its timers or at the new one with all of them. The order the user had is
// the order the timers were made in (ascending id), which is where each one's
// position starts.
bool TimerStore::upgrade(const Layout& layout, StoreError* error) {
    // Each column added takes its default for every timer kept: no heads-up,
    // a stop at the finish, nothing kept of a run.
    QStringList statements;
    for (const LaterColumn& column : laterColumns)
        if (!layout.columns.contains(QLatin1String(column.name)))
            statements << QStringLiteral("ALTER TABLE %1 ADD COLUMN \"%2\" %3")
                              .arg(table, QLatin1String(column.name), QLatin1String(column.type));
    if (!layout.columns.contains(QStringLiteral("position")))
        statements << QStringLiteral(
                          "UPDATE %1 SET \"position\" = (SELECT COUNT(*) FROM %1 AS "
                          "earlier WHERE earlier.\"id\" < %1.\"id\")")
                          .arg(table);
    statements << QStringLiteral("PRAGMA user_version = %1").arg(TimerStore::version);
    return transaction(
        [&] {
            for (const QString& sql : std::as_const(statements))
                if (!write(sql, {}, error)) return false;
            return true;
        },
        error);
}

bool TimerStore::openFile(const QString& path, bool readOnly, StoreError* error) {
    const QByteArray native = QFile::encodeName(path_);
    const int rc = sqlite3_open_v2(
        native.constData(), &db_, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        if (error) {
            if (db_)
                *error = sqliteError(
                    QCoreApplication::translate("TimerStore", "The store %1 could not be opened")
                        .arg(path_));
            else
                *error = {
                    QCoreApplication::translate("TimerStore",
                                                "The store %1 could not be opened (%2)")
                        .arg(path_, QString::fromUtf8(sqlite3_errstr(rc))),
                    {{QStringLiteral("path"), path},
                     {QStringLiteral("sqliteCode"), rc},
                     {QStringLiteral("sqliteMessage"), QString::fromUtf8(sqlite3_errstr(rc))}}};
        }
        return false;
    }
    sqlite3_extended_result_codes(db_, 1);
    // A second copy of the program (or a backup tool) may hold the file for a
    // moment; wait for it rather than failing a save at once.
    sqlite3_busy_timeout(db_, busyTimeoutMs_);
    return true;
}

bool TimerStore::open(const QString& path, StoreError* error) {
    if (db_ || path.isEmpty()) {
        if (error) {
            error->description =
                db_ ? QCoreApplication::translate("TimerStore",
                                                  "A store is already open at %1, not opening %2")
                          .arg(path_, path)
                    : QCoreApplication::translate("TimerStore", "No path was given for the store");
            error->userInfo = {{QStringLiteral("path"), path}};
        }
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    const QByteArray native = QFile::encodeName(path_);
    bool created = false;
    auto fail = [&]() {
        close();
        // Only a file this call made is removed; a refused file stays as found.
        if (created) ::unlink(native.constData());
        path_.clear();
        return false;
    };

    const QString folder = QFileInfo(path_).absolutePath();
    int errorNumber = 0;
    if (!makeFolder(folder, &errorNumber)) {
        if (error) {
            *error = fileError(QCoreApplication::translate(
                                   "TimerStore", "The folder %1 of the store could not be created")
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
                QCoreApplication::translate("TimerStore", "The store %1 could not be created")
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
    if (!openFile(path, false, error)) return fail();
    Layout layout;
    if (!readLayout(&layout, error)) return fail();
    foundVersion_ = layout.version;
    // A store in order is opened without a single write.
    if (layout.isEmpty ? !createTables(error)
                       : layout.version < TimerStore::version && !upgrade(layout, error))
        return fail();
    missing_.clear();
    return true;
}

bool TimerStore::openForReading(const QString& path, bool* absent, StoreError* error) {
    *absent = false;
    if (db_ || path.isEmpty()) return open(path, error);  // the same refusals
    path_ = QFileInfo(path).absoluteFilePath();
    struct stat link {};
    // A dangling link is there (lstat finds it) and still refused below.
    if (::lstat(QFile::encodeName(path_).constData(), &link) != 0 && errno == ENOENT) {
        *absent = true;
        path_.clear();
        return true;
    }
    Layout layout;
    if (!checkFile(error) || !openFile(path, true, error) || !readLayout(&layout, error)) {
        close();
        path_.clear();
        return false;
    }
    foundVersion_ = layout.version;
    missing_.clear();
    if (!layout.isEmpty)
        for (const LaterColumn& column : laterColumns)
            if (!layout.columns.contains(QLatin1String(column.name)))
                missing_.insert(QLatin1String(column.name));
    // A file that holds no table yet has no timers either.
    if (layout.isEmpty) {
        close();
        path_.clear();
        *absent = true;
    }
    return true;
}

}  // namespace dunok
