// The tray icon: the way back to a closed window, and a second place for the
// running-timer count. Shown by a status-notifier tray whenever one runs,
// also one that starts after Dunok; else in a tray that embeds windows.
#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>
#include <functional>
#include <optional>

#include "desktop/NamedImage.h"
#include "domain/Badge.h"
#include "domain/CoalescedCall.h"

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace dunok {

class StatusNotifierItem;

// How the tray icon draws the progress of the timer due soonest: a pie over
// the icon, in steps, so that it is redrawn only when the drawing changes.
struct TrayRing {
    static constexpr int steps = 48;
    int step = 0;  // how much of the timer has run, 0 to steps
    bool paused = false;
    bool operator==(const TrayRing&) const = default;
};

class TrayIcon : public QObject, public BadgeDisplay {
    Q_OBJECT
public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Whether a tray shows the icon now: a status-notifier tray took it, or
    // a tray that embeds windows runs.
    bool available() const;
    void show();
    StatusNotifierItem* item() const { return item_; }

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
    static constexpr int shownAtMost = 10;
    // One timer's line: "Tea — 4:12 left", "Eggs — paused, 2:00 left".
    static QString lineText(const RunningLine& line);
    // The ring for the first of these timers (runningLines' order: a paused
    // one only when none counts); none without timers.
    static std::optional<TrayRing> ringFor(const QList<RunningLine>& lines);
    // The icon's menu: "Show Dunok", a submenu for each running timer (at
    // most ten, brought up to date as the menu opens; a timer keeps its
    // submenu while it runs), "Quit Dunok".
    QMenu* menu() const { return menu_; }

signals:
    void activated();      // a click on the icon
    void showRequested();  // "Show Dunok" in its menu
    void quitRequested();  // "Quit Dunok" in its menu
    // A running timer's Pause, Resume or Stop in the menu, by timer id.
    void pauseOrResumeRequested(const QString& timerId);
    void stopRequested(const QString& timerId);

private:
    // One kind of tray at a time: the status-notifier one while its watcher
    // runs, else the embedding one, so that no desktop shows two icons.
    void placeIcon();
    void refreshMenu();
    // The tooltip and the icon, redone once whatever number of changes came
    // in this turn of the event loop: a change of the running timers tells
    // the count, the next finish and the change itself.
    void refresh();
    CoalescedCall refreshSoon_{this, [this] { refresh(); }};

    StatusNotifierItem* item_ = nullptr;
    // Made only when wanted: Qt decides once, as the first is made, whether
    // it goes to a status-notifier tray itself, and then never again.
    QSystemTrayIcon* icon_ = nullptr;
    bool shown_ = false;
    QMenu* menu_ = nullptr;
    QAction* timersEnd_ = nullptr;
    std::function<QList<RunningLine>()> running_;
    QHash<QString, QMenu*> timerMenus_;  // by timer id
    // The application's icon, decoded once, under the count and the pie.
    const QIcon appIcon_ = namedImage(QStringLiteral("dunok"));
    // What the icon shows now.
    QIcon drawn_;
    QString tip_;
    int count_ = 0;
    int shownCount_ = 0;
    std::optional<TrayRing> ring_;
};

}  // namespace dunok
