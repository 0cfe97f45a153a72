// Modal alerts with buttons in a given order, answerable by tests.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <optional>

namespace dunok {

struct AlertSpec {
    QMessageBox::Icon icon = QMessageBox::Warning;
    QString windowTitle;
    QString message;
    QString informativeText;
    QStringList buttons;  // in order; the first is the default button
    QString iconImage;    // a compiled-in image shown instead of the icon, or empty
};

class MessageBox {
public:
    // Shows the alert modally and returns the index of the chosen button
    // (0 for the first). Escape chooses the last button.
    static int runModal(const AlertSpec& spec, QWidget* parent = nullptr);

    // Tests: the next alert is not shown but answered with this button index
    // (answers queue up, one per alert).
    static void setNextAnswer(int buttonIndex);
    // Tests: the alerts asked for since the last clear, oldest first.
    static QList<AlertSpec> shownAlerts();
    static std::optional<AlertSpec> lastAlert();
    static void clearLastAlert();
};

}  // namespace dunok
