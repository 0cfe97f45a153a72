// Real faults for the store: a disk of its own that can be filled to the last
// page, another process holding the store's lock, and what another reader of
// the file finds in it.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace dunok::testing {

// A 256 KiB tmpfs in a mount namespace of this process's own, so that it goes
// away with the process even when a test crashes. Needs root (or
// CAP_SYS_ADMIN); isMounted() says whether it worked, why() why not.
class SmallDisk {
public:
    SmallDisk();
    ~SmallDisk();
    bool isMounted() const { return why_.isEmpty(); }
    QString why() const { return why_; }
    QString path() const { return dir_.path(); }
    // Fills the disk until it refuses a byte more, then gives back `pages`
    // pages of 4 KiB. False if the disk never filled.
    bool fillLeaving(int pages);

private:
    QTemporaryDir dir_;
    QString why_;
};

// Another process (the sqlite3 shell) holding the store with BEGIN EXCLUSIVE,
// so that Dunok can neither read nor write it until the lock is released.
class StoreLock {
public:
    explicit StoreLock(const QString& storePath);
    ~StoreLock();
    // The holder runs and the store refuses a reader that does not wait.
    bool isHeld() const;
    QString why() const { return why_; }
    // Ends the transaction and waits until the store is free.
    bool release();

private:
    QString path_;
    QProcess holder_;
    QString why_;
};

// Runs SQL on the file as another program would: the first column of each
// row it returns, NULL as "NULL", or {"error: ..."}.
QStringList sql(const QString& path, const QString& statements);
// Bytes and modification time of a file: what "left as it was" covers.
QByteArray fingerprint(const QString& path);
// Empty when the file passes integrity_check, the program's list holds what
// the file holds (in the file's order unless `sort` is on) and `shown` (the
// table's first column, top to bottom) is that list; else what differs.
QString listAgainstStore(const QString& storePath, const QStringList& shown, int sort);

}  // namespace dunok::testing
