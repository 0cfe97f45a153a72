#include "ui/ViewController.h"

#include <QAction>
#include <QCursor>
#include <QDebug>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "desktop/Alarm.h"
#include "desktop/ProcessActivity.h"
#include "domain/Constants.h"
#include "domain/ListLoading.h"
#include "domain/ListOrder.h"
#include "domain/Preferences.h"
#include "domain/RunningTimers.h"
#include "domain/TimerEdits.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "domain/TimerRestore.h"
#include "domain/WallClock.h"
#include "storage/Store.h"
#include "ui/DeleteConfirmation.h"
#include "ui/MessageBox.h"
#include "ui/PreferenceTroubleAlert.h"
#include "ui/QuickHelp.h"
#include "ui/Sheets.h"
#include "ui/StatusLine.h"
#include "ui/SupMisc.h"
#include "ui/TimerContextMenu.h"
#include "ui/TimerTableModel.h"
#include "ui/TimerTableView.h"
#include "ui/TimerToolbar.h"
#include "ui/TimerTransfer.h"

namespace dunok {

namespace {
constexpr int largeRowHeight = 38;
constexpr int smallRowHeight = 32;
}  // namespace

ViewController::ViewController(Preferences& prefs, SharedPlayer& player, TimerStore& store,
                               QWidget* parent, const Clock* clock)
    : QWidget(parent),
      prefs_(prefs),
      player_(player),
      store_(store),
      oneOffs_([this](const QString& id) {
          const Alert* alert = engine_->alertsArray().find(id);
          return alert && alert->value > 0;
      }) {
    setObjectName(QStringLiteral("ViewController"));
    myTable_ = new TimerTableView(this);
    model_ = new TimerTableModel(prefs_, timers_, this);
    model_->setStore(&store_);
    myTable_->setModel(model_);

    lblCount_ = new QLabel(this);
    lblCount_->setObjectName(QStringLiteral("lblCount"));
    // A long note takes a second line rather than widening the window.
    lblCount_->setWordWrap(true);
    // No accessible name of its own: a screen reader then reads the count
    // itself, which a fixed name would hide.

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(6);
    layout->addWidget(myTable_, 1);
    auto* status = new QHBoxLayout;
    status->setContentsMargins(10, 0, 10, 0);
    status->addWidget(lblCount_, 1);
    status->addWidget(new QuickHelp(this));
    layout->addLayout(status);

    actions_ = new TimerActions(this);
    activity_ = new ProcessActivity(this);
    engine_ =
        new TimerEngine(timers_, *model_, prefs_, player, clock ? *clock : systemClock(), this);
    model_->setRunning(&engine_->alertsArray());
    engine_->setCursorSource([] { return QPointF(QCursor::pos()); });
    connect(engine_, &TimerEngine::toolbarNeedsUpdate, this, &ViewController::updateToolbar);
    connect(engine_, &TimerEngine::closeWindowRequested, this, [this] { window()->close(); });
    // Said once, in the status line, until a timer starts.
    connect(engine_, &TimerEngine::routineHalted, this, [this](const QString& why) {
        qWarning().noquote() << why;
        showNote(why);
    });
    connect(engine_, &TimerEngine::timerStarted, this, [this] { note_.clear(); });
    // Every start, pause, resume, stop and finish refreshes the toolbar.
    restore_ = new TimerRestore(timers_, *engine_, store_, systemWallClock(), this);
    connect(engine_, &TimerEngine::toolbarNeedsUpdate, restore_, [this] { restore_->keep(); });
    viewDidLoad();
}

ViewController::~ViewController() {
    // What reads the list goes while the list is still there.
    delete restore_;
    delete engine_;
    model_->setRunning(nullptr);
}

void ViewController::restoreTimers() {
    restore_->restore();
}

bool ViewController::quitting(StoreError* error) {
    return restore_->quit(error);
}

void ViewController::tellPreferenceTrouble() {
    if (!prefsTrouble_.any()) return;
    const PreferenceTrouble trouble = std::exchange(prefsTrouble_, {});
    MessageBox::beginSheetModal(preferenceTroubleAlert(trouble), window(),
                                [this, trouble](int) { prefs_.writeBackDefaults(trouble); });
}

void ViewController::viewDidLoad() {
    prefsTrouble_ = prefs_.load();
    // Held for the whole run: a timer must ring on time, so the session is
    // asked not to idle into sleep while Dunok runs.
    activity_->begin(QStringLiteral("Dunok"), tr("Good Reason"));

    connect(myTable_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateToolbar(); });
    connect(myTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { updateToolbar(); });
    connect(myTable_, &QAbstractItemView::doubleClicked, this,
            &ViewController::tableViewDoubleClick);

