// The program's quit as far as the display is concerned, for scripts/test_display_loss: with
// --quit a quit is asked for, as the menu or a SIGTERM asks for one; with --terminated a SIGTERM
// was sent that no thread has taken yet, as when a stopped program is let go again at a logout.
// Qt's last words to the X server as the application object goes, XCloseDisplay, are taken in here:
// the X server named by DUNOK_TEST_X_SERVER_PID is killed first. Its event reader has stopped by
// then, and Dunok has had its last look at the display: the moment a logout rarely hits.
#include <dlfcn.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QThread>
#include <cstring>

#include "desktop/DisplayLoss.h"
#include "desktop/UnixSignals.h"

namespace {
bool processEnded(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return true;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');  // after the command's name
    return close >= 0 && line.mid(close + 2, 1) == "Z";
}
}  // namespace

extern "C" int XCloseDisplay(void* display) {
    const qint64 server = qEnvironmentVariableIntValue("DUNOK_TEST_X_SERVER_PID");
    ::kill(pid_t(server), SIGKILL);
    QDeadlineTimer deadline(10000);
    while (!processEnded(server) && !deadline.hasExpired()) QThread::msleep(10);
    using Close = int (*)(void*);
    static const auto close = reinterpret_cast<Close>(::dlsym(RTLD_NEXT, "XCloseDisplay"));
    return close(display);
}

int main(int argc, char* argv[]) {
    const char* mode = argc == 2 ? argv[1] : "";
    const bool terminated = std::strcmp(mode, "--terminated") == 0;
    // Held back in every thread (they inherit it from this one), so that it stays sent and
    // untaken, whichever thread the kernel would have given it to.
    sigset_t termination;
    sigemptyset(&termination);
    sigaddset(&termination, SIGTERM);
    if (terminated) pthread_sigmask(SIG_BLOCK, &termination, nullptr);
    QGuiApplication app(argc, argv);
    dunok::UnixSignals unixSignals;
    dunok::watchDisplayOnQuit();
    if (std::strcmp(mode, "--quit") == 0) dunok::quitRequested();
    if (terminated) ::kill(::getpid(), SIGTERM);
    return 0;
}
