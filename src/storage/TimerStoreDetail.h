// What the two halves of the timer store share: statements, binding and
// reading values, and the names of the table and its columns.
#pragma once

#include <sqlite3.h>

#include <QSet>
#include <QString>
#include <QVariant>

#include "storage/TimerStore.h"

namespace dunok {

struct TimerStore::Statement {
    sqlite3_stmt* handle = nullptr;
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(handle); }
};

// What readLayout() found in a file.
struct TimerStore::Layout {
    bool isEmpty = false;   // no tables at all: a file just made
    int version = 0;        // the file's user_version; 0 reads as 1
    QSet<QString> columns;  // of the table of timers
};

// The write lock is taken at once (IMMEDIATE), so a busy store fails at
// BEGIN, before anything is half-done.
template <typename Body>
inline bool TimerStore::transaction(Body body, StoreError* error) {
    if (!exec(QStringLiteral("BEGIN IMMEDIATE"), {}, error)) return false;
    if (body() && exec(QStringLiteral("COMMIT"), {}, error)) return true;
    // After some errors (I/O, a full disk) SQLite has rolled back already.
    if (!sqlite3_get_autocommit(db_)) exec(QStringLiteral("ROLLBACK"), {}, nullptr);
    return false;
}

namespace storedetail {
inline const QString table = QStringLiteral("\"Timers\"");
// The columns every layout has, after the id.
inline constexpr const char* firstColumns[] = {"desc", "duration", "snooze", "snoozeOn", "sound"};
// A column a later layout added: which one, its type, and what a store of
// an older layout, opened only for reading, reads in its place.
struct LaterColumn {
    const char* name;
    int since;
    const char* type;
    const char* absent;
};
inline constexpr LaterColumn laterColumns[] = {
    {"dueAt", 2, "INTEGER", "NULL"},
    {"pausedLeft", 2, "INTEGER", "NULL"},
    {"position", 3, "INTEGER NOT NULL DEFAULT 0", "0"},
    {"warnBefore", 4, "INTEGER NOT NULL DEFAULT 0", "0"},
    {"whenFinished", 5, "INTEGER NOT NULL DEFAULT 0", "0"},
    {"rounds", 5, "INTEGER NOT NULL DEFAULT 0", "0"},
    {"nextTimer", 5, "INTEGER", "NULL"},
    {"keptHead", 5, "INTEGER", "NULL"},
    {"keptRound", 5, "INTEGER", "NULL"},
    {"keptRounds", 5, "INTEGER", "NULL"},
};
int bind(sqlite3_stmt* statement, int index, const QVariant& value);
QString text(sqlite3_stmt* statement, int column);
std::optional<qint64> integer(sqlite3_stmt* statement, int column);
QString systemMessage(int errorNumber);
// Creates each missing level of the folder user-only.
bool makeFolder(const QString& folder, int* errorNumber);
}  // namespace storedetail

}  // namespace dunok