    transfer_ = new TimerTransfer(store_, timers_, prefs_, this, this);
    connectCommands();
    contextMenu_ = new TimerContextMenu(myTable_, actions_);
    contextMenu_->install(myTable_);
    connect(contextMenu_, &TimerContextMenu::addTimeRequested, this,
            [this](int row, qint64 seconds) {
                if (timers_.hasRow(row)) engine_->addTime(timerId(timers_.at(row)), seconds);
            });
    connect(contextMenu_, &TimerContextMenu::snoozeRequested, this, [this](int row) {
        if (timers_.hasRow(row)) engine_->snooze(timerId(timers_.at(row)));
    });
    // The model has reloaded and the view selected the moved rows already.
    connect(model_, &TimerTableModel::rowsReordered, this, &ViewController::updateToolbar);
    // Told once the drag is over: an alert inside the drop would run its own
    // loop while the drag still holds the mouse.
    connect(model_, &TimerTableModel::orderRefused, this, [this](const StoreError& error) {
        QTimer::singleShot(0, this, [this, error] {
            msgUser(tr("Could not keep the new order."),
                    storeTroubleText(error, tr("The timers are in their old order again.")),
                    window());
        });
    });

    sheets_ = new Sheets(prefs_, player_, store_, timers_, this);
    connect(sheets_, &Sheets::timersChanged, this, &ViewController::reloadTable);
    connect(sheets_, &Sheets::editSaved, engine_, &TimerEngine::stopEditedTimer);
    connect(sheets_, &Sheets::startRequested, engine_,
            [this](const QString& id) { engine_->startTimers({id}); });
    connect(sheets_, &Sheets::timersAdded, this, [this](const QStringList& ids, bool start) {
        reloadTable();
        if (start) engine_->startTimers(ids);
        ncReturnedFromAddMultiple();
    });
    connect(sheets_, &Sheets::editorClosedAfterSave, this, &ViewController::ncReturnedFromEdit);
    connect(sheets_, &Sheets::preferencesChanged, this, &ViewController::reloadTable);
    connect(sheets_, &Sheets::preferencesChanged, restore_, [this] { restore_->keep(); });
    // The status line reads right before the list is first filled.
    updateToolbar();
}

void ViewController::duplicateRow(int row) {
    // The copy goes where a new timer goes, and is selected like one.
    if (!timers_.hasRow(row)) return;
    StoreError error;
    if (!duplicateTimer(store_, timers_, row, &error)) {
        msgUser(tr("Could not duplicate the timer."),
                storeTroubleText(error, tr("Nothing was added to the list.")), window());
        return;
    }
    reloadTable();
    ncReturnedFromEdit();
}

void ViewController::sortTimers() {
    cycleSortOrder(prefs_);
    updateToolbar();
    reloadTable();
}

void ViewController::menuDuplicateTimerPressed() {
    duplicateRow(myTable_->selectedRow());
}

void ViewController::deleteTimers() {
    const QList<int> rows = myTable_->selectedRows();
    if (rows.isEmpty()) return;
    QStringList names;
    for (int row : rows)
        if (timers_.hasRow(row)) names << timers_.at(row).desc;
    confirmDeleteTimers(window(), names, [this, rows] {
        StoreError error;
        const int deleted = deleteTimerRows(
            store_, timers_, rows, [this](int row) { model_->removeRowAt(row); }, &error);
        engine_->forgetUnlisted();
        updateToolbar();
        if (deleted < rows.size())
            msgUser(tr("Could not delete every timer."),
                    storeTroubleText(error, tr("The timers that are still in the list are still "
                                               "stored.")),
                    window());
    });
}

void ViewController::addTimer() {
    sheets_->addTimer(window());
}

void ViewController::editTimer() {
    const int row = myTable_->selectedRow();
    if (!timers_.hasRow(row)) return;
    // The timer runs on while it is edited, so that Close leaves it as it
    // was; Save stops it.
    sheets_->editTimer(window(), timers_.at(row));
}

void ViewController::addMultipleTimers() {
    sheets_->addMultipleTimers(window());
}

void ViewController::showPreferences() {
    sheets_->showPreferences(window());
}

void ViewController::showNote(const QString& note) {
    note_ = note;
    updateToolbar();
}

