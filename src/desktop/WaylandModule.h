// What the program asks of its Wayland module: a connection of its own to the compositor, for the
// activation tokens that bring a window forward. The module alone links the Wayland client
// library, so that an X11 session never loads it; it is opened the first time a window is brought
// forward on Wayland, where Qt has loaded that library already. The program finds the one function
// below by name and calls the rest through the class's virtual table, so the module needs no
// symbol of the program, nor Qt.
#pragma once

#include <string>

namespace dunok::wayland {

// Raised whenever the class below changes, so that a module left over from another build is
// refused instead of being called through a table that no longer matches.
inline constexpr int kInterfaceVersion = 1;

// A connection to the compositor Qt draws on: tokens are the compositor's, so one asked for here
// is good for Qt's surface too, and Qt's connection stays Qt's.
class CompositorConnection {
public:
    virtual ~CompositorConnection() = default;
    // The compositor offers activation, and has answered so far.
    virtual bool offersActivation() const = 0;
    // A token for bringing forward a window of the program whose launcher entry is appId (none
    // when empty), or an empty string. A compositor that does not answer in time is asked nothing
    // more.
    virtual std::string activationToken(const std::string& appId) = 0;
};

}  // namespace dunok::wayland

// The module's one exported function: a new connection to the compositor the environment names,
// waiting at most answerTimeoutMs for each answer, which offers nothing when no compositor
// answered; or null when the module was built for another kInterfaceVersion.
#define DUNOK_WAYLAND_CONNECT_FUNCTION "dunok_wayland_connect"
extern "C" {
using DunokWaylandConnectFunction = dunok::wayland::CompositorConnection* (*)(int interfaceVersion,
                                                                              int answerTimeoutMs);
}
