// Loading and first writing of the preferences (the prefs* globals).
#pragma once

#include <QString>

namespace dunok {

class PreferenceStore;

namespace PrefKeys {
inline const QString havePrefs = QStringLiteral("havePrefs");
inline const QString newDatabase = QStringLiteral("prefsNewDatabase");
inline const QString sort = QStringLiteral("prefsSort");
inline const QString defSound = QStringLiteral("prefsDefSound");
inline const QString bringToFront = QStringLiteral("prefsBringToFront");
inline const QString sendNotification = QStringLiteral("prefsSendNotification");
inline const QString volume = QStringLiteral("prefsVolume");
inline const QString hideWhenTimerStarts = QStringLiteral("prefsHideWhenTimerStarts");
inline const QString largeRows = QStringLiteral("prefsLargeRows");
inline const QString quietWithMouse = QStringLiteral("prefsQuietWithMouse");
inline const QString countdownDigits = QStringLiteral("prefsCountdownDigits");
inline const QString repeatAlarm = QStringLiteral("prefsRepeatAlarm");
inline const QString repeatLimit = QStringLiteral("prefsRepeatLimit");
inline const QString keepTimers = QStringLiteral("prefsKeepTimers");
}  // namespace PrefKeys

// On a first run (havePrefs 0 or missing) writes havePrefs 100 and the ten
// first-run defaults; otherwise reads every key into its global. Either way
// large rows are then switched on for this run.
void loadPreferences(PreferenceStore& prefs);

// The shared preference store of the running program (set up at start-up).
PreferenceStore& preferenceStore();
void setPreferenceStore(PreferenceStore* store);

}  // namespace dunok
