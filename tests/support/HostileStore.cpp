#include "support/HostileStore.h"

#include <fcntl.h>
#include <sched.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <cerrno>
#include <cstring>

namespace dunok::testing {

namespace {
constexpr qint64 kPage = 4096;

// Polls: the holder is another process, so there is nothing to wait on but the file.
template <typename Predicate>
bool waitFor(Predicate predicate) {
    const QDeadlineTimer deadline(10000);
    while (!predicate()) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(20);
    }
    return true;
}

// Whether a reader that does not wait is refused by a lock on the store.
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
}  // namespace

SmallDisk::SmallDisk() {
    // A private copy of the mount table: the kernel takes the disk away with
    // the process whatever way it ends.
    const QByteArray target = QFile::encodeName(dir_.path());
    const char* failed = ::unshare(CLONE_NEWNS) != 0 ? "unshare(CLONE_NEWNS)"
                         : ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
                             ? "making / private"
                         : ::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                                   "size=256k,mode=0700") != 0
                             ? "mount -t tmpfs"
                             : nullptr;
    if (failed)
        why_ = QStringLiteral("%1: %2").arg(failed, QString::fromLocal8Bit(strerror(errno)));
}

SmallDisk::~SmallDisk() {
    if (isMounted()) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

bool SmallDisk::fillLeaving(int pages) {
    const QByteArray filler = QFile::encodeName(dir_.path() + QStringLiteral("/filler"));
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const QByteArray block(kPage, 'f');
    qint64 size = 0;
    ssize_t written;
    while ((written = ::write(fd, block.constData(), size_t(block.size()))) == block.size())
        size += written;
    const bool full = written >= 0 || errno == ENOSPC;
    // Whole pages only, so that each page given back is one the store can use.
    size += std::max<ssize_t>(written, 0);
    size -= size % kPage;
    const bool ok = full && size >= pages * kPage && ::ftruncate(fd, size - pages * kPage) == 0;
    ::close(fd);
    return ok;
}

StoreLock::StoreLock(const QString& storePath) : path_(storePath) {
    holder_.setStandardOutputFile(QProcess::nullDevice());
    holder_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    holder_.start(QStringLiteral("sqlite3"), {storePath});
    if (!holder_.waitForStarted(10000)) {
        why_ = QStringLiteral("the sqlite3 shell did not start: ") + holder_.errorString();
        return;
    }
    // Dunok may be writing just then (its first start stores the ready-made timers): the shell
    // waits its turn instead of failing the BEGIN and holding nothing.
    holder_.write(".timeout 10000\nBEGIN EXCLUSIVE;\n");
    holder_.waitForBytesWritten(10000);
    if (!waitFor([&] { return storeIsLocked(path_); }))
        why_ = QStringLiteral("the sqlite3 shell never took the lock");
}

StoreLock::~StoreLock() {
    holder_.closeWriteChannel();  // the shell ends, and the lock with it
    if (holder_.state() != QProcess::NotRunning && !holder_.waitForFinished(10000)) {
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

QStringList sql(const QString& path, const QString& statements) {
    sqlite3* db = nullptr;
    QStringList rows;
    auto first = [](void* out, int, char** values, char**) {
        static_cast<QStringList*>(out)->append(QString::fromUtf8(values[0] ? values[0] : "NULL"));
        return 0;
    };
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK ||
        sqlite3_busy_timeout(db, 5000) != SQLITE_OK ||
        sqlite3_exec(db, statements.toUtf8().constData(), first, &rows, nullptr) != SQLITE_OK)
        rows = QStringList{QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(db))};
    sqlite3_close(db);
    return rows;
}

QByteArray fingerprint(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "missing";
    return file.readAll() + QFileInfo(file).lastModified().toString(Qt::ISODateWithMs).toUtf8();
}

}  // namespace dunok::testing
