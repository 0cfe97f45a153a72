#include "mainwindow/TimerCell.h"

#include "engine/CountdownText.h"
#include "engine/RunningTimers.h"
#include "model/Globals.h"
#include "model/TimerModel.h"

namespace dunok {

CellContents buildCell(int row, int column) {
    CellContents cell;
    if (row < 0 || row >= timersArray.size()) return cell;
    const TimerRecord& timer = timersArray[row];
    const int k = haveAlertForID(timerId(timer));
    if (k != -1) alertsArray[k].row = row;

    if (column == 0) {
        cell.identifier = CellIdentifiers::cellDescription;
        cell.image = k != -1 ? QStringLiteral("timerfull22") : QStringLiteral("timer22");
        cell.text = timerDesc(timer);
        cell.fontSize = tSize;
    } else if (column == 1) {
        cell.identifier = CellIdentifiers::cellDuration;
        cell.text = toDHMS(timerDuration(timer));
        cell.fontSize = tSize;
        if (k != -1 && !alertsArray[k].isPaused) {
            const Alert& alert = alertsArray[k];
            if (alert.value <= 0) {
                cell.text = finishedText(currentTimeStr());
            } else {
                cell.image = QStringLiteral("timerfull22");
                cell.fontSize = cSize;
                cell.text = prefsCountdownDigits ? toDHMS2(alert.value, true) : toDHMS(alert.value);
            }
        }
    }
    return cell;
}

}  // namespace dunok
