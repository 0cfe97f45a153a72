#include "mainwindow/DeleteConfirmation.h"

#include <QCoreApplication>

#include "model/Globals.h"
#include "platform/MessageBox.h"

namespace dunok {

AlertSpec deleteConfirmation(int count) {
    const bool one = count == 1;
    AlertSpec spec;
    spec.icon = QMessageBox::Warning;
    spec.windowTitle = QCoreApplication::translate("DeleteConfirmation", "Confirm");
    spec.message =
        one ? QCoreApplication::translate("DeleteConfirmation", "Delete the timer")
            : QCoreApplication::translate("DeleteConfirmation", "Delete the selected timers");
    spec.informativeText =
        QCoreApplication::translate("DeleteConfirmation", "Are you sure you want to delete the %1?")
            .arg(one ? QCoreApplication::translate("DeleteConfirmation", "timer")
                     : QCoreApplication::translate("DeleteConfirmation", "selected timers"));
    spec.buttons = {QCoreApplication::translate("DeleteConfirmation", "Delete"),
                    QCoreApplication::translate("DeleteConfirmation", "Cancel")};
    return spec;
}

void confirmDeleteTimers(QWidget* window, int count, std::function<void()> confirmed) {
    if (timersArray.isEmpty() || count <= 0) return;
    MessageBox::beginSheetModal(deleteConfirmation(count), window,
                                [confirmed = std::move(confirmed)](int button) {
                                    if (button == 0 && confirmed) confirmed();
                                });
}

}  // namespace dunok
