// The content of the main window: the timer table and the status line. It
// wires the subsystems together; what each does lives in its own folder.
#pragma once

#include <QList>
#include <QWidget>

#include "domain/ListLoading.h"
#include "domain/Preferences.h"
#include "ui/TimerActions.h"

class QLabel;

namespace dunok {

class Clock;
class Sheets;
class SharedPlayer;
class ProcessActivity;
class TimerEngine;
class TimerStore;
class TimerRestore;
class TimerContextMenu;
class TimerToolbar;
class TimerTransfer;
class TimerTableModel;
class TimerTableView;
struct StoreError;

class ViewController : public QWidget {
    Q_OBJECT
public:
    // clock drives the countdowns; the system's clock unless a test moves its own.
    // prefs: the program's settings, which the window reads and changes;
    // player: what the alarm and the editor's preview play through.
    ViewController(Preferences& prefs, SharedPlayer& player, TimerStore& store,
                   QWidget* parent = nullptr, const Clock* clock = nullptr);
    ~ViewController() override;

    // Window lifecycle, called by the main window.
    void viewWillAppear();
    void viewDidAppear();
    void viewDidDisappear();

    // Refills the list from the store and redraws every row, keeping the
    // selected row number.
    void reloadTable();
    // Enabling of the toolbar's items and the status line.
    void updateToolbar();

    // The engine's operations, on the timer of the table's selected row.
    void tableViewDoubleClick();
    void miPauseClicked();
    void resetAlerts();
    void silence();

    // The editing sheets over this window.
    void addTimer();
    void editTimer();
    void addMultipleTimers();
    void showPreferences();
    // A sheet closed: where the new timers are.
    void ncReturnedFromEdit();
    void ncReturnedFromAddMultiple();
    Sheets* sheets() const { return sheets_; }
    // File's export and import of the timers.
    TimerTransfer* transfer() const { return transfer_; }

    // Duplicate the selected timer; delete the selected timers after asking.
    void menuDuplicateTimerPressed();
    void deleteTimers();
    // Steps to the next order: custom, time, name.
    void sortTimers();

    // The window's commands, which this controller answers and enables; the
    // menu bar and the toolbar show them, and the list's right-click menu.
    TimerActions* actions() const { return actions_; }
    // The window's toolbar, which shows the commands.
    void setToolbar(TimerToolbar* toolbar) { toolbar_ = toolbar; }
    TimerToolbar* toolbar() const { return toolbar_; }

    TimerEngine* engine() const { return engine_; }
    // The timers of the list, in the order of its rows.
    const TimerList& timers() const { return timers_; }
    TimerList& timers() { return timers_; }
    // The timers the command line started without storing them.
    OneOffTimers& oneOffTimers() { return oneOffs_; }
    // Timers kept from the last run go on; once, when the desktop can be told
    // of a finish. And at quit, the last word on what runs: false when the
    // store refused it, and why in *error.
    void restoreTimers();
    bool quitting(StoreError* error = nullptr);
    // Once the window is up: what was wrong with the preferences file, if
    // anything; the settings that could not be read are then written back
    // with their defaults, so that the next start is quiet.
    void tellPreferenceTrouble();
    // A word in the status line after the count, until a timer starts.
    void showNote(const QString& note);
    TimerTableView* myTable() const { return myTable_; }
    TimerTableModel* tableModel() const { return model_; }
    QLabel* lblCount() const { return lblCount_; }

private:
    // The id of the selected row's timer; empty with no row selected.
    QString selectedTimerId() const;
    void viewDidLoad();
    void selectLastRow();
    void importDone(TimerId first, const QString& summary);
    void connectCommands();
    CommandState commandState() const;
    void duplicateRow(int row);
    int rowHeight() const;

    Preferences& prefs_;
    SharedPlayer& player_;
    TimerStore& store_;
    // Declared before everything that reads it.
    TimerList timers_;
    // Shown after the count until a timer starts: why a routine could not go
    // on, what an export or import did.
    QString note_;
    OneOffTimers oneOffs_;
    PreferenceTrouble prefsTrouble_;
    TimerTableView* myTable_ = nullptr;
    TimerTableModel* model_ = nullptr;
    QLabel* lblCount_ = nullptr;
    ProcessActivity* activity_ = nullptr;
    TimerEngine* engine_ = nullptr;
    TimerRestore* restore_ = nullptr;
    Sheets* sheets_ = nullptr;
    TimerTransfer* transfer_ = nullptr;
    TimerToolbar* toolbar_ = nullptr;
    TimerContextMenu* contextMenu_ = nullptr;
    TimerActions* actions_ = nullptr;
    // The table's selection while the window is not shown (-1: none).
    int savedSelectedRow_ = -1;
};

}  // namespace dunok
