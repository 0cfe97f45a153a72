#include "desktop/DisplayLoss.h"

#include <QtGui/qguiapplication_platform.h>
#include <dlfcn.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <atomic>
#include <cstdlib>
#include <ctime>
#include <mutex>

#include "desktop/UnixSignals.h"

namespace dunok {

namespace {
using HasError = int (*)(void*);
using IOErrorHandler = int (*)(void*);
using SetIOErrorHandler = IOErrorHandler (*)(IOErrorHandler);

// Plain data for the exit handler, which runs wherever Qt calls exit(), and
// for the X library's I/O-error handler, which is given only the display.
std::atomic<void*> watchedConnection{nullptr};
std::atomic<HasError> connectionHasError{nullptr};
std::atomic<IOErrorHandler> qtIOErrorHandler{nullptr};
std::atomic<bool> quitAsked{false};
std::atomic<bool> graceGiven{false};

bool quitting() {
    return quitAsked.load() || UnixSignals::terminationArrived();
}

// At a logout the session sends SIGTERM and takes the display away at once. The thread that took
// the signal may not have run its handler yet when the display's loss ends the program, the more
// so on a busy machine; so a termination is given a moment to show before the loss counts as one
// nobody asked for, which only delays a failure that stays one. The moment is given once: the X
// library's handler and the exit() that follows it may both ask.
bool quittingOrAboutTo() {
    constexpr timespec step{0, 10'000'000};
    if (!graceGiven.exchange(true))
        for (int i = 0; i < 25 && !quitting(); ++i) ::nanosleep(&step, nullptr);
    return quitting();
}

[[noreturn]] void leaveWithoutDisplay() {
    static const char text[] =
        "The display went away while Dunok was quitting; nothing was lost.\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, sizeof text - 1);
    ::_exit(0);
}

void quitWithoutDisplay() {
    void* connection = watchedConnection.load();
    const HasError hasError = connectionHasError.load();
    if (!connection || !hasError) return;
    if (hasError(connection) && quittingOrAboutTo()) leaveWithoutDisplay();
}

// The X library meets the broken connection itself when Qt says its last
// words to the server, after the connection is no longer ours to look at.
// Qt's handler, which this one stands before, reports it and calls exit(1).
int ioErrorWhileQuitting(void* display) {
    if (quittingOrAboutTo()) leaveWithoutDisplay();
    // Returning, the X library ends the program itself.
    const IOErrorHandler qt = qtIOErrorHandler.load();
    return qt ? qt(display) : 0;
}

// Runs inside the application object's destructor, after every window and
// the program's own objects are gone and just before Qt closes the
// connection. Until here, tearing the windows down may still meet the broken
// connection; after here, the connection is no longer ours to look at.
void lastLookAtDisplay() {
    quitWithoutDisplay();
    watchedConnection = nullptr;
}

// The X libraries are in the process already when Qt runs on X11; their
// functions are looked up there rather than linked, so that no other
// platform loads them. Null where the library or the function is not there.
template <typename Function>
Function loadedFunction(const char* library, const char* name) {
    void* handle = ::dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    if (!handle) return nullptr;
    const auto function = reinterpret_cast<Function>(::dlsym(handle, name));
    ::dlclose(handle);  // still loaded: Qt holds it
    return function;
}

// Puts ioErrorWhileQuitting before the handler Qt gave the X library. Qt
// without the X library has only xcb talk to X, and gave it no handler.
void standBeforeQtsIOErrorHandler() {
    if (const auto set = loadedFunction<SetIOErrorHandler>("libX11.so.6", "XSetIOErrorHandler"))
        qtIOErrorHandler = set(ioErrorWhileQuitting);
}
}  // namespace

void watchDisplayOnQuit() {
#if QT_CONFIG(xcb)
    auto* app = qGuiApp;
    auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    connectionHasError = loadedFunction<HasError>("libxcb.so.1", "xcb_connection_has_error");
    if (!connectionHasError.load()) return;
    static std::once_flag registered;
    std::call_once(registered, [] {
        std::atexit(quitWithoutDisplay);
        standBeforeQtsIOErrorHandler();
    });
    quitAsked = false;
    graceGiven = false;
    watchedConnection = x11->connection();
    qRemovePostRoutine(lastLookAtDisplay);
    qAddPostRoutine(lastLookAtDisplay);
#endif
}

void quitRequested() {
    quitAsked = true;
}

}  // namespace dunok
