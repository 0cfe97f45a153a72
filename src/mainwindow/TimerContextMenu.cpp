#include "mainwindow/TimerContextMenu.h"

#include "engine/CountdownText.h"
#include "engine/RunningTimers.h"
#include "engine/TimerEngine.h"
#include "mainwindow/TimerTableView.h"
#include "model/Globals.h"
#include "model/TimerModel.h"

namespace dunok {

namespace {
// The description between straight double quotes, as it is: a quote in it
// stays unescaped, only an ampersand is doubled so that it is not taken for
// a keyboard accelerator.
QString quoted(const QString& desc) {
    QString shown = desc;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QLatin1Char('"') + shown + QLatin1Char('"');
}
}  // namespace

QString startStopTitle(const QString& desc, bool counting) {
    return (counting ? TimerContextMenu::tr("&Stop timer %1")
                     : TimerContextMenu::tr("&Start timer %1"))
        .arg(quoted(desc));
}

TimerContextMenu::TimerContextMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("timerContextMenu"));
    setAccessibleName(tr("Timer commands"));
    miDuplicate_ = addAction(tr("Duplicate"));
    miDuplicate_->setObjectName(QStringLiteral("miDuplicate"));
    miPause_ = addAction(tr("Pause timer"));
    miPause_->setObjectName(QStringLiteral("miPause"));
    miSnooze_ = addAction(tr("Snooze"));
    miSnooze_->setObjectName(QStringLiteral("miSnooze"));
    for (QAction* item : ownItems()) item->setEnabled(false);
    connect(miDuplicate_, &QAction::triggered, this, [this] { emit duplicateRequested(row_); });
    connect(miPause_, &QAction::triggered, this, [this] { emit pauseRequested(row_); });
    connect(miSnooze_, &QAction::triggered, this, [this] { emit snoozeRequested(row_); });
}

void TimerContextMenu::install(TimerTableView* table, const TimerRowDisplay& rows) {
    table_ = table;
    rows_ = &rows;
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    // A scroll area reports the position in its viewport's coordinates.
    connect(table, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (!table_) return;
        menuWillOpen(table_->rowAt(pos.y()));
        popup(table_->viewport()->mapToGlobal(pos));
    });
}

void TimerContextMenu::setCommands(QAction* startStop, QAction* edit, QAction* remove) {
    for (QAction* item : actions()) removeAction(item);
    addAction(startStop);
    addActions({miPause_, miSnooze_});
    addSeparator();
    addActions({edit, miDuplicate_});
    addSeparator();
    addAction(remove);
}

QList<QAction*> TimerContextMenu::ownItems() const {
    return {miDuplicate_, miPause_, miSnooze_};
}

void TimerContextMenu::menuWillOpen(int clickedRow) {
    if (!table_) return;
    // Both commands work on the selected row, so a right-click makes the
    // clicked row the selection; a click below the rows keeps the selection.
    if (!timersArray.isEmpty() && clickedRow >= 0) table_->selectRowExactly(clickedRow);
    // Nothing stays enabled from an earlier opening for a timer that may no
    // longer be selected.
    for (QAction* item : ownItems()) item->setEnabled(false);
    row_ = table_->selectedRow();
    if (row_ < 0 || row_ >= timersArray.size()) return;
    prepareItems(row_);
}

void TimerContextMenu::prepareItems(int row) {
    const QString name = quoted(timerDesc(timersArray[row]));
    miDuplicate_->setText(tr("Duplicate %1").arg(name));
    miDuplicate_->setEnabled(true);

    // Once it has rung and until it runs again, a snoozing timer offers its
    // snooze here as on its notification.
    const TimerRecord& timer = timersArray[row];
    miSnooze_->setText(timerSnoozeOn(timer) ? snoozeLabel(timerSnooze(timer)) : tr("Snooze"));
    miSnooze_->setEnabled(timerSnoozeOn(timer) && rows_->showsFinish(row) &&
                          haveAlertForID(timerId(timer)) == -1);

    if (alertsArray.isEmpty()) return;
    // The rows the entries know may predate a reorder or a deletion.
    refreshAlertRows();
    const int k = haveAlertForRow(row);
    const bool paused = k != -1 && alertsArray[k].isPaused;
    miPause_->setText((paused ? tr("Resume timer %1") : tr("Pause timer %1")).arg(name));
    // A paused timer is resumed from here too, as the quick help promises.
    miPause_->setEnabled(k != -1);
}

}  // namespace dunok
