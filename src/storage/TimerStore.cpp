// Reading and changing the timers: each operation one transaction, every
// value a bound parameter.
#include "storage/TimerStore.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <cerrno>
#include <cstring>

#include "storage/TimerStoreDetail.h"

namespace dunok {

using namespace storedetail;

namespace {
// The timer a Start starts, NULL for any other choice.
QVariant nextColumn(const Timer& timer) {
    return timer.then == WhenFinished::Start && timer.next > 0 ? QVariant(timer.next) : QVariant();
}
template <typename Field>
QVariant keptPart(const Timer& timer, Field field) {
    return timer.keptRoutine ? QVariant::fromValue((*timer.keptRoutine).*field) : QVariant();
}
}  // namespace

namespace storedetail {

int bind(sqlite3_stmt* statement, int index, const QVariant& value) {
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

QString text(sqlite3_stmt* statement, int column) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(bytes, sqlite3_column_bytes(statement, column));
}

std::optional<qint64> integer(sqlite3_stmt* statement, int column) {
    if (sqlite3_column_type(statement, column) == SQLITE_NULL) return std::nullopt;
    return sqlite3_column_int64(statement, column);
}

QString systemMessage(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

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

}  // namespace storedetail

StoreCause storeCause(const StoreError& error) {
    const QVariantMap& info = error.userInfo;
    if (info.contains(QStringLiteral("storeVersion"))) return StoreCause::NewerStore;
    if (!info.contains(QStringLiteral("sqliteCode"))) return StoreCause::Other;
    // The extended code's low byte is the primary one (SQLITE_IOERR_WRITE is
    // an IOERR); a full disk and a held lock each have one of their own.
    switch (info.value(QStringLiteral("sqliteCode")).toInt() & 0xff) {
        case SQLITE_FULL:
            return StoreCause::DiskFull;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return StoreCause::InUse;
        default:
            return StoreCause::Other;
    }
}

TimerStore::~TimerStore() {
    close();
}

void TimerStore::close() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

StoreError TimerStore::sqliteError(const QString& what) const {
    StoreError error;
    const int code = sqlite3_extended_errcode(db_);
    const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    error.description = QStringLiteral("%1 (%2)").arg(what, message);
    error.userInfo.insert(QStringLiteral("path"), path_);
    error.userInfo.insert(QStringLiteral("sqliteCode"), code);
    error.userInfo.insert(QStringLiteral("sqliteMessage"), message);
    return error;
}

StoreError TimerStore::readError() const {
    return sqliteError(
        QCoreApplication::translate("TimerStore", "The store %1 could not be read").arg(path_));
}

StoreError TimerStore::fileError(const QString& description, int errorNumber) const {
    StoreError error;
    error.description = QStringLiteral("%1 (%2)").arg(description, systemMessage(errorNumber));
    error.userInfo.insert(QStringLiteral("path"), path_);
    error.userInfo.insert(QStringLiteral("errno"), errorNumber);
    return error;
}

bool TimerStore::prepare(Statement& statement, const QString& sql, StoreError* error) const {
    if (!db_) {
        if (error)
            *error = {QCoreApplication::translate("TimerStore", "No store is open"),
                      {{QStringLiteral("path"), path_}}};
        return false;
    }
    const QByteArray bytes = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, bytes.constData(), int(bytes.size()), &statement.handle, nullptr) ==
        SQLITE_OK)
        return true;
    if (error) *error = readError();
    return false;
}

bool TimerStore::exec(const QString& sql, const QVariantList& binds, StoreError* error) {
    Statement statement;
    if (!prepare(statement, sql, error)) return false;
    for (int i = 0; i < binds.size(); ++i) bind(statement.handle, i + 1, binds.at(i));
    int rc;
    while ((rc = sqlite3_step(statement.handle)) == SQLITE_ROW) {
    }
    if (rc == SQLITE_DONE) return true;
    if (error)
        *error = sqliteError(
            QCoreApplication::translate("TimerStore", "The store %1 could not be written")
                .arg(path_));
    return false;
}

