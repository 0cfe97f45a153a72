// The timer list's right-click menu: duplicate the timer under the pointer,
// pause or resume it, or snooze it once it has rung. Each opening selects the
// clicked row and names its timer in the items.
#pragma once

#include <QMenu>

namespace dunok {

class TimerRowDisplay;
class TimerTableView;

class TimerContextMenu : public QMenu {
    Q_OBJECT
public:
    explicit TimerContextMenu(QWidget* parent = nullptr);

    // Opens this menu on a right-click in table, whose rows tell which
    // timers have rung.
    void install(TimerTableView* table, const TimerRowDisplay& rows);

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
    void prepareItems(int row);

    TimerTableView* table_ = nullptr;
    const TimerRowDisplay* rows_ = nullptr;
    QAction* miDuplicate_ = nullptr;
    QAction* miPause_ = nullptr;
    QAction* miSnooze_ = nullptr;
    int row_ = -1;  // the timer the items name
};

}  // namespace dunok
