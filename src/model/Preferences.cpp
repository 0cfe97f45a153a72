#include "model/Preferences.h"

#include "model/Globals.h"
#include "platform/PreferenceStore.h"

namespace dunok {

namespace {
PreferenceStore* sharedStore = nullptr;
}  // namespace

PreferenceTrouble loadPreferences(PreferenceStore& prefs) {
    PreferenceTrouble trouble;
    trouble.path = prefs.path();
    trouble.fileReset = prefs.wasReset();
    trouble.keptCopy = prefs.keptCopy();
    const SettingsRead read = readSettings(prefs);
    // A file that cannot be written has already said so; this run goes on
    // with the defaults it holds in memory, which are not read back.
    if (read.firstRun) writeFirstRun(prefs, read.settings);
    trouble.badKeys = read.badKeys;
    applySettings(read.settings);
    return trouble;
}

Settings currentSettings() {
    Settings settings;
    settings.newDatabase = prefsNewDatabase;
    settings.bringToFront = prefsBringToFront;
    settings.sendNotification = prefsSendNotification;
    settings.hideWhenTimerStarts = prefsHideWhenTimerStarts;
    settings.largeRows = prefsLargeRows;
    settings.quietWithMouse = prefsQuietWithMouse;
    settings.countdownDigits = prefsCountdownDigits;
    settings.sort = prefsSort;
    settings.defSound = prefsDefSound;
    settings.volume = prefsVolume;
    settings.repeatAlarm = prefsRepeatAlarm;
    settings.repeatLimitMinutes = prefsRepeatLimitMinutes;
    settings.keepTimers = prefsKeepTimers;
    return settings;
}

void applySettings(const Settings& settings) {
    prefsNewDatabase = settings.newDatabase;
    prefsBringToFront = settings.bringToFront;
    prefsSendNotification = settings.sendNotification;
    prefsHideWhenTimerStarts = settings.hideWhenTimerStarts;
    prefsLargeRows = settings.largeRows;
    prefsQuietWithMouse = settings.quietWithMouse;
    prefsCountdownDigits = settings.countdownDigits;
    prefsSort = settings.sort;
    // Without a stored sound the one in use stays the one new timers get.
    if (settings.defSound) prefsDefSound = *settings.defSound;
    prefsVolume = settings.volume;
    prefsRepeatAlarm = settings.repeatAlarm;
    prefsRepeatLimitMinutes = settings.repeatLimitMinutes;
    prefsKeepTimers = settings.keepTimers;
}

void writeBackDefaults(PreferenceStore& prefs, const PreferenceTrouble& trouble) {
    if (trouble.badKeys.isEmpty()) return;
    for (const PreferenceTrouble::BadKey& bad : trouble.badKeys)
        prefs.setValue(bad.key, bad.fallback);
    prefs.synchronize();
}

PreferenceStore& preferenceStore() {
    Q_ASSERT(sharedStore);
    if (!sharedStore) qFatal("The preference store was asked for before start-up set it up");
    return *sharedStore;
}

void setPreferenceStore(PreferenceStore* store) {
    sharedStore = store;
}

}  // namespace dunok