// A statement that changes timers, which tests can make fail.
bool TimerStore::write(const QString& sql, const QVariantList& binds, StoreError* error) {
    if (failWrites_ > 0) {
        if (failAfter_ > 0) {
            --failAfter_;
        } else {
            --failWrites_;
            if (error) {
                const QString message = QString::fromUtf8(sqlite3_errstr(SQLITE_IOERR));
                error->description = QCoreApplication::translate(
                                         "TimerStore", "The store %1 could not be written (%2)")
                                         .arg(path_, message);
                error->userInfo = {{QStringLiteral("path"), path_},
                                   {QStringLiteral("sqliteCode"), SQLITE_IOERR},
                                   {QStringLiteral("sqliteMessage"), message},
                                   {QStringLiteral("injected"), true}};
            }
            return false;
        }
    }
    return exec(sql, binds, error);
}

std::optional<QList<Timer>> TimerStore::timers(StoreError* error) const {
    // Every later column but the order, in the table's order: the reading
    // below takes them by index. An older store opened only for reading
    // lacks some: what they would hold reads as its default, and the order is
    // the order the timers were made in.
    QStringList read;
    for (const LaterColumn& column : laterColumns) {
        const QString name = QLatin1String(column.name);
        if (name == QLatin1String("position")) continue;
        read << (missing_.contains(name) ? QString::fromLatin1(column.absent)
                                         : QStringLiteral("\"%1\"").arg(name));
    }
    const QString order = missing_.contains(QStringLiteral("position"))
                              ? QStringLiteral("\"id\"")
                              : QStringLiteral("\"position\", \"id\"");
    Statement statement;
    if (!prepare(statement,
                 QStringLiteral("SELECT \"id\", \"desc\", \"duration\", \"sound\", \"snoozeOn\", "
                                "\"snooze\", %1 FROM %2 ORDER BY %3")
                     .arg(read.join(QStringLiteral(", ")), table, order),
                 error))
        return std::nullopt;
    QList<Timer> timers;
    int rc;
    while ((rc = sqlite3_step(statement.handle)) == SQLITE_ROW) {
        Timer timer;
        timer.id = sqlite3_column_int64(statement.handle, 0);
        timer.desc = text(statement.handle, 1);
        timer.duration = readableDuration(integer(statement.handle, 2).value_or(0));
        timer.sound = text(statement.handle, 3);
        timer.snoozeOn = integer(statement.handle, 4).value_or(0) != 0;
        timer.snooze = readableSnooze(integer(statement.handle, 5));
        timer.dueAt = integer(statement.handle, 6);
        timer.pausedLeft = integer(statement.handle, 7);
        timer.warnBefore = readableWarning(integer(statement.handle, 8));
        readRoutine(timer, integer(statement.handle, 9), integer(statement.handle, 10),
                    integer(statement.handle, 11));
        timer.keptRoutine =
            readKeptRoutine(integer(statement.handle, 12), integer(statement.handle, 13),
                            integer(statement.handle, 14));
        timers << timer;
    }
    if (rc != SQLITE_DONE) {
        if (error) *error = readError();
        return std::nullopt;
    }
    return timers;
}

bool TimerStore::addLinked(QList<Timer>& timers, const QList<int>& links, StoreError* error) {
    Q_ASSERT(links.isEmpty() || links.size() == timers.size());
    QList<TimerId> ids;
    const bool added = transaction(
        [&] {
            Statement last;
            if (!prepare(
                    last,
                    QStringLiteral("SELECT COALESCE(MAX(\"position\") + 1, 0) FROM %1").arg(table),
                    error) ||
                sqlite3_step(last.handle) != SQLITE_ROW) {
                if (error && last.handle) *error = readError();
                return false;
            }
            qint64 position = sqlite3_column_int64(last.handle, 0);
            for (const Timer& timer : std::as_const(timers)) {
                if (!write(QStringLiteral("INSERT INTO %1 (\"desc\", \"duration\", \"sound\", "
                                          "\"snoozeOn\", \"snooze\", \"position\", \"warnBefore\", "
                                          "\"whenFinished\", \"rounds\", \"nextTimer\") "
                                          "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)")
                               .arg(table),
                           {timer.desc, timer.duration, timer.sound, timer.snoozeOn, timer.snooze,
                            position++, timer.warnBefore, int(timer.then), timer.rounds,
                            nextColumn(timer)},
                           error))
                    return false;
                ids << sqlite3_last_insert_rowid(db_);
            }
            // Only now is the id of every timer a chain may start known.
            for (int i = 0; i < links.size(); ++i)
                if (links.at(i) >= 0 &&
                    !write(QStringLiteral("UPDATE %1 SET \"whenFinished\" = ?1, \"nextTimer\" = ?2 "
                                          "WHERE \"id\" = ?3")
                               .arg(table),
                           {int(WhenFinished::Start), ids.at(links.at(i)), ids.at(i)}, error))
                    return false;
            return true;
        },
        error);
    if (!added) return false;
    for (int i = 0; i < timers.size(); ++i) timers[i].id = ids.at(i);
    for (int i = 0; i < links.size(); ++i)
        if (links.at(i) >= 0) {
            timers[i].then = WhenFinished::Start;
            timers[i].next = ids.at(links.at(i));
        }
    return true;
}

