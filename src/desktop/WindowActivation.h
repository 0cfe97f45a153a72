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

class QWidget;

namespace dunok {

class CompositorConnection;

// Owned by the window it brings forward, so that its connection to the
// compositor closes with the window, before the application ends.
class WindowActivation {
public:
    WindowActivation();
    ~WindowActivation();

    // The window is raised and asked to take the focus. On a Wayland
    // compositor that offers no activation nothing more is asked, as nothing
    // could come of it.
    void request(QWidget* window);

private:
    std::unique_ptr<CompositorConnection> compositor_;
    QElapsedTimer lastAsked_;
};

}  // namespace dunok
