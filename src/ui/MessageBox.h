// Modal alerts with buttons in a given order, answerable by tests.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace dunok {

struct AlertSpec {
    QMessageBox::Icon icon = QMessageBox::Warning;
    QString windowTitle;
    QString message;
    QString informativeText;
    QStringList buttons;  // in order; the first is the default button
    QString iconImage;    // a compiled-in image shown instead of the icon, or empty
    // Technical detail behind the box's "Show Details..." button, or empty.
    QString detailedText = {};
};

class MessageBox {
public:
    // Shows the alert modally and returns the index of the chosen button
    // (0 for the first). Escape chooses the last button.
    static int runModal(const AlertSpec& spec, QWidget* parent = nullptr);
    // Shows the alert as a sheet: modal to parent's window only, so the
    // window behind it goes on updating. Returns at once; finished gets the
    // chosen button index later, from the event loop (also when a test
    // answered it), unless parent is gone by then.
    static void beginSheetModal(const AlertSpec& spec, QWidget* parent,
                                std::function<void(int)> finished);

    // Tests: the next alert is not shown but answered with this button index
    // (answers queue up, one per alert).
    static void setNextAnswer(int buttonIndex);
    // Tests: the alerts asked for since the last clear, oldest first.
    static QList<AlertSpec> shownAlerts();
    static std::optional<AlertSpec> lastAlert();
    static void clearLastAlert();
};

// What a test has asked of the alerts: the answers still to give and the
// alerts asked for. The application owns it as its child, made by the first
// of the test calls above; a program that never makes one shows every alert
// and keeps no record of them.
class ScriptedAlerts : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The application's, if a test made one.
    static ScriptedAlerts* find();
    // The application's, made now if need be.
    static ScriptedAlerts& get();

    QList<int> nextAnswers;
    QList<AlertSpec> shown;
};

}  // namespace dunok
