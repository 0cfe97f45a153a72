// Loading and first writing of the preferences (the prefs* globals).
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

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

// What a start found wrong with the preferences file, to be told to the user.
struct PreferenceTrouble {
    struct BadKey {
        QString key;
        QString text;       // what the file holds
        QVariant fallback;  // the default read instead, and written back
    };
    QString path;
    // The file could not be read at all and started anew; keptCopy is where
    // the user's file was kept, empty when no copy could be made.
    bool fileReset = false;
    QString keptCopy;
    QList<BadKey> badKeys;

    bool any() const { return fileReset || !badKeys.isEmpty(); }
};

// On a first run (havePrefs 0 or missing) writes havePrefs 100 and the ten
// first-run defaults; otherwise reads every key into its global. A missing
// key reads as its default; so does one whose text cannot be read, which is
// returned along with a file that had to be started anew.
PreferenceTrouble loadPreferences(PreferenceStore& prefs);

// Writes the defaults over the keys that could not be read, so that the next
// start finds them clean.
void writeBackDefaults(PreferenceStore& prefs, const PreferenceTrouble& trouble);

// The shared preference store of the running program (set up at start-up).
PreferenceStore& preferenceStore();
void setPreferenceStore(PreferenceStore* store);

}  // namespace dunok
