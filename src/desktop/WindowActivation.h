// Asking the desktop to bring a window forward with the keyboard focus.
//
// On X11 a program raises and activates its window itself. On Wayland it
// cannot: it hands the compositor an activation token (the xdg-activation
// protocol), and the compositor brings the window forward or only marks it as
// wanting attention. Qt 6.4 asks for a token only while one of the program's
// own windows has the focus, which is never so when a timer finishes behind
// other windows; here the token is asked for first and handed to Qt.
#pragma once

#include <QElapsedTimer>
#include <memory>

#include "desktop/OwnModule.h"

class QWidget;

namespace dunok {

namespace wayland {
class CompositorConnection;
}

// Owned by the window it brings forward, so that its connection to the
// compositor, and the module that makes it, close with the window, before
// the application ends.
class WindowActivation {
public:
    WindowActivation();
    ~WindowActivation();

    // The window is raised and asked to take the focus. On a Wayland
    // compositor that offers no activation nothing more is asked, as nothing
    // could come of it; without the Wayland module, Qt is asked alone.
    void request(QWidget* window);

private:
    // The connection, made and its module loaded the first time; null when
    // the module could not be used, which is said once.
    wayland::CompositorConnection* compositor();

    OwnModuleHandle module_;
    std::unique_ptr<wayland::CompositorConnection> compositor_;
    bool triedCompositor_ = false;
    QElapsedTimer lastAsked_;
};

}  // namespace dunok
