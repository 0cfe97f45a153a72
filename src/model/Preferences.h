// Loading and first writing of the preferences (the prefs* globals).
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include "model/Settings.h"

namespace dunok {

class PreferenceStore;

// What a start found wrong with the preferences file, to be told to the user.
struct PreferenceTrouble {
    using BadKey = SettingsRead::BadKey;  // its fallback is also written back
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

// The settings the program runs with now, and the one place that sets them.
Settings currentSettings();
void applySettings(const Settings& settings);

// Writes the defaults over the keys that could not be read, so that the next
// start finds them clean.
void writeBackDefaults(PreferenceStore& prefs, const PreferenceTrouble& trouble);

// The shared preference store of the running program (set up at start-up).
PreferenceStore& preferenceStore();
void setPreferenceStore(PreferenceStore* store);

}  // namespace dunok
