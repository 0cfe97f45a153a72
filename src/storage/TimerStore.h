// The user's timers in one SQLite file: the "Timers" table, one row per
// timer, in the user's own order.
//
// Every operation is one transaction, so a failure, a crash or a kill
// part-way leaves the file as it was before the operation or as it is after
// it, never in between; a timer's id is its row and never changes.
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <optional>

#include "domain/StoreError.h"
#include "domain/Timer.h"
#include "domain/TimerRepository.h"

struct sqlite3;

namespace dunok {

class TimerStore : public TimerRepository {
public:
    // The layout this release writes. 1: the first release; 2 added what a
    // run keeps for the next start (dueAt, pausedLeft); 3 added the position
    // that holds the user's order, so that a drag moves no timer to a new row.
    static constexpr int version = 5;

    TimerStore() = default;
    ~TimerStore() override;
    TimerStore(const TimerStore&) = delete;
    TimerStore& operator=(const TimerStore&) = delete;

    // Opens (creating if absent) the store file at path. Creates the folder
    // and the file user-only when missing. Refuses, leaving the file exactly
    // as it was, a file that is not an SQLite database, one that cannot be
    // read and written, one whose folder cannot be written, an SQLite
    // database that holds other tables but not the timers, and a store of a
    // newer layout than this one. An older store is brought up to this
    // layout in one transaction that keeps every timer, its order and its
    // settings; if that fails, the file stays as it was.
    bool open(const QString& path, StoreError* error);
    // For a reader that must say what the next start will find: checks the
    // file as open() would and opens it read-only, without creating,
    // upgrading or writing anything. No file at all is fine (*absent true,
    // and no timers).
    bool openForReading(const QString& path, bool* absent, StoreError* error);
    bool isOpen() const { return db_ != nullptr; }
    const QString& path() const { return path_; }
    // The layout of the file as found, before any upgrade.
    int foundVersion() const { return foundVersion_; }
    // How long an operation waits for another program's lock before it
    // fails as InUse; for stores opened from now on (5 s unless set).
    void setBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }

    // Every timer in the user's order.
    std::optional<QList<Timer>> timers(StoreError* error) const override;
    // Stores the timers after the last one, giving each its id and linking
    // the chains. All or none.
    bool addLinked(QList<Timer>& timers, const QList<int>& links, StoreError* error) override;
    // Writes what the user edits: description, duration, sound, snooze.
    bool update(const Timer& timer, StoreError* error) override;
    // Removes the timers with these ids. All or none.
    bool remove(const QList<TimerId>& ids, StoreError* error) override;
    // Puts the stored timers in this order. Refused, and nothing changes,
    // unless the ids are exactly the stored timers, each once.
    bool setOrder(const QList<TimerId>& ids, StoreError* error) override;
    // Writes what the given timers keep for the next start (dueAt,
    // pausedLeft). Timers no longer stored are skipped.
    bool keepRunStates(const QList<Timer>& timers, StoreError* error) override;

    // For tests: the next n statements that change timers fail as if the
    // disk had refused them, after the first `after` of them went through.
    void failNextWrites(int n, int after = 0) {
        failWrites_ = n;
        failAfter_ = after;
    }

private:
    struct Statement;
    struct Layout;
    bool openFile(const QString& path, bool readOnly, StoreError* error);
    bool checkFile(StoreError* error) const;
    bool readLayout(Layout* layout, StoreError* error) const;
    bool createTables(StoreError* error);
    bool upgrade(const Layout& layout, StoreError* error);
    template <typename Body>
    bool transaction(Body body, StoreError* error);
    bool prepare(Statement& statement, const QString& sql, StoreError* error) const;
    bool exec(const QString& sql, const QVariantList& binds, StoreError* error);
    bool write(const QString& sql, const QVariantList& binds, StoreError* error);
    void close();
    StoreError sqliteError(const QString& what) const;
    StoreError readError() const;
    StoreError fileError(const QString& description, int errorNumber) const;

    sqlite3* db_ = nullptr;
    QString path_;
    int foundVersion_ = 0;
    // The later columns an older store opened only for reading lacks.
    QSet<QString> missing_;
    int busyTimeoutMs_ = 5000;
    int failWrites_ = 0;
    int failAfter_ = 0;
};

// What the user can do something about: a full disk (make room), another
// program holding the file longer than the busy timeout (close it), or a
// store that a newer version of the program wrote (use that one). Other
// failures are Other.
enum class StoreCause { Other, DiskFull, InUse, NewerStore };
StoreCause storeCause(const StoreError& error);

}  // namespace dunok
