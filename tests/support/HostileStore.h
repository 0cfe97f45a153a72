// Real faults for the store: a disk of its own that can be filled to the last
// page, another process holding the store's lock, and what a fresh reader
// finds in the file afterwards.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace dunok::testing {

// A 256 KiB tmpfs mounted for this process alone: it is mounted in a mount
// namespace of the process's own, so that it goes away with the process even
// when a test crashes, and it is unmounted explicitly on destruction. Needs
// root (or CAP_SYS_ADMIN); isMounted() says whether it worked, why() why not.
class SmallDisk {
public:
    SmallDisk();
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return mounted_; }
    QString why() const { return why_; }
    QString path() const { return dir_.path(); }

    // Writes a filler file until the disk refuses a byte more, then gives
    // back `pages` pages of 4 KiB. False if the disk never filled.
    bool fillLeaving(int pages);
    // Removes the filler and everything else on the disk.
    void empty();

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString why_;
};

// Another process (the sqlite3 shell) holding the store with BEGIN EXCLUSIVE,
// so that Dunok can neither read nor write it until the lock is released.
class StoreLock {
public:
    explicit StoreLock(const QString& storePath);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // The holder runs and the store refuses a reader that does not wait.
    bool isHeld() const;
    QString why() const { return why_; }
    // Ends the transaction and waits until the store is free.
    bool release();
    // The holder lets go on its own a second after this call, while the
    // caller may already be waiting for the store.
    void releaseSoon();

private:
    QString path_;
    QProcess holder_;
    QString why_;
};

// Whether a reader that does not wait is refused by a lock on the store.
bool storeIsLocked(const QString& storePath);
// PRAGMA integrity_check as a fresh connection sees the file: "ok" for a
// whole store, else the first problem or the error.
QString integrityCheck(const QString& storePath);
// "desc/duration" of every stored timer in store order, as a new run of the
// program finds them; {"<unopenable>"} or {"<unreadable>"} when it cannot.
QStringList storedTimers(const QString& storePath);
// The same for the program's timer list.
QStringList listedTimers();
// Empty when the file is whole, the program's list holds what the file holds
// (in the file's order unless a sort is on) and `shown` (the table's first
// column, top to bottom) is that list; else what differs.
QString listAgainstStore(const QString& storePath, const QStringList& shown);

}  // namespace dunok::testing
