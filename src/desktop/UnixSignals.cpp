#include "desktop/UnixSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QDebug>
#include <QSocketNotifier>
#include <atomic>
#include <csignal>

namespace dunok {

namespace {
// The one state of the program that no object owns: a signal handler gets
// only the signal's number, so what it writes to must be reachable without
// one. Written by the handler, read on the GUI thread: only async-signal-safe
// calls happen inside the handler itself.
int signalPipe[2] = {-1, -1};
std::atomic<bool> arrived{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

void onSignal(int number) {
    arrived = true;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] ssize_t n = ::write(signalPipe[0], &byte, 1);
}
}  // namespace

UnixSignals::UnixSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        qWarning("SIGTERM and SIGINT will end Dunok without saving: no socket pair.");
        return;
    }
    arrived = false;
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &UnixSignals::readSignal);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

UnixSignals::~UnixSignals() {
    if (!notifier_) return;
    signal(SIGTERM, SIG_DFL);
    signal(SIGINT, SIG_DFL);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

bool UnixSignals::terminationArrived() {
    if (arrived.load()) return true;
    // Sent, but no thread has taken it yet: a stopped program that is let go again, as on a
    // loaded machine at a logout, can meet the lost display before any thread takes the signal.
    sigset_t pending;
    return ::sigpending(&pending) == 0 &&
           (::sigismember(&pending, SIGTERM) == 1 || ::sigismember(&pending, SIGINT) == 1);
}

void UnixSignals::readSignal() {
    unsigned char byte = 0;
    if (::read(signalPipe[1], &byte, 1) == 1) emit terminationRequested(byte);
}

}  // namespace dunok
