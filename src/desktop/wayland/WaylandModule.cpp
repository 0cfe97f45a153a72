// The Wayland module: Dunok's own connection to the compositor, for activation tokens. Plain C++
// and the Wayland client library, nothing of Qt.
#include "desktop/WaylandModule.h"

#include <poll.h>
#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "xdg-activation-v1-client-protocol.h"

namespace dunok::wayland {

namespace {

using Clock = std::chrono::steady_clock;

// Reads the compositor's events until done is set, or gives up at the deadline or on a broken
// connection.
bool dispatchUntil(wl_display* display, const bool& done, Clock::time_point deadline) {
    while (!done) {
        while (wl_display_prepare_read(display) != 0) {
            if (wl_display_dispatch_pending(display) < 0) return false;
            if (done) return true;
        }
        if (wl_display_flush(display) < 0 && errno != EAGAIN) {
            wl_display_cancel_read(display);
            return false;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd fd{wl_display_get_fd(display), POLLIN, 0};
        if (poll(&fd, 1, int(std::max<std::chrono::milliseconds::rep>(0, left.count()))) <= 0) {
            wl_display_cancel_read(display);
            return false;
        }
        if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
            return false;
    }
    return true;
}

class Connection final : public CompositorConnection {
public:
    explicit Connection(int answerTimeoutMs) : patience_(answerTimeoutMs) {
        display_ = wl_display_connect(nullptr);
        if (!display_) return;
        registry_ = wl_display_get_registry(display_);
        static const wl_registry_listener listener{
            [](void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
                auto* self = static_cast<Connection*>(data);
                if (std::strcmp(interface, xdg_activation_v1_interface.name) == 0 &&
                    !self->activation_)
                    self->activation_ = static_cast<xdg_activation_v1*>(
                        wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
            },
            [](void*, wl_registry*, uint32_t) {}};
        wl_registry_add_listener(registry_, &listener, this);
        if (!sync()) drop();
    }
    ~Connection() override { drop(); }

    bool offersActivation() const override { return activation_ != nullptr; }

    std::string activationToken(const std::string& appId) override {
        if (!activation_) return {};
        struct Answer {
            bool done = false;
            std::string token;
        } answer;
        static const xdg_activation_token_v1_listener listener{
            [](void* data, xdg_activation_token_v1*, const char* token) {
                auto* a = static_cast<Answer*>(data);
                a->token = token;
                a->done = true;
            }};
        xdg_activation_token_v1* request = xdg_activation_v1_get_activation_token(activation_);
        xdg_activation_token_v1_add_listener(request, &listener, &answer);
        if (!appId.empty()) xdg_activation_token_v1_set_app_id(request, appId.c_str());
        xdg_activation_token_v1_commit(request);
        const bool answered = dispatchUntil(display_, answer.done, deadline());
        xdg_activation_token_v1_destroy(request);
        if (!answered) {
            drop();
            return {};
        }
        return answer.token;
    }

private:
    Clock::time_point deadline() const { return Clock::now() + patience_; }

    // A round trip: every event the compositor sent before it has been handled.
    bool sync() {
        bool done = false;
        static const wl_callback_listener listener{[](void* data, wl_callback* callback, uint32_t) {
            *static_cast<bool*>(data) = true;
            wl_callback_destroy(callback);
        }};
        wl_callback_add_listener(wl_display_sync(display_), &listener, &done);
        return dispatchUntil(display_, done, deadline());
    }

    // A compositor that does not answer is asked nothing more.
    void drop() {
        if (activation_) xdg_activation_v1_destroy(activation_);
        if (registry_) wl_registry_destroy(registry_);
        if (display_) wl_display_disconnect(display_);
        activation_ = nullptr;
        registry_ = nullptr;
        display_ = nullptr;
    }

    std::chrono::milliseconds patience_;
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    xdg_activation_v1* activation_ = nullptr;
};

}  // namespace

}  // namespace dunok::wayland

extern "C" __attribute__((visibility("default"))) dunok::wayland::CompositorConnection*
dunok_wayland_connect(int interfaceVersion, int answerTimeoutMs) {
    if (interfaceVersion != dunok::wayland::kInterfaceVersion) return nullptr;
    return new dunok::wayland::Connection(answerTimeoutMs);
}
