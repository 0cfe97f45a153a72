// The timer list's right-click menu: start or stop the timer under the
// pointer, pause or resume it, snooze it once it has rung, edit, duplicate or
// delete it. Each opening selects the clicked row and names its timer in the
// items.
#pragma once

#include <QMenu>

namespace dunok {

class TimerRowDisplay;
class TimerTableView;

// The title of the start-or-stop command for a timer: Stop while it counts
// down, else Start (a paused timer goes on, a stopped one starts).
QString startStopTitle(const QString& desc, bool counting);

class TimerContextMenu : public QMenu {
    Q_OBJECT
public:
    explicit TimerContextMenu(QWidget* parent = nullptr);

    // Opens this menu on a right-click in table, whose rows tell which
    // timers have rung.
    void install(TimerTableView* table, const TimerRowDisplay& rows);
    // The window's own commands, shown here as they are in its menus: their
    // titles and enabling are the window's to keep.
    void setCommands(QAction* startStop, QAction* edit, QAction* remove);

    // Before the menu shows: selects clickedRow (when it is a row) and sets
    // the items' titles and enabled states for the selected timer.
    void menuWillOpen(int clickedRow);

    QAction* miDuplicate() const { return miDuplicate_; }
    QAction* miPause() const { return miPause_; }
    QAction* miSnooze() const { return miSnooze_; }

signals:
    void duplicateRequested(int row);
    void pauseRequested(int row);
    void snoozeRequested(int row);

private:
    QList<QAction*> ownItems() const;
    void prepareItems(int row);

    TimerTableView* table_ = nullptr;
    const TimerRowDisplay* rows_ = nullptr;
    QAction* miDuplicate_ = nullptr;
    QAction* miPause_ = nullptr;
    QAction* miSnooze_ = nullptr;
    int row_ = -1;  // the timer the items name
};

}  // namespace dunok
