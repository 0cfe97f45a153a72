#include "desktop/WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef DUNOK_HAVE_WAYLAND
#include <poll.h>
#include <wayland-client.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <cerrno>
#include <cstring>
#include <memory>

#include "xdg-activation-v1-client-protocol.h"
#endif

namespace dunok {

#ifdef DUNOK_HAVE_WAYLAND
namespace {

// A compositor answers at once; this only bounds one that hangs, so that a
// finishing timer never freezes the window.
constexpr int answerTimeoutMs = 500;
// Many timers finishing together ask once; the compositor is still deciding.
constexpr qint64 askAgainAfterMs = 1000;

// Reads the compositor's events until done is set, or gives up at the deadline
// or on a broken connection.
bool dispatchUntil(wl_display* display, const bool& done, QDeadlineTimer deadline) {
    while (!done) {
        while (wl_display_prepare_read(display) != 0) {
            if (wl_display_dispatch_pending(display) < 0) return false;
            if (done) return true;
        }
        if (wl_display_flush(display) < 0 && errno != EAGAIN) {
            wl_display_cancel_read(display);
            return false;
        }
        pollfd fd{wl_display_get_fd(display), POLLIN, 0};
        const int remaining = int(qMax<qint64>(0, deadline.remainingTime()));
        if (poll(&fd, 1, remaining) <= 0) {
            wl_display_cancel_read(display);
            return false;
        }
        if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
            return false;
    }
    return true;
}

bool sync(wl_display* display) {
    bool done = false;
    static const wl_callback_listener listener{[](void* data, wl_callback* callback, uint32_t) {
        *static_cast<bool*>(data) = true;
        wl_callback_destroy(callback);
    }};
    wl_callback_add_listener(wl_display_sync(display), &listener, &done);
    return dispatchUntil(display, done, QDeadlineTimer(answerTimeoutMs));
}

}  // namespace

// A connection of our own to the compositor Qt draws on: tokens are the
// compositor's, so one asked for here is good for Qt's surface too, and Qt's
// connection stays Qt's.
class CompositorConnection {
public:
    CompositorConnection() {
        display_ = wl_display_connect(nullptr);
        if (!display_) return;
        registry_ = wl_display_get_registry(display_);
        static const wl_registry_listener listener{
            [](void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
                auto* self = static_cast<CompositorConnection*>(data);
                if (std::strcmp(interface, xdg_activation_v1_interface.name) == 0 &&
                    !self->activation_)
                    self->activation_ = static_cast<xdg_activation_v1*>(
                        wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
            },
            [](void*, wl_registry*, uint32_t) {}};
        wl_registry_add_listener(registry_, &listener, this);
        if (!sync(display_)) drop();
    }
    ~CompositorConnection() { drop(); }

    bool offersActivation() const { return activation_ != nullptr; }

    // A token for bringing a window of ours forward, or empty.
    QByteArray activationToken() {
        if (!activation_) return {};
        struct Answer {
            bool done = false;
            QByteArray token;
        } answer;
        static const xdg_activation_token_v1_listener listener{
            [](void* data, xdg_activation_token_v1*, const char* token) {
                auto* a = static_cast<Answer*>(data);
                a->token = token;
                a->done = true;
            }};
        xdg_activation_token_v1* request = xdg_activation_v1_get_activation_token(activation_);
        xdg_activation_token_v1_add_listener(request, &listener, &answer);
        // The compositor knows the window by the program's launcher entry.
        const QByteArray appId = QGuiApplication::desktopFileName().toUtf8();
        if (!appId.isEmpty()) xdg_activation_token_v1_set_app_id(request, appId.constData());
        xdg_activation_token_v1_commit(request);
        const bool answered = dispatchUntil(display_, answer.done, QDeadlineTimer(answerTimeoutMs));
        xdg_activation_token_v1_destroy(request);
        if (!answered) {
            drop();
            return {};
        }
        return answer.token;
    }

private:
    // A compositor that does not answer is asked nothing more.
    void drop() {
        if (activation_) xdg_activation_v1_destroy(activation_);
        if (registry_) wl_registry_destroy(registry_);
        if (display_) wl_display_disconnect(display_);
        activation_ = nullptr;
        registry_ = nullptr;
        display_ = nullptr;
    }

    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    xdg_activation_v1* activation_ = nullptr;
};

#else
class CompositorConnection {};
#endif

WindowActivation::WindowActivation() = default;
WindowActivation::~WindowActivation() = default;

void WindowActivation::request(QWidget* window) {
    window->raise();
#ifdef DUNOK_HAVE_WAYLAND
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Connected the first time it is needed: most finishes find the
        // window in front already, and X11 sessions never need it.
        if (!compositor_) compositor_ = std::make_unique<CompositorConnection>();
        if (window->isActiveWindow() || !compositor_->offersActivation()) return;
        if (lastAsked_.isValid() && !lastAsked_.hasExpired(askAgainAfterMs)) return;
        lastAsked_.start();
        const QByteArray token = compositor_->activationToken();
        if (token.isEmpty()) return;
        // Qt hands a token it finds here to the compositor with the window's
        // surface, and takes it away; none is left for programs we start.
        qputenv("XDG_ACTIVATION_TOKEN", token);
        window->activateWindow();
        qunsetenv("XDG_ACTIVATION_TOKEN");
        return;
    }
#endif
    window->activateWindow();
}

}  // namespace dunok
