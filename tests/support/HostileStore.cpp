#include "support/HostileStore.h"

#include <fcntl.h>
#include <sched.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstring>

#include "model/Globals.h"
#include "model/TimerModel.h"
#include "platform/ObjectStore.h"

namespace dunok::testing {

namespace {
constexpr qint64 kPage = 4096;

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}

QString entry(const TimerRecord& timer) {
    return timerDesc(timer) + QLatin1Char('/') + QString::number(timerDuration(timer));
}

// Polls until the predicate holds; the holder is another process, so there
// is nothing to wait on but the file itself.
template <typename Predicate>
bool waitFor(Predicate predicate, int milliseconds = 10000) {
    const QDeadlineTimer deadline(milliseconds);
    while (!predicate()) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(20);
    }
    return true;
}
}  // namespace

SmallDisk::SmallDisk() {
    if (!dir_.isValid()) {
        why_ = QStringLiteral("no folder to mount on");
        return;
    }
    // A private copy of the mount table: the disk is nobody else's business,
    // and the kernel takes it away with the process whatever way it ends.
    if (::unshare(CLONE_NEWNS) != 0) {
        why_ = systemError("unshare(CLONE_NEWNS)");
        return;
    }
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        why_ = systemError("making / private");
        return;
    }
    const QByteArray target = QFile::encodeName(dir_.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                "size=256k,mode=0700") != 0) {
        why_ = systemError("mount -t tmpfs");
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

bool SmallDisk::fillLeaving(int pages) {
    const QByteArray filler = QFile::encodeName(dir_.path() + QStringLiteral("/filler"));
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const QByteArray block(kPage, 'f');
    qint64 size = 0;
    bool full = false;
    for (;;) {
        const ssize_t written = ::write(fd, block.constData(), size_t(block.size()));
        if (written < 0) {
            full = errno == ENOSPC;
            break;
        }
        size += written;
        if (written < block.size()) {
            full = true;
            break;
        }
    }
    // Whole pages only, so that each page given back is one the store can use.
    size -= size % kPage;
    const bool ok = full && size >= pages * kPage && ::ftruncate(fd, size - pages * kPage) == 0;
    ::close(fd);
    return ok;
}

void SmallDisk::empty() {
    QDir disk(dir_.path());
    for (const QString& name :
         disk.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        QFileInfo(disk.filePath(name)).isDir() ? void(QDir(disk.filePath(name)).removeRecursively())
                                               : void(disk.remove(name));
}

StoreLock::StoreLock(const QString& storePath) : path_(storePath) {
    holder_.setProgram(QStringLiteral("sqlite3"));
    holder_.setArguments({storePath});
    holder_.setStandardOutputFile(QProcess::nullDevice());
    holder_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    holder_.start();
    if (!holder_.waitForStarted(10000)) {
        why_ = QStringLiteral("the sqlite3 shell did not start: ") + holder_.errorString();
        return;
    }
    holder_.write("BEGIN EXCLUSIVE;\n");
    holder_.waitForBytesWritten(10000);
    if (!waitFor([&] { return storeIsLocked(path_); }))
        why_ = QStringLiteral("the sqlite3 shell never took the lock");
}

StoreLock::~StoreLock() {
    if (holder_.state() == QProcess::NotRunning) return;
    holder_.closeWriteChannel();  // the shell ends, and the lock with it
    if (!holder_.waitForFinished(10000)) {
        holder_.kill();
        holder_.waitForFinished(10000);
    }
}

bool StoreLock::isHeld() const {
    return why_.isEmpty() && holder_.state() == QProcess::Running && storeIsLocked(path_);
}

bool StoreLock::release() {
    holder_.write("COMMIT;\n");
    holder_.waitForBytesWritten(10000);
    return waitFor([&] { return !storeIsLocked(path_); });
}

void StoreLock::releaseSoon() {
    holder_.write(".shell sleep 1\nCOMMIT;\n");
    holder_.waitForBytesWritten(10000);
}

bool storeIsLocked(const QString& storePath) {
    sqlite3* db = nullptr;
    bool locked = false;
    if (sqlite3_open_v2(QFile::encodeName(storePath).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        // No busy timeout: the answer is now, not once the lock is gone.
        const int rc =
            sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        locked = rc == SQLITE_BUSY || rc == SQLITE_LOCKED;
    }
    sqlite3_close(db);
    return locked;
}

QString integrityCheck(const QString& storePath) {
    sqlite3* db = nullptr;
    QString result;
    if (sqlite3_open_v2(QFile::encodeName(storePath).constData(), &db, SQLITE_OPEN_READWRITE,
                        nullptr) != SQLITE_OK) {
        result = QStringLiteral("cannot open: ") + QString::fromUtf8(sqlite3_errmsg(db));
    } else {
        sqlite3_busy_timeout(db, 5000);
        auto first = [](void* out, int, char** values, char**) {
            auto* text = static_cast<QString*>(out);
            if (text->isEmpty()) *text = QString::fromUtf8(values[0] ? values[0] : "NULL");
            return 0;
        };
        if (sqlite3_exec(db, "PRAGMA integrity_check", first, &result, nullptr) != SQLITE_OK)
            result = QStringLiteral("cannot check: ") + QString::fromUtf8(sqlite3_errmsg(db));
    }
    sqlite3_close(db);
    return result;
}

QStringList storedTimers(const QString& storePath) {
    ManagedObjectContext reader(timerDataModel());
    StoreError error;
    if (!reader.open(storePath, &error)) return {QStringLiteral("<unopenable>")};
    const auto all = reader.fetch({TimersKeys::entity, {}}, &error);
    if (!all) return {QStringLiteral("<unreadable>")};
    QStringList out;
    for (const TimerRecord& timer : *all) out << entry(timer);
    return out;
}

QStringList listedTimers() {
    QStringList out;
    for (const TimerRecord& timer : std::as_const(timersArray)) out << entry(timer);
    return out;
}

QString listAgainstStore(const QString& storePath, const QStringList& shown) {
    const QString integrity = integrityCheck(storePath);
    if (integrity != QLatin1String("ok")) return QStringLiteral("integrity_check: ") + integrity;
    QStringList stored = storedTimers(storePath), listed = listedTimers();
    QStringList names;
    for (const QString& timer : std::as_const(listed))
        names << timer.section(QLatin1Char('/'), 0, -2);
    if (names != shown)
        return QStringLiteral("shown [%1], listed [%2]").arg(shown.join(u", "), names.join(u", "));
    if (prefsSort != sortNone) {  // shown sorted: the same timers, each as often
        stored.sort();
        listed.sort();
    }
    if (listed != stored)
        return QStringLiteral("listed [%1], stored [%2]")
            .arg(listed.join(u", "), stored.join(u", "));
    return QString();
}

}  // namespace dunok::testing
