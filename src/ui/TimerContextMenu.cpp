#include "ui/TimerContextMenu.h"

#include "ui/TimerActions.h"
#include "ui/TimerTableView.h"

namespace dunok {

QString quotedDescription(const QString& desc) {
    // A quote in it stays unescaped; only an ampersand is doubled so that it
    // is not taken for a keyboard accelerator.
    QString shown = desc;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString startStopTitle(const QString& desc, bool counting) {
    return (counting ? TimerContextMenu::tr("&Stop timer %1")
                     : TimerContextMenu::tr("&Start timer %1"))
        .arg(quotedDescription(desc));
}

TimerContextMenu::TimerContextMenu(QWidget* parent, TimerActions* actions)
    : QMenu(parent), actions_(actions) {
    setObjectName(QStringLiteral("timerContextMenu"));
    setAccessibleName(tr("Timer commands"));
    const auto item = [this](Command command) { return actions_->action(command); };
    addActions({item(Command::StartStop), item(Command::PauseResume), item(Command::Snooze),
                item(Command::AddMinute), item(Command::AddFiveMinutes)});
    addSeparator();
    addActions({item(Command::EditTimer), item(Command::Duplicate)});
    addSeparator();
    addAction(item(Command::Delete));
    // Snoozing is offered only here, for the timer that has rung.
    connect(item(Command::Snooze), &QAction::triggered, this, [this] {
        if (table_) emit snoozeRequested(table_->selectedRow());
    });
    for (const auto& [command, seconds] :
         {std::pair{Command::AddMinute, 60}, {Command::AddFiveMinutes, 300}})
        connect(item(command), &QAction::triggered, this, [this, seconds = seconds] {
            if (table_) emit addTimeRequested(table_->selectedRow(), seconds);
        });
    // Also when a menu still showing is popped up again, the items name the
    // timer.
    connect(this, &QMenu::aboutToShow, this, [this] { actions_->setNamingTimer(true); });
    connect(this, &QMenu::aboutToHide, this, [this] { actions_->setNamingTimer(false); });
}

void TimerContextMenu::install(TimerTableView* table) {
    table_ = table;
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    // A scroll area reports the position in its viewport's coordinates.
    connect(table, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (!table_) return;
        menuWillOpen(table_->rowAt(pos.y()));
        popup(table_->viewport()->mapToGlobal(pos));
    });
}

QAction* TimerContextMenu::miDuplicate() const {
    return actions_->action(Command::Duplicate);
}

QAction* TimerContextMenu::miPause() const {
    return actions_->action(Command::PauseResume);
}

QAction* TimerContextMenu::miSnooze() const {
    return actions_->action(Command::Snooze);
}

void TimerContextMenu::menuWillOpen(int clickedRow) {
    if (!table_) return;
    // The commands work on the selected row, so a right-click makes the
    // clicked row the selection; a click below the rows keeps the selection.
    if (clickedRow >= 0 && clickedRow < table_->model()->rowCount())
        table_->selectRowExactly(clickedRow);
    actions_->setNamingTimer(true);
}

}  // namespace dunok
