#include "model/TimerEdits.h"

#include <QCoreApplication>
#include <QSet>

#include "engine/Badge.h"
#include "engine/RunningTimers.h"
#include "model/Store.h"
#include "model/TimerModel.h"
#include "platform/MessageBox.h"

namespace dunok {

namespace {
// Takes the timer's entry out of the running-timer table, for good.
void stopRunningTimer(const QString& id) {
    const int k = haveAlertForID(id);
    if (k == -1) return;
    if (alertsArray[k].theTimer) alertsArray[k].theTimer->invalidate();
    alertsArray.removeAt(k);
}

// The entries below a removed row move up with their rows, so that a tick
// redraws the row its timer is on.
void rowRemoved(int row) {
    for (Alert& alert : alertsArray)
        if (alert.row > row) --alert.row;
}
}  // namespace

TimerRecord duplicateTimer(int row) {
    if (timersArray.isEmpty() || row < 0 || row >= timersArray.size()) return nullptr;
    const TimerRecord source = timersArray[row];
    ManagedObjectContext& context = viewContext();
    TimerRecord copy =
        insertTimer(context, timerDesc(source), timerDuration(source), timerSound(source));
    if (!copy) return nullptr;
    StoreError error;
    if (!context.save(&error)) {
        logStoreError(QStringLiteral("Could not duplicate. "), error);
        // Left pending, the copy would reach the store with the next save
        // without ever having been shown.
        context.deleteObject(copy);
        return nullptr;
    }
    return copy;
}

AlertSpec deleteConfirmation(int count) {
    const bool one = count == 1;
    AlertSpec spec;
    spec.icon = QMessageBox::Warning;
    spec.windowTitle = QCoreApplication::translate("TimerEdits", "Confirm");
    spec.message = one ? QCoreApplication::translate("TimerEdits", "Delete the timer")
                       : QCoreApplication::translate("TimerEdits", "Delete the selected timers");
    spec.informativeText =
        QCoreApplication::translate("TimerEdits", "Are you sure you want to delete the %1?")
            .arg(one ? QCoreApplication::translate("TimerEdits", "timer")
                     : QCoreApplication::translate("TimerEdits", "selected timers"));
    spec.buttons = {QCoreApplication::translate("TimerEdits", "Delete"),
                    QCoreApplication::translate("TimerEdits", "Cancel")};
    return spec;
}

void confirmDeleteTimers(QWidget* window, int count, std::function<void()> confirmed) {
    if (timersArray.isEmpty() || count <= 0) return;
    MessageBox::beginSheetModal(deleteConfirmation(count), window,
                                [confirmed = std::move(confirmed)](int button) {
                                    if (button == 0 && confirmed) confirmed();
                                });
}

int deleteTimerRows(const QList<int>& rows, const DeletedRows& display) {
    const QSet<int> chosen(rows.begin(), rows.end());
    ManagedObjectContext& context = viewContext();
    refreshAlertRows();
    int deleted = 0;
    for (int i = int(timersArray.size()) - 1; i >= 0; --i) {
        if (!chosen.contains(i)) continue;
        const TimerRecord timer = timersArray[i];
        const QString id = timerId(timer);
        context.deleteObject(timer);
        StoreError error;
        if (!context.save(&error)) {
            // The deletion stays pending otherwise, and the next save of
            // anything would take the record out of the store behind the
            // list's back.
            context.rollback();
            continue;
        }
        stopRunningTimer(id);
        timersArray.removeAt(i);
        rowRemoved(i);
        ++deleted;
        if (display.removed) display.removed(i);
        updateBadge();
    }
    return deleted;
}

}  // namespace dunok
