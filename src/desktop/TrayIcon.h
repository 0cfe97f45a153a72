// The tray icon: the way back to a closed window, and a second place for the
// running-timer count.
#pragma once

#include <QObject>
#include <functional>

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
    // The tooltip lists the timers that run or wait paused, with their time
    // left; it is redone when the next finish moves (about once a second
    // while a timer counts) and when the running timers change.
    void showNextFinish(const std::optional<NextFinish>& next) override;
    void showTimersChanged() override;
    // Where the tooltip's timers come from.
    void setRunningSource(std::function<QList<RunningLine>()> source) {
        running_ = std::move(source);
    }
    // The tooltip for these timers: the program's name, then a line each,
    // at most ten.
    static QString toolTip(const QList<RunningLine>& lines);

signals:
    void activated();      // a click on the icon
    void showRequested();  // "Show Dunok" in its menu
    void quitRequested();  // "Quit Dunok" in its menu

private:
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
    std::function<QList<RunningLine>()> running_;
};

}  // namespace dunok
