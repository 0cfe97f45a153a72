// The timer list's right-click menu: start or stop the timer under the
// pointer, pause or resume it, snooze it once it has rung, edit, duplicate or
// delete it. Each opening selects the clicked row and names its timer in the
// items. The items are the window's own commands.
#pragma once

#include <QMenu>

namespace dunok {

class TimerActions;
class TimerTableView;

// The description between straight double quotes, as it is.
QString quotedDescription(const QString& desc);
// The title of the start-or-stop command for a timer: Stop while it counts
// down, else Start (a paused timer goes on, a stopped one starts).
QString startStopTitle(const QString& desc, bool counting);

class TimerContextMenu : public QMenu {
    Q_OBJECT
public:
    // Shows the commands of actions, which the window enables.
    TimerContextMenu(QWidget* parent, TimerActions* actions);

    // Opens this menu on a right-click in table.
    void install(TimerTableView* table);

    // Before the menu shows: selects clickedRow (when it is a row) and has
    // the items name the selected timer and follow its state.
    void menuWillOpen(int clickedRow);

    QAction* miDuplicate() const;
    QAction* miPause() const;
    QAction* miSnooze() const;

signals:
    void snoozeRequested(int row);
    // Add 1 Minute, Add 5 Minutes: that many seconds more for the timer of that row.
    void addTimeRequested(int row, qint64 seconds);

private:
    TimerTableView* table_ = nullptr;
    TimerActions* actions_ = nullptr;
};

}  // namespace dunok
