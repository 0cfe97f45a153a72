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

namespace {
// Where each id was last found. Every tick and every redrawn row looks its
// timer up, so with many timers running a scan per lookup would cost a pass
// over the whole table each time; a hint is checked before it is trusted, so
// it can never point at the wrong entry, only miss.
QHash<QString, int>& idHints() {
    static QHash<QString, int> hints;
    return hints;
}
}  // namespace

int haveAlertForID(const QString& id) {
    QHash<QString, int>& hints = idHints();
    if (const auto it = hints.constFind(id); it != hints.constEnd()) {
        const int i = *it;
        if (i < alertsArray.size() && alertsArray[i].id == id) return i;
    }
    for (int i = 0; i < alertsArray.size(); ++i) {
        if (alertsArray[i].id != id) continue;
        // Ids of timers long stopped are dropped now and then.
        if (hints.size() > 4 * alertsArray.size() + 64) hints.clear();
        hints.insert(id, i);
        return i;
    }
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