void ViewController::importDone(TimerId first, const QString& summary) {
    reloadTable();
    // The first new timer is shown selected, wherever the order put it.
    if (const int row = timers_.rowOf(first); row != -1) {
        myTable_->clearSelection();
        myTable_->selectRowExactly(row);
        myTable_->scrollTo(model_->index(row, 0));
    }
    showNote(summary);
}

void ViewController::selectLastRow() {
    if (timers_.isEmpty()) return;
    const int last = timers_.size() - 1;
    myTable_->clearSelection();
    myTable_->selectRowExactly(last);
    myTable_->scrollTo(model_->index(last, 0));
}

void ViewController::ncReturnedFromEdit() {
    // In a sorted list the new timer is where the order puts it.
    if (prefs_.settings().sort == sortNone) selectLastRow();
}

void ViewController::ncReturnedFromAddMultiple() {
    selectLastRow();
}

QString ViewController::selectedTimerId() const {
    const int row = myTable_->selectedRow();
    return timers_.hasRow(row) ? timerId(timers_.at(row)) : QString();
}

void ViewController::tableViewDoubleClick() {
    engine_->toggle(selectedTimerId());
}

void ViewController::miPauseClicked() {
    engine_->pauseOrResume(selectedTimerId());
}

void ViewController::resetAlerts() {
    engine_->stopAll();
}

void ViewController::silence() {
    engine_->silence();
}

void ViewController::viewWillAppear() {
    updateToolbar();
}

void ViewController::viewDidAppear() {
    if (window()) window()->setWindowTitle(QStringLiteral("Dunok"));
    reloadTable();
    if (needsDefaultTimers(timers_, prefs_.settings().newDatabase)) {
        markDefaultTimersCreated(prefs_);
        createDefaultEntries(store_, prefs_.defSound());
        reloadTable();
    }
    if (savedSelectedRow_ != -1) myTable_->selectRowExactly(savedSelectedRow_);
}

void ViewController::viewDidDisappear() {
    savedSelectedRow_ = myTable_->selectedRow();
}

int ViewController::rowHeight() const {
    return prefs_.settings().largeRows ? largeRowHeight : smallRowHeight;
}

void ViewController::reloadTable() {
    const int selected = myTable_->selectedRow();
    populateArray(timers_, store_, prefs_.settings().sort, &oneOffs_);
    myTable_->setRowHeight(rowHeight());
    model_->reloadData();
    engine_->listRedrawn();
    if (selected != -1) myTable_->selectRowExactly(selected);
    updateToolbar();
}

void ViewController::connectCommands() {
    const auto answer = [this](Command command, void (ViewController::*slot)()) {
        connect(actions_->action(command), &QAction::triggered, this, slot);
    };
    answer(Command::NewTimer, &ViewController::addTimer);
    answer(Command::AddMultiple, &ViewController::addMultipleTimers);
    answer(Command::EditTimer, &ViewController::editTimer);
    answer(Command::Preferences, &ViewController::showPreferences);
    connect(actions_->action(Command::ExportTimers), &QAction::triggered, transfer_,
            &TimerTransfer::exportTimers);
    connect(actions_->action(Command::ImportTimers), &QAction::triggered, transfer_,
            &TimerTransfer::importTimers);
    connect(transfer_, &TimerTransfer::exported, this, &ViewController::showNote);
    connect(transfer_, &TimerTransfer::imported, this, &ViewController::importDone);
    answer(Command::StartStop, &ViewController::tableViewDoubleClick);
    answer(Command::PauseResume, &ViewController::miPauseClicked);
    answer(Command::Duplicate, &ViewController::menuDuplicateTimerPressed);
    answer(Command::Delete, &ViewController::deleteTimers);
    answer(Command::Reset, &ViewController::resetAlerts);
    answer(Command::Silence, &ViewController::silence);
    answer(Command::Sort, &ViewController::sortTimers);
    // Return and Space are the list's keys: a focused button or the help
    // label keeps them for itself.
    myTable_->addActions(
        {actions_->action(Command::StartStop), actions_->action(Command::PauseResume)});
    actions_->setStateSource([this] { return commandState(); });
}

CommandState ViewController::commandState() const {
    CommandState state = listState(timers_, *engine_, myTable_->selectedRow());
    state.alarmRinging = engine_->isRinging() || player_.isPlaying();
    state.sortLabel = sortString(prefs_.settings().sort);
    return state;
}

void ViewController::updateToolbar() {
    actions_->refresh();
    const QString count =
        statusLineText(engine_->alertsArray().getNumAlerts(), engine_->alertsArray().pausedCount());
    lblCount_->setText(note_.isEmpty() ? count : count + QStringLiteral("  —  ") + note_);
}

}  // namespace dunok
