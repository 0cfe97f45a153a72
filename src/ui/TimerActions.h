// Every command of the main window, made once: the menu bar, the toolbar and
// the list's right-click menu all show these actions, so a command reads,
// enables and runs the same wherever it is offered.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QAction;

namespace dunok {

class TimerEngine;
class TimerList;

enum class Command {
    NewTimer,
    AddMultiple,
    EditTimer,
    ExportTimers,
    ImportTimers,
    Preferences,
    Quit,
    StartStop,
    PauseResume,
    Snooze,
    AddMinute,
    AddFiveMinutes,
    Duplicate,
    Delete,
    Reset,
    Silence,
    Sort,
    Help,
    Website,
};
inline constexpr int commandCount = int(Command::Website) + 1;

// What the commands' enabling and titles depend on; never the text of a row,
// except for the finish that a snooze waits for.
struct CommandState {
    bool hasSelection = false;
    bool haveTimers = false;
    bool anyRunning = false;  // anything in the running-timer table
    bool alarmRinging = false;
    QString sortLabel;
    // The selected timer, when the selection is a row of the list.
    bool onTimer = false;
    QString desc;
    bool hasEntry = false;  // counting down or paused
    bool paused = false;
    bool snoozeOn = false;
    QString snoozeTitle;
    bool snoozable = false;  // it has rung and does not run again yet
};

// The list's part of the state for the selected row (-1 for none); the
// alarm and the sort order are the caller's to fill in.
CommandState listState(const TimerList& list, const TimerEngine& engine, int selectedRow);

class TimerActions : public QObject {
    Q_OBJECT
public:
    explicit TimerActions(QObject* parent = nullptr);

    QAction* action(Command command) const { return actions_[size_t(command)]; }
    const std::array<QAction*, commandCount>& all() const { return actions_; }

    // Where refresh() reads the state from.
    void setStateSource(std::function<CommandState()> source);
    // Enables and titles every action from the state as it is now.
    void refresh();
    // While the right-click menu shows, the commands on the selected timer
    // name it; in the menu bar they keep their one name.
    void setNamingTimer(bool naming);

private:
    QAction* make(Command command, const char* name, const QString& title);
    void apply(const CommandState& state);

    std::array<QAction*, commandCount> actions_{};
    std::function<CommandState()> source_;
    bool naming_ = false;
    // What the right-click menu last called its items: an opening that has
    // nothing to name keeps them.
    QString duplicateTitle_;
    QString pauseTitle_;
    QString snoozeTitle_;
};

}  // namespace dunok
