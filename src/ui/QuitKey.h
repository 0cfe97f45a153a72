// Ctrl+Q quits from every one of Dunok's windows. The menu's shortcut alone
// is dead while a sheet or an alert is up, because they block the main window
// that owns it; a user who presses Ctrl+Q there still means quit.
#pragma once

#include <QKeySequence>
#include <QObject>

namespace dunok {

class QuitKey : public QObject {
    Q_OBJECT
public:
    // Watches the whole application for as long as it lives.
    explicit QuitKey(QObject* parent = nullptr);
    ~QuitKey() override;

    // Ctrl+Q, as on every Linux desktop, also where the platform's own key
    // scheme names none for quitting.
    static QKeySequence sequence() { return QKeySequence(Qt::CTRL | Qt::Key_Q); }

signals:
    void pressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace dunok
