#include "ui/DeleteConfirmation.h"

#include <QCoreApplication>

#include "domain/Constants.h"
#include "ui/MessageBox.h"

namespace dunok {

namespace {
// Free functions have no tr() of their own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DeleteConfirmation)
};
}  // namespace

AlertSpec deleteConfirmation(const QStringList& names) {
    const int count = int(names.size());
    AlertSpec spec;
    spec.icon = QMessageBox::Warning;
    // The desktop adds the program's name to any other title, and a box this
    // narrow then shows neither in full.
    spec.windowTitle = Constants::appName;
    spec.message = count == 1 ? Texts::tr("Delete “%1”?").arg(names.first())
                              : Texts::tr("Delete %n timers?", nullptr, count);
    spec.informativeText = Texts::tr("This cannot be undone.");
    spec.buttons = {Texts::tr("Delete"), Texts::tr("Cancel")};
    return spec;
}

void confirmDeleteTimers(QWidget* window, const QStringList& names,
                         std::function<void()> confirmed) {
    if (names.isEmpty()) return;
    MessageBox::beginSheetModal(deleteConfirmation(names), window,
                                [confirmed = std::move(confirmed)](int button) {
                                    if (button == 0 && confirmed) confirmed();
                                });
}

}  // namespace dunok
