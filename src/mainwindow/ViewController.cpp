#include "mainwindow/ViewController.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QVBoxLayout>

#include "engine/RunningTimers.h"
#include "engine/TimerEngine.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "model/Globals.h"
#include "model/Preferences.h"
#include "model/TimerList.h"
#include "platform/ProcessActivity.h"

namespace dunok {

namespace {
constexpr int largeRowHeight = 38;
constexpr int smallRowHeight = 32;
}  // namespace

ViewController::ViewController(PreferenceStore& prefs, QWidget* parent, Clock* clock)
    : QWidget(parent), prefs_(prefs) {
    setObjectName(QStringLiteral("ViewController"));
    myTable_ = new TimerTableView(this);
    model_ = new TimerTableModel(this);
    myTable_->setModel(model_);

    lblCount_ = new QLabel(this);
    lblCount_->setObjectName(QStringLiteral("lblCount"));
    lblCount_->setAccessibleName(tr("Active timers"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(6);
    layout->addWidget(myTable_, 1);
    auto* status = new QHBoxLayout;
    status->setContentsMargins(10, 0, 10, 0);
    status->addWidget(lblCount_, 1);
    layout->addLayout(status);

    activity_ = new ProcessActivity(this);
    engine_ = new TimerEngine(*model_, clock ? *clock : systemClock(), this);
    connect(engine_, &TimerEngine::toolbarNeedsUpdate, this, &ViewController::updateToolbar);
    connect(engine_, &TimerEngine::bringToFrontRequested, this,
            &ViewController::bringWindowToFront);
    connect(engine_, &TimerEngine::closeWindowRequested, this, [this] { window()->close(); });
    viewDidLoad();
}

void ViewController::viewDidLoad() {
    loadPreferences(prefs_);
    // Held for the whole run: a timer must ring on time, so the session is
    // asked not to idle into sleep while Dunok runs.
    activity_->begin(QStringLiteral("Dunok"), QStringLiteral("Good Reason"));

    connect(myTable_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateToolbar(); });
    connect(myTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { updateToolbar(); });
    connect(myTable_, &QAbstractItemView::doubleClicked, this,
            &ViewController::tableViewDoubleClick);
}

void ViewController::tableViewDoubleClick() {
    engine_->tableViewDoubleClick(myTable_->selectedRow());
}

void ViewController::miPauseClicked() {
    engine_->miPauseClicked(myTable_->selectedRow());
}

void ViewController::resetAlerts() {
    engine_->resetAlerts();
}

void ViewController::checkForNewTimers() {
    engine_->checkForNewTimers();
}

void ViewController::silence() {
    engine_->silence();
}

void ViewController::bringWindowToFront() {
    QWidget* w = window();
    w->show();
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->raise();
    w->activateWindow();
}

void ViewController::viewWillAppear() {
    emit willAppear();
    updateToolbar();
}

void ViewController::viewDidAppear() {
    if (window()) window()->setWindowTitle(QStringLiteral("Dunok"));
    reloadTable();
    if (needsDefaultTimers()) {
        markDefaultTimersCreated(prefs_);
        createDefaultEntries();
        reloadTable();
    }
    if (savedSelectedRow != -1) myTable_->selectRowExactly(savedSelectedRow);
}

void ViewController::viewDidDisappear() {
    savedSelectedRow = myTable_->selectedRow();
}

int ViewController::rowHeight() const {
    return prefsLargeRows ? largeRowHeight : smallRowHeight;
}

void ViewController::reloadTable() {
    const int selected = myTable_->selectedRow();
    populateArray(prefsSort);
    refreshAlertRows();
    myTable_->setRowHeight(rowHeight());
    model_->reloadData();
    if (selected != -1) myTable_->selectRowExactly(selected);
    updateToolbar();
}

void ViewController::reloadRows(const QList<int>& rows) {
    model_->reloadRows(rows);
}

void ViewController::updateToolbar() {
    // Every tick asks; the line only changes when a count does.
    const int count = getNumAlerts();
    const int paused = pausedCount();
    if (count == shownCount_ && paused == shownPaused_) return;
    shownCount_ = count;
    shownPaused_ = paused;
    lblCount_->setText(statusLineText(count, paused));
}

}  // namespace dunok
