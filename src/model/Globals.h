// The state the whole program shares: the timer list, the running-timer
// table, the preferences as read at start-up, and the constants they use.
// Everything here is touched on the GUI thread only.
#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "domain/Timer.h"
#include "engine/Alert.h"

namespace dunok {

class AudioPlayer;

namespace Constants {
inline const QString appName = QStringLiteral("Dunok");
inline const QString defSound = QStringLiteral("Vintage Alarm Clock");
inline const QString website = QStringLiteral("https://dunok.org/");
}  // namespace Constants

inline constexpr double defVolume = 0.5;
inline constexpr double tSize = 14.0;  // list font, points
inline constexpr double cSize = 16.0;  // countdown font, points

inline constexpr int sortNone = 0;
inline constexpr int sortDuration = 1;
inline constexpr int sortDesc = 2;

// The timer list in list order; row r of the table is timersArray[r].
inline QList<Timer> timersArray;
// The running-timer table, never stored.
inline QList<Alert> alertsArray;
// The timer id of a timer the editor just saved with "start" on.
inline QString checkID;
// The table's selection while the window is not shown (-1: none).
inline int savedSelectedRow = -1;

// The one audio player: the alarm and the editor's sound preview both play
// through it, each new sound replacing the one before. Only a reference: its
// owner is the SharedPlayer of engine/Alarm.h, which the program ends while
// Qt and the sound system are still up. A global that owned it would be torn
// down by exit() after them, in the middle of a sound.
inline AudioPlayer* audioPlayer = nullptr;
// The half-second watch that silences the alarm when the mouse moves.
inline std::shared_ptr<TickSource> mouseTimer;
// The mouse position when the alarm started.
inline double mouseX = 0.0;
inline double mouseY = 0.0;

// The duration the open editor works on, in seconds; both of its duration
// paths write it and its Save reads it.
inline std::optional<qint64> chosenDuration;

// Preferences, as loaded at start-up (values before the load).
inline bool prefsNewDatabase = true;
inline int prefsSort = sortDuration;
inline QString prefsDefSound = Constants::defSound;
inline double prefsVolume = defVolume;
inline bool prefsBringToFront = true;
inline bool prefsSendNotification = true;
inline bool prefsHideWhenTimerStarts = false;
inline bool prefsLargeRows = true;
inline bool prefsQuietWithMouse = true;
inline bool prefsCountdownDigits = true;
// Ring again after each play until silenced, for at most the limit.
inline bool prefsRepeatAlarm = false;
inline constexpr int defRepeatLimitMinutes = 5;
inline int prefsRepeatLimitMinutes = defRepeatLimitMinutes;
// The limits the preferences offer, in minutes.
inline constexpr int repeatLimitChoices[] = {1, 5, 15};
// Running and paused timers are kept in the store and go on at the next start.
inline bool prefsKeepTimers = false;

}  // namespace dunok
