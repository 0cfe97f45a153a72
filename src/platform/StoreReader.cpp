#include "platform/StoreReader.h"

#include <sqlite3.h>

#include <QFileInfo>

namespace dunok {

std::optional<QList<StoredTimer>> readStoredTimers(const QString& path, QString* error) {
    if (!QFileInfo::exists(path)) return QList<StoredTimer>();
    sqlite3* db = nullptr;
    const QByteArray native = path.toUtf8();
    int rc = sqlite3_open_v2(native.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    if (rc == SQLITE_OK) {
        // A running save holds the file only for a moment.
        sqlite3_busy_timeout(db, 2000);
        rc = sqlite3_prepare_v2(db,
                                "SELECT \"desc\", \"duration\", \"dueAt\", \"pausedLeft\" "
                                "FROM \"Timers\" ORDER BY id",
                                -1, &statement, nullptr);
        // A store that no Dunok has upgraded yet has no kept moments.
        if (rc != SQLITE_OK)
            rc = sqlite3_prepare_v2(db,
                                    "SELECT \"desc\", \"duration\", NULL, NULL FROM \"Timers\" "
                                    "ORDER BY id",
                                    -1, &statement, nullptr);
    }
    const auto optionalColumn = [&](int column) -> std::optional<qint64> {
        if (sqlite3_column_type(statement, column) == SQLITE_NULL) return std::nullopt;
        return sqlite3_column_int64(statement, column);
    };
    QList<StoredTimer> timers;
    while (rc == SQLITE_OK || rc == SQLITE_ROW) {
        rc = sqlite3_step(statement);
        if (rc != SQLITE_ROW) break;
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        timers.append({QString::fromUtf8(text, sqlite3_column_bytes(statement, 0)),
                       sqlite3_column_int64(statement, 1), optionalColumn(2), optionalColumn(3)});
    }
    const bool ok = rc == SQLITE_DONE;
    if (!ok && error)
        *error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    sqlite3_finalize(statement);
    sqlite3_close_v2(db);
    if (!ok) return std::nullopt;
    return timers;
}

}  // namespace dunok
