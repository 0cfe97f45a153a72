#include "engine/RunningTimers.h"

#include <QHash>

#include "model/Globals.h"
#include "model/TimerModel.h"

namespace dunok {

int getNumAlerts() {
    return int(alertsArray.size());
}

int pausedCount() {
    int n = 0;
    for (const Alert& alert : std::as_const(alertsArray))
        if (alert.isPaused) ++n;
    return n;
}

int haveAlertForRow(qint64 thisRow) {
    for (int i = 0; i < alertsArray.size(); ++i)
        if (alertsArray[i].row == thisRow) return i;
    return -1;
}

int haveAlertForID(const QString& id, int hint) {
    if (hint >= 0 && hint < alertsArray.size() && alertsArray[hint].id == id) return hint;
    for (int i = 0; i < alertsArray.size(); ++i)
        if (alertsArray[i].id == id) return i;
    return -1;
}

void removeAlert(int k) {
    if (alertsArray[k].theTimer) alertsArray[k].theTimer->invalidate();
    alertsArray.removeAt(k);
}

void refreshAlertRows() {
    if (alertsArray.isEmpty()) return;
    QHash<QString, qint64> rowOf;
    rowOf.reserve(timersArray.size());
    for (qint64 r = 0; r < timersArray.size(); ++r) rowOf.insert(timerId(timersArray[r]), r);
    for (Alert& alert : alertsArray) {
        auto it = rowOf.constFind(alert.id);
        if (it != rowOf.constEnd()) alert.row = *it;
    }
}

}  // namespace dunok
