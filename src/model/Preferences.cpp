#include "model/Preferences.h"

#include <algorithm>

#include "model/Globals.h"
#include "platform/PreferenceStore.h"

namespace dunok {

namespace {

PreferenceStore* sharedStore = nullptr;

// Any number other than 0 would do; 100 leaves room to tell later layouts of
// the preferences apart.
constexpr int prefsVersion = 100;

void writeFirstRunDefaults(PreferenceStore& prefs) {
    prefs.setValue(PrefKeys::havePrefs, prefsVersion);

    prefsSort = sortDuration;
    prefsDefSound = Constants::defSound;
    prefsNewDatabase = true;
    prefsBringToFront = true;
    prefsSendNotification = true;
    prefsVolume = defVolume;
    prefsHideWhenTimerStarts = false;
    prefsLargeRows = true;
    prefsQuietWithMouse = false;
    prefsCountdownDigits = true;
    // Not written: a missing key already reads as this.
    prefsRepeatAlarm = false;
    prefsRepeatLimitMinutes = defRepeatLimitMinutes;
    prefsKeepTimers = false;

    prefs.setValue(PrefKeys::newDatabase, prefsNewDatabase);
    prefs.setValue(PrefKeys::sort, prefsSort);
    prefs.setValue(PrefKeys::defSound, prefsDefSound);
    prefs.setValue(PrefKeys::bringToFront, prefsBringToFront);
    prefs.setValue(PrefKeys::sendNotification, prefsSendNotification);
    prefs.setValue(PrefKeys::volume, prefsVolume);
    prefs.setValue(PrefKeys::hideWhenTimerStarts, prefsHideWhenTimerStarts);
    prefs.setValue(PrefKeys::largeRows, prefsLargeRows);
    prefs.setValue(PrefKeys::quietWithMouse, prefsQuietWithMouse);
    prefs.setValue(PrefKeys::countdownDigits, prefsCountdownDigits);
    // A file that cannot be written has already said so; this run goes on
    // with the defaults it holds in memory.
    prefs.synchronize();
}

void readStoredPreferences(const PreferenceStore& prefs) {
    prefsNewDatabase = prefs.boolean(PrefKeys::newDatabase);
    prefsBringToFront = prefs.boolean(PrefKeys::bringToFront);
    prefsSendNotification = prefs.boolean(PrefKeys::sendNotification);
    prefsHideWhenTimerStarts = prefs.boolean(PrefKeys::hideWhenTimerStarts);
    prefsLargeRows = prefs.boolean(PrefKeys::largeRows);
    prefsQuietWithMouse = prefs.boolean(PrefKeys::quietWithMouse);
    prefsCountdownDigits = prefs.boolean(PrefKeys::countdownDigits);

    prefsSort = static_cast<int>(prefs.integer(PrefKeys::sort));
    // Without a stored sound the built-in default stays the one new timers get.
    if (const std::optional<QString> sound = prefs.string(PrefKeys::defSound))
        prefsDefSound = *sound;

    // Out-of-range volumes come from hand edits and get the default; a missing
    // one reads 0.0 and stays silent rather than being guessed at.
    const double volume = prefs.floating(PrefKeys::volume);
    prefsVolume = (volume < 0.0 || volume > 1.0) ? defVolume : volume;

    // Files from before the repeat existed have neither key: off, and the
    // default limit should it be switched on. A limit the sheet does not
    // offer is a hand edit and gets the default too.
    prefsRepeatAlarm = prefs.boolean(PrefKeys::repeatAlarm);
    const qint64 limit = prefs.integer(PrefKeys::repeatLimit);
    prefsRepeatLimitMinutes =
        std::ranges::find(repeatLimitChoices, limit) != std::end(repeatLimitChoices)
            ? int(limit)
            : defRepeatLimitMinutes;
    // Off unless asked for: every timer stopped at the next start.
    prefsKeepTimers = prefs.boolean(PrefKeys::keepTimers);
}

}  // namespace

void loadPreferences(PreferenceStore& prefs) {
    if (prefs.integer(PrefKeys::havePrefs) == 0)
        writeFirstRunDefaults(prefs);
    else
        readStoredPreferences(prefs);
    // Every start shows large rows; small rows chosen in the preferences last
    // until Dunok quits, although the choice is stored.
    prefsLargeRows = true;
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
