#include "ui/TimerCell.h"

#include "domain/Constants.h"
#include "domain/CountdownText.h"
#include "domain/RunningTimers.h"
#include "domain/TimerList.h"
#include "domain/TimerLookup.h"
#include "domain/TimerModel.h"

namespace dunok {

RowContents buildRowCells(const Timer& timer, const RunningTimers* running, bool countdownDigits,
                          int alertHint) {
    RowContents cells;
    // One lookup for both cells: a redrawn row is on every tick's path.
    const int k = running ? running->haveAlertForID(timerId(timer), alertHint) : -1;
    const Alert* alert = k == -1 ? nullptr : &running->at(k);
    cells.alertIndex = k;

    CellContents& description = cells.description;
    description.identifier = CellIdentifiers::cellDescription;
    description.image = alert ? QStringLiteral("timerfull22") : QStringLiteral("timer22");
    description.text = timer.desc;
    if (const QString round = alert ? roundText(alert->round, alert->rounds) : QString();
        !round.isEmpty())
        description.text += QStringLiteral("  ·  ") + round;
    description.fontSize = tSize;

    CellContents& duration = cells.duration;
    duration.identifier = CellIdentifiers::cellDuration;
    duration.fontSize = tSize;
    if (!alert || alert->isPaused) {
        duration.text = toDHMS(timer.duration);
    } else if (alert->value <= 0) {
        duration.text = finishedText(currentTimeStr());
    } else {
        duration.image = QStringLiteral("timerfull22");
        duration.fontSize = cSize;
        duration.text = countdownDigits ? toDHMS2(alert->value, true) : toDHMS(alert->value);
    }
    return cells;
}

}  // namespace dunok
