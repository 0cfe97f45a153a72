// The state the whole program shares: the timer list, the running-timer
// table, and the constants they use.
// Everything here is touched on the GUI thread only.
#pragma once

#include <QList>
#include <QString>

#include "domain/Timer.h"
#include "engine/Alert.h"

namespace dunok {

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

inline constexpr int defRepeatLimitMinutes = 5;
// The limits the preferences offer, in minutes.
inline constexpr int repeatLimitChoices[] = {1, 5, 15};

}  // namespace dunok
