// File's "Export Timers…" and "Import Timers…": the user's timers written to a
// timer file to take to another computer, and an export file's timers added
// after the listed ones.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "domain/Timer.h"

class QWidget;

namespace dunok {

class Preferences;
class TimerList;
class TimerStore;

class TimerTransfer : public QObject {
    Q_OBJECT
public:
    // Asks the user for the file to write (save) or read; empty: cancelled.
    using FileChooser = std::function<QString(QWidget* parent, bool save)>;

    // The timers are read from and added to store; the listed ones, from
    // list, keep their names. Dialogs and alerts open over window.
    TimerTransfer(TimerStore& store, const TimerList& list, const Preferences& prefs,
                  QWidget* window, QObject* parent = nullptr);

    // Tests answer the file dialogs.
    void setFileChooser(FileChooser chooser) { choose_ = std::move(chooser); }

    void exportTimers();
    void importTimers();

signals:
    // Said once it is done, for the status line.
    void exported(const QString& summary);
    // The new timers are in the store, the first of them first.
    void imported(TimerId first, const QString& summary);

private:
    TimerStore& store_;
    const TimerList& list_;
    const Preferences& prefs_;
    QWidget* window_;
    FileChooser choose_;
};

// The file dialogs the menu commands open.
QString chooseTimerFile(QWidget* parent, bool save);

}  // namespace dunok
