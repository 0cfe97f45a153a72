#include "mainwindow/TimerCell.h"

#include "engine/CountdownText.h"
#include "engine/RunningTimers.h"
#include "model/Globals.h"
#include "model/TimerModel.h"

namespace dunok {

RowContents buildRowCells(int row, bool countdownDigits, int alertHint) {
    RowContents cells;
    if (row < 0 || row >= timersArray.size()) return cells;
    const Timer& timer = timersArray[row];
    // One lookup for both cells: a redrawn row is on every tick's path.
    const int k = haveAlertForID(timerId(timer), alertHint);
    if (k != -1) alertsArray[k].row = row;
    cells.alertIndex = k;

    CellContents& description = cells.description;
    description.identifier = CellIdentifiers::cellDescription;
    description.image = k != -1 ? QStringLiteral("timerfull22") : QStringLiteral("timer22");
    description.text = timer.desc;
    description.fontSize = tSize;

    CellContents& duration = cells.duration;
    duration.identifier = CellIdentifiers::cellDuration;
    duration.fontSize = tSize;
    if (k == -1 || alertsArray[k].isPaused) {
        duration.text = toDHMS(timer.duration);
    } else if (const Alert& alert = alertsArray[k]; alert.value <= 0) {
        duration.text = finishedText(currentTimeStr());
        cells.showsFinish = true;
    } else {
        duration.image = QStringLiteral("timerfull22");
        duration.fontSize = cSize;
        duration.text = countdownDigits ? toDHMS2(alert.value, true) : toDHMS(alert.value);
    }
    return cells;
}

}  // namespace dunok
