#include "desktop/WindowActivation.h"

#include <QDebug>
#include <QGuiApplication>
#include <QWidget>

#include "desktop/OwnModule.h"
#include "desktop/WaylandModule.h"

namespace dunok {

namespace {

// A compositor answers at once; this only bounds one that hangs, so that a
// finishing timer never freezes the window.
constexpr int answerTimeoutMs = 500;
// Many timers finishing together ask once; the compositor is still deciding.
constexpr qint64 askAgainAfterMs = 1000;

}  // namespace

WindowActivation::WindowActivation() = default;
// The connection goes before the module whose code it is.
WindowActivation::~WindowActivation() {
    compositor_.reset();
    module_.reset();
}

wayland::CompositorConnection* WindowActivation::compositor() {
    if (triedCompositor_) return compositor_.get();
    triedCompositor_ = true;
#ifndef DUNOK_BUILD_WAYLAND_MODULE
    return nullptr;  // built without the Wayland client library
#else
    const QString path = ownModulePath(QStringLiteral(DUNOK_WAYLAND_MODULE_FROM_BINDIR),
                                       QStringLiteral(DUNOK_BUILD_WAYLAND_MODULE));
    QString error;
    const OpenedModule module =
        openOwnModule(path, DUNOK_WAYLAND_CONNECT_FUNCTION, QStringLiteral("Wayland"), &error);
    if (!module.function) {
        qWarning().noquote() << error << "The window comes forward only as far as Qt can bring it.";
        return nullptr;
    }
    module_.reset(module.handle);
    compositor_.reset(reinterpret_cast<DunokWaylandConnectFunction>(module.function)(
        wayland::kInterfaceVersion, answerTimeoutMs));
    if (!compositor_)
        qWarning().noquote() << ownModuleOfAnotherVersion(QStringLiteral("Wayland"), path);
    return compositor_.get();
#endif
}

void WindowActivation::request(QWidget* window) {
    window->raise();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        if (window->isActiveWindow()) return;
        // Connected the first time it is needed: most finishes find the
        // window in front already, and X11 sessions never need it.
        if (wayland::CompositorConnection* compositor = this->compositor()) {
            if (!compositor->offersActivation()) return;
            if (lastAsked_.isValid() && !lastAsked_.hasExpired(askAgainAfterMs)) return;
            lastAsked_.start();
            // The compositor knows the window by the program's launcher entry.
            const std::string token =
                compositor->activationToken(QGuiApplication::desktopFileName().toStdString());
            if (token.empty()) return;
            // Qt hands a token it finds here to the compositor with the window's
            // surface, and takes it away; none is left for programs we start.
            qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
            window->activateWindow();
            qunsetenv("XDG_ACTIVATION_TOKEN");
            return;
        }
    }
    window->activateWindow();
}

}  // namespace dunok
