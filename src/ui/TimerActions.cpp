#include "ui/TimerActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>

#include "domain/CountdownText.h"
#include "domain/RunningTimers.h"
#include "domain/TimerEngine.h"
#include "domain/TimerList.h"
#include "domain/TimerModel.h"
#include "ui/QuitKey.h"
#include "ui/TimerContextMenu.h"

namespace dunok {

namespace {
// The titles keep the contexts they have always been translated in.
QString windowText(const char* text) {
    return QCoreApplication::translate("dunok::MainWindow", text);
}
QString menuText(const char* text) {
    return QCoreApplication::translate("dunok::TimerContextMenu", text);
}
}  // namespace

CommandState listState(const TimerList& list, const TimerEngine& engine, int selectedRow) {
    const RunningTimers& running = engine.alertsArray();
    CommandState state;
    state.hasSelection = selectedRow != -1;
    state.haveTimers = !list.isEmpty();
    state.anyRunning = !running.isEmpty();
    state.onTimer = list.hasRow(selectedRow);
    if (!state.onTimer) return state;
    const Timer& timer = list.at(selectedRow);
    state.desc = timer.desc;
    const Alert* alert = running.find(timerId(timer));
    state.hasEntry = alert != nullptr;
    state.paused = alert && alert->isPaused;
    state.snoozeOn = timer.snoozeOn;
    if (state.snoozeOn) state.snoozeTitle = snoozeLabel(timer.snooze);
    state.snoozable =
        state.snoozeOn && !state.hasEntry && engine.stateOf(timerId(timer)) == TimerState::Finished;
    return state;
}

TimerActions::TimerActions(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("timerActions"));
    make(Command::NewTimer, "miNewTimer",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "&New Timer...")))
        ->setShortcut(QKeySequence::New);
    make(Command::AddMultiple, "miAddMultiple",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "Add &Multiple Timers...")))
        ->setShortcut(
            QKeySequence(windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "Ctrl+Shift+N"))));
    make(Command::EditTimer, "miEditTimer",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "&Edit Timer...")))
        ->setShortcut(QKeySequence(windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "Ctrl+E"))));
    make(Command::ExportTimers, "miExportTimers",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "E&xport Timers…")));
    make(Command::ImportTimers, "miImportTimers",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "&Import Timers…")));
    QAction* prefs = make(Command::Preferences, "miPreferences",
                          windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "&Preferences...")));
    prefs->setShortcut(QKeySequence(windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "Ctrl+,"))));
    prefs->setMenuRole(QAction::PreferencesRole);
    QAction* quit =
        make(Command::Quit, "miQuit", windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "&Quit")));
    quit->setShortcut(QuitKey::sequence());
    quit->setShortcutContext(Qt::ApplicationShortcut);
    quit->setMenuRole(QAction::QuitRole);

    // Return and Space work in the list only (see ViewController).
    make(Command::StartStop, "miStartStop",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "&Start or Stop")))
        ->setShortcut(QKeySequence(Qt::Key_Return));
    make(Command::PauseResume, "miPause",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "&Pause or Resume")))
        ->setShortcut(QKeySequence(Qt::Key_Space));
    for (Command key : {Command::StartStop, Command::PauseResume})
        action(key)->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    make(Command::Snooze, "miSnooze",
         menuText(QT_TRANSLATE_NOOP("dunok::TimerContextMenu", "Snooze")));
    make(Command::AddMinute, "miAddMinute",
         menuText(QT_TRANSLATE_NOOP("dunok::TimerContextMenu", "Add 1 Minute")));
    make(Command::AddFiveMinutes, "miAddFiveMinutes",
         menuText(QT_TRANSLATE_NOOP("dunok::TimerContextMenu", "Add 5 Minutes")));
    make(Command::Duplicate, "miDuplicate",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "&Duplicate")))
        ->setShortcut(QKeySequence(windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "Ctrl+D"))));
    make(Command::Delete, "miDeleteTimers",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "De&lete...")))
        ->setShortcut(QKeySequence(QKeySequence::Delete));
    make(Command::Reset, "miReset",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "Stop &All Timers")))
        ->setShortcut(QKeySequence(windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "Ctrl+."))));
    make(Command::Silence, "miSilence",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "S&ilence Alarm")))
        ->setShortcut(
            QKeySequence(windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "Ctrl+Shift+S"))));
    // Only on the toolbar, where its title is the order the list is in.
    make(Command::Sort, "miSort", QString());
    make(Command::Help, "miHelp", windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "Dunok Help")))
        ->setShortcut(QKeySequence::HelpContents);
    make(Command::Website, "miWebsite",
         windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "Dunok Website")));

    duplicateTitle_ = menuText(QT_TRANSLATE_NOOP("dunok::TimerContextMenu", "Duplicate"));
    pauseTitle_ = menuText(QT_TRANSLATE_NOOP("dunok::TimerContextMenu", "Pause timer"));
    snoozeTitle_ = action(Command::Snooze)->text();
    apply(CommandState{});
}

