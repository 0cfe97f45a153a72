// The constants the whole program shares.
#pragma once

#include <QList>
#include <QString>

#include "domain/Timer.h"

namespace dunok {

namespace Constants {
inline const QString appName = QStringLiteral("Dunok");
// The one name desktops know Dunok by: its launcher entry (with ".desktop"),
// its icon, its window on Wayland and its notifications; the bus name is the
// same text.
inline const QString appId = QStringLiteral("org.dunok.Dunok");
inline const QString defSound = QStringLiteral("Vintage Alarm Clock");
inline const QString website = QStringLiteral("https://dunok.org/");
}  // namespace Constants

inline constexpr double defVolume = 0.5;
inline constexpr double tSize = 14.0;  // list font, points
inline constexpr double cSize = 16.0;  // countdown font, points

inline constexpr int sortNone = 0;
inline constexpr int sortDuration = 1;
inline constexpr int sortDesc = 2;

inline constexpr int defRepeatLimitMinutes = 5;
// The limits the preferences offer, in minutes.
inline constexpr int repeatLimitChoices[] = {1, 5, 15};

}  // namespace dunok
