#include "ui/AddMultipleController.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "domain/Constants.h"
#include "domain/DurationParser.h"
#include "domain/StoreError.h"
#include "domain/TimerModel.h"
#include "storage/Store.h"
#include "ui/SupMisc.h"

namespace dunok {

namespace {
QPushButton* makeButton(const QString& text, const QString& name, const QString& accessible,
                        QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(accessible);
    return button;
}

// What the user typed, short enough for an alert.
QString quoted(const QString& text) {
    const QString t = text.trimmed();
    return QStringLiteral("\"") + (t.size() > 40 ? t.left(40) + QChar(0x2026) : t) +
           QStringLiteral("\"");
}
}  // namespace

AddMultipleController::AddMultipleController(const QString& sound, SaveTimers save, QWidget* parent)
    : QDialog(parent), sound_(sound), save_(std::move(save)) {
    setObjectName(QStringLiteral("AddMultipleController"));
    setWindowTitle(tr("Add Multiple Timers"));

    theTable_ = new TimerRowsTable(this);
    btnAddRow_ = makeButton(QStringLiteral("+"), QStringLiteral("btnAddRow"), tr("Add row"), this);
    btnRemoveRow_ = makeButton(QStringLiteral("\u2212"), QStringLiteral("btnRemoveRow"),
                               tr("Remove row"), this);
    // The buttons act on the row being typed in; taking the focus from it
    // would only make the user click back.
    for (QPushButton* button : {btnAddRow_, btnRemoveRow_}) {
        button->setFocusPolicy(Qt::TabFocus);
        button->setFixedWidth(button->sizeHint().height() + 8);
    }
    auto* hint = new QLabel(tr("Times such as 1:30, 90s, 1h 5m, 2h, or 45 (seconds)."), this);
    hint->setObjectName(QStringLiteral("lblHint"));

    // Off at first: a batch is more often a set of timers to keep than a set
    // to run all at once.
    cbStart_ = new QCheckBox(tr("Start the new timers"), this);
    cbStart_->setObjectName(QStringLiteral("cbStart"));
    cbStart_->setAccessibleName(tr("Start the new timers"));

    btnCancel_ = makeButton(tr("Cancel"), QStringLiteral("btnCancel"), tr("Cancel"), this);
    btnSave_ = makeButton(tr("Save"), QStringLiteral("btnSave"), tr("Save"), this);
    btnSave_->setDefault(true);

    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(btnAddRow_);
    rowButtons->addWidget(btnRemoveRow_);
    rowButtons->addWidget(hint, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cbStart_);
    buttons->addStretch(1);
    buttons->addWidget(btnCancel_);
    buttons->addWidget(btnSave_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(theTable_, 1);
    layout->addLayout(rowButtons);
    layout->addLayout(buttons);
    // A sheet keeps its size; the table scrolls.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnAddRow_, &QPushButton::clicked, this,
            [this] { theTable_->focusField(theTable_->addRow(), TimerRowsTable::timeColumn); });
    connect(btnRemoveRow_, &QPushButton::clicked, this,
            [this] { theTable_->removeRow(std::max(theTable_->activeRow(), 0)); });
    connect(btnSave_, &QPushButton::clicked, this, &AddMultipleController::btnSaveClicked);
    connect(btnCancel_, &QPushButton::clicked, this, &AddMultipleController::btnCancelClicked);
    connect(theTable_, &TimerRowsTable::saveRequested, this,
            &AddMultipleController::btnSaveClicked);
    connect(theTable_, &TimerRowsTable::rowsChanged, this, &AddMultipleController::updateTabOrder);
    updateTabOrder();
    theTable_->focusField(0, TimerRowsTable::timeColumn);
}

void AddMultipleController::updateTabOrder() {
    QList<QWidget*> chain;
    for (int row = 0; row < theTable_->rowCount(); ++row)
        chain << theTable_->timeField(row) << theTable_->descriptionField(row);
    chain << btnAddRow_ << btnRemoveRow_ << cbStart_ << btnCancel_ << btnSave_;
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void AddMultipleController::btnCancelClicked() {
    reject();
}

void AddMultipleController::refuse(int row, int column, const QString& message,
                                   const QString& informative) {
    msgUser(message, informative, this);
    theTable_->focusField(row, column);
}

bool AddMultipleController::readRow(int row, QList<NewTimer>& timers) {
    const int shown = row + 1;
    const QString time = theTable_->timeField(row)->text();
    const DurationReading reading = parseDuration(time);
    const QString invalid = tr("Invalid duration.");
    switch (reading.problem) {
        case DurationProblem::none:
            break;
        case DurationProblem::empty:
            refuse(row, TimerRowsTable::timeColumn, tr("Missing duration."),
                   tr("Row %1 needs a duration, such as 5m or 1:30.").arg(shown));
            return false;
        case DurationProblem::unreadable:
            refuse(row, TimerRowsTable::timeColumn, invalid,
                   tr("Row %1: %2 is not a duration. Type it as 1:30, 90s, 1h 5m, 2h, "
                      "or 45 (seconds).")
                       .arg(shown)
                       .arg(quoted(time)));
            return false;
        case DurationProblem::outOfRange:
            refuse(row, TimerRowsTable::timeColumn, invalid,
                   tr("Row %1: %2").arg(shown).arg(durationRangeText()));
            return false;
    }
    // Stored as typed, as the editor does; only a blank one is refused.
    const QString desc = theTable_->descriptionField(row)->text();
    if (desc.trimmed().isEmpty()) {
        refuse(row, TimerRowsTable::descriptionColumn, tr("Missing description."),
               tr("Row %1 needs a description.").arg(shown));
        return false;
    }
    timers.append({desc, reading.seconds});
    return true;
}

std::optional<QList<AddMultipleController::NewTimer>> AddMultipleController::readRows() {
    QList<NewTimer> timers;
    for (int row = 0; row < theTable_->rowCount(); ++row) {
        // Rows left blank are spare ones (Return makes a new row at the end).
        if (theTable_->isBlankRow(row)) continue;
        if (!readRow(row, timers)) return std::nullopt;
    }
    if (timers.isEmpty()) {
        refuse(0, TimerRowsTable::timeColumn, tr("No timers to add."),
               tr("Type a duration and a description in a row, or press Cancel."));
        return std::nullopt;
    }
    return timers;
}

// All rows are stored in one save: either every timer is added or none is,
// and a failure keeps the sheet and its rows for another try.
std::optional<QStringList> AddMultipleController::storeTimers(const QList<NewTimer>& timers) {
    QList<Timer> made;
    for (const NewTimer& timer : timers) made << newTimer(timer.desc, timer.duration, sound_);
    StoreError error;
    if (!save_ || !save_(made, &error)) {
        msgUser(tr("Could not save the timers."),
                storeTroubleText(error, tr("Nothing was added and your rows are still here. Try "
                                           "Save again.")),
                this);
        return std::nullopt;
    }
    QStringList ids;
    for (const Timer& timer : std::as_const(made)) ids << timerId(timer);
    return ids;
}

void AddMultipleController::btnSaveClicked() {
    const std::optional<QList<NewTimer>> timers = readRows();
    if (!timers) return;
    const std::optional<QStringList> ids = storeTimers(*timers);
    if (!ids) return;
    const bool start = cbStart_->isChecked();
    accept();
    emit timersAdded(*ids, start);
}

}  // namespace dunok