QAction* TimerActions::make(Command command, const char* name, const QString& title) {
    auto* item = new QAction(title, this);
    item->setObjectName(QString::fromLatin1(name));
    actions_[size_t(command)] = item;
    return item;
}

void TimerActions::setStateSource(std::function<CommandState()> source) {
    source_ = std::move(source);
    refresh();
}

void TimerActions::refresh() {
    apply(source_ ? source_() : CommandState{});
}

void TimerActions::setNamingTimer(bool naming) {
    naming_ = naming;
    refresh();
}

void TimerActions::apply(const CommandState& s) {
    action(Command::EditTimer)->setEnabled(s.hasSelection);
    action(Command::Delete)->setEnabled(s.hasSelection);
    action(Command::Sort)->setEnabled(s.haveTimers);
    action(Command::ExportTimers)->setEnabled(s.haveTimers);
    action(Command::Reset)->setEnabled(s.anyRunning);
    action(Command::Silence)->setEnabled(s.alarmRinging);
    if (!s.sortLabel.isEmpty()) action(Command::Sort)->setText(s.sortLabel);

    QAction* startStop = action(Command::StartStop);
    startStop->setEnabled(s.onTimer);
    startStop->setText(s.onTimer && naming_
                           ? startStopTitle(s.desc, s.hasEntry && !s.paused)
                           : windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "&Start or Stop")));
    action(Command::Duplicate)->setEnabled(s.onTimer);
    // A paused timer is resumed from here too, as the quick help promises.
    action(Command::PauseResume)->setEnabled(s.onTimer && s.hasEntry);
    action(Command::Snooze)->setEnabled(s.onTimer && s.snoozable);
    for (Command add : {Command::AddMinute, Command::AddFiveMinutes})
        action(add)->setEnabled(s.onTimer && s.hasEntry);
    if (s.onTimer) {
        const QString name = quotedDescription(s.desc);
        duplicateTitle_ =
            menuText(QT_TRANSLATE_NOOP("dunok::TimerContextMenu", "Duplicate %1")).arg(name);
        snoozeTitle_ = s.snoozeOn
                           ? s.snoozeTitle
                           : menuText(QT_TRANSLATE_NOOP("dunok::TimerContextMenu", "Snooze"));
        // Until something runs, the pause item has nothing to offer and no
        // timer to name.
        if (s.anyRunning)
            pauseTitle_ =
                (s.paused
                     ? menuText(QT_TRANSLATE_NOOP("dunok::TimerContextMenu", "Resume timer %1"))
                     : menuText(QT_TRANSLATE_NOOP("dunok::TimerContextMenu", "Pause timer %1")))
                    .arg(name);
    }
    action(Command::Snooze)->setText(snoozeTitle_);
    action(Command::Duplicate)
        ->setText(naming_ ? duplicateTitle_
                          : windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "&Duplicate")));
    action(Command::PauseResume)
        ->setText(naming_ ? pauseTitle_
                          : windowText(QT_TRANSLATE_NOOP("dunok::MainWindow", "&Pause or Resume")));
}

}  // namespace dunok
