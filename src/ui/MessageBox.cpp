#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "desktop/NamedImage.h"

namespace dunok {

ScriptedAlerts* ScriptedAlerts::find() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app ? app->findChild<ScriptedAlerts*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

ScriptedAlerts& ScriptedAlerts::get() {
    if (ScriptedAlerts* alerts = find()) return *alerts;
    return *new ScriptedAlerts(QCoreApplication::instance());
}

namespace {
// The scripted answer for an alert just asked for, if a test gave one.
std::optional<int> scriptedAnswer(const AlertSpec& spec) {
    ScriptedAlerts* alerts = ScriptedAlerts::find();
    if (!alerts) return std::nullopt;
    alerts->shown.append(spec);
    if (alerts->nextAnswers.isEmpty()) return std::nullopt;
    return alerts->nextAnswers.takeFirst();
}

// Sets the box up from an AlertSpec; returns its buttons in the order given.
QList<QPushButton*> setUp(QMessageBox& box, const AlertSpec& spec) {
    box.setIcon(spec.icon);
    if (!spec.iconImage.isEmpty()) box.setIconPixmap(namedImage(spec.iconImage).pixmap(64, 64));
    box.setWindowTitle(spec.windowTitle);
    box.setText(spec.message);
    box.setInformativeText(spec.informativeText);
    box.setDetailedText(spec.detailedText);
    // A path, an address or an error is for the user to copy elsewhere.
    for (auto* label : box.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (label->objectName().startsWith(QLatin1String("qt_msgbox_")))
            label->setTextInteractionFlags(label->textInteractionFlags() |
                                           Qt::TextSelectableByMouse);
    QList<QPushButton*> buttons;
    for (const QString& title : spec.buttons)
        buttons.append(box.addButton(
            title, buttons.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
    if (buttons.isEmpty()) buttons.append(box.addButton(QMessageBox::Ok));
    box.setDefaultButton(buttons.first());
    box.setEscapeButton(buttons.last());
    return buttons;
}

// A box closed without a button (its window closed) counts as the last one.
int chosenIndex(const QMessageBox& box, const QList<QPushButton*>& buttons) {
    const int chosen = int(buttons.indexOf(static_cast<QPushButton*>(box.clickedButton())));
    return chosen < 0 ? int(buttons.size()) - 1 : chosen;
}
}  // namespace

int MessageBox::runModal(const AlertSpec& spec, QWidget* parent) {
    if (const std::optional<int> answer = scriptedAnswer(spec)) return *answer;
    QMessageBox box(parent);
    const QList<QPushButton*> buttons = setUp(box, spec);
    box.exec();
    return chosenIndex(box, buttons);
}

void MessageBox::beginSheetModal(const AlertSpec& spec, QWidget* parent,
                                 std::function<void(int)> finished) {
    QObject* context = parent ? static_cast<QObject*>(parent) : QCoreApplication::instance();
    if (const std::optional<int> scripted = scriptedAnswer(spec)) {
        const int answer = *scripted;
        // As from a real sheet, the answer comes after the caller has returned.
        QTimer::singleShot(0, context, [answer, finished = std::move(finished)] {
            if (finished) finished(answer);
        });
        return;
    }
    auto* box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    const QList<QPushButton*> buttons = setUp(*box, spec);
    QObject::connect(box, &QMessageBox::finished, box,
                     [box, buttons, finished = std::move(finished)] {
                         if (finished) finished(chosenIndex(*box, buttons));
                     });
    box->open();
}

void MessageBox::setNextAnswer(int buttonIndex) {
    ScriptedAlerts::get().nextAnswers.append(buttonIndex);
}

QList<AlertSpec> MessageBox::shownAlerts() {
    return ScriptedAlerts::get().shown;
}

std::optional<AlertSpec> MessageBox::lastAlert() {
    const QList<AlertSpec>& shown = ScriptedAlerts::get().shown;
    if (shown.isEmpty()) return std::nullopt;
    return shown.last();
}

void MessageBox::clearLastAlert() {
    ScriptedAlerts& alerts = ScriptedAlerts::get();
    alerts.shown.clear();
    alerts.nextAnswers.clear();
}

}  // namespace dunok
