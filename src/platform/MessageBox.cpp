#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QPushButton>

#include "platform/ResourceFolder.h"

namespace dunok {

namespace {
QList<int> nextAnswers;
QList<AlertSpec> shown;
}  // namespace

int MessageBox::runModal(const AlertSpec& spec, QWidget* parent) {
    shown.append(spec);
    if (!nextAnswers.isEmpty()) return nextAnswers.takeFirst();
    QMessageBox box(parent);
    box.setIcon(spec.icon);
    if (!spec.iconImage.isEmpty()) box.setIconPixmap(namedImage(spec.iconImage).pixmap(64, 64));
    box.setWindowTitle(spec.windowTitle);
    box.setText(spec.message);
    box.setInformativeText(spec.informativeText);
    QList<QPushButton*> buttons;
    for (const QString& title : spec.buttons)
        buttons.append(box.addButton(
            title, buttons.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
    if (buttons.isEmpty()) buttons.append(box.addButton(QMessageBox::Ok));
    box.setDefaultButton(buttons.first());
    box.setEscapeButton(buttons.last());
    box.exec();
    const int chosen = int(buttons.indexOf(static_cast<QPushButton*>(box.clickedButton())));
    return chosen < 0 ? int(buttons.size()) - 1 : chosen;
}

void MessageBox::setNextAnswer(int buttonIndex) {
    nextAnswers.append(buttonIndex);
}

QList<AlertSpec> MessageBox::shownAlerts() {
    return shown;
}

std::optional<AlertSpec> MessageBox::lastAlert() {
    if (shown.isEmpty()) return std::nullopt;
    return shown.last();
}

void MessageBox::clearLastAlert() {
    shown.clear();
    nextAnswers.clear();
}

}  // namespace dunok