bool TimerStore::update(const Timer& timer, StoreError* error) {
    return transaction(
        [&] {
            if (!write(
                    QStringLiteral("UPDATE %1 SET \"desc\" = ?1, \"duration\" = ?2, "
                                   "\"sound\" = ?3, \"snoozeOn\" = ?4, \"snooze\" = ?5, "
                                   "\"warnBefore\" = ?7, \"whenFinished\" = ?8, \"rounds\" = ?9, "
                                   "\"nextTimer\" = ?10 WHERE \"id\" = ?6")
                        .arg(table),
                    {timer.desc, timer.duration, timer.sound, timer.snoozeOn, timer.snooze,
                     timer.id, timer.warnBefore, int(timer.then), timer.rounds, nextColumn(timer)},
                    error))
                return false;
            if (sqlite3_changes(db_) == 1) return true;
            if (error)
                *error = {QCoreApplication::translate("TimerStore",
                                                      "The timer is no longer in the store %1")
                              .arg(path_),
                          {{QStringLiteral("path"), path_}, {QStringLiteral("id"), timer.id}}};
            return false;
        },
        error);
}

bool TimerStore::remove(const QList<TimerId>& ids, StoreError* error) {
    return transaction(
        [&] {
            for (TimerId id : ids)
                if (!write(QStringLiteral("DELETE FROM %1 WHERE \"id\" = ?1").arg(table), {id},
                           error))
                    return false;
            return true;
        },
        error);
}

bool TimerStore::setOrder(const QList<TimerId>& ids, StoreError* error) {
    return transaction(
        [&] {
            // A list that is not exactly the store (a reload was missed)
            // would leave some timer without its place.
            Statement stored;
            if (!prepare(stored, QStringLiteral("SELECT \"id\" FROM %1").arg(table), error))
                return false;
            QSet<TimerId> inStore;
            int rc;
            while ((rc = sqlite3_step(stored.handle)) == SQLITE_ROW)
                inStore.insert(sqlite3_column_int64(stored.handle, 0));
            if (rc != SQLITE_DONE) {
                if (error) *error = readError();
                return false;
            }
            const QSet<TimerId> inList(ids.begin(), ids.end());
            if (inList.size() != ids.size() || inList != inStore) {
                if (error)
                    *error = {
                        QStringLiteral("The timer list does not match the store %1").arg(path_),
                        {{QStringLiteral("path"), path_}}};
                return false;
            }
            for (int i = 0; i < ids.size(); ++i)
                if (!write(QStringLiteral("UPDATE %1 SET \"position\" = ?1 WHERE \"id\" = ?2")
                               .arg(table),
                           {i, ids.at(i)}, error))
                    return false;
            return true;
        },
        error);
}

bool TimerStore::keepRunStates(const QList<Timer>& timers, StoreError* error) {
    const auto nullable = [](const std::optional<qint64>& value) {
        return value ? QVariant(*value) : QVariant();
    };
    return transaction(
        [&] {
            for (const Timer& timer : timers)
                if (timer.isStored() &&
                    !write(
                        QStringLiteral("UPDATE %1 SET \"dueAt\" = ?1, \"pausedLeft\" = ?2, "
                                       "\"keptHead\" = ?4, \"keptRound\" = ?5, "
                                       "\"keptRounds\" = ?6 WHERE \"id\" = ?3")
                            .arg(table),
                        {nullable(timer.dueAt), nullable(timer.pausedLeft), timer.id,
                         keptPart(timer, &KeptRoutine::head), keptPart(timer, &KeptRoutine::round),
                         keptPart(timer, &KeptRoutine::rounds)},
                        error))
                    return false;
            return true;
        },
        error);
}

}  // namespace dunok
