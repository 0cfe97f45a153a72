// The tray icon: the way back to a closed window, and a second place for the
// running-timer count.
#pragma once

#include <QObject>

#include "domain/Badge.h"

class QMenu;
class QSystemTrayIcon;

namespace dunok {

class TrayIcon : public QObject, public BadgeDisplay {
    Q_OBJECT
public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Whether a tray host runs; without one the icon is never shown.
    static bool available();
    void show();

    void showCount(int count) override;
    // The tooltip names the next timer to ring and its time left.
    void showNextFinish(const std::optional<NextFinish>& next) override;

signals:
    void activated();      // a click on the icon
    void showRequested();  // "Show Dunok" in its menu
    void quitRequested();  // "Quit Dunok" in its menu

private:
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
};

}  // namespace dunok
