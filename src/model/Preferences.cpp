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

// Typed reads. A missing key reads as it always has (false, 0) unless a
// fallback for missing keys is given; text that means nothing as the key's
// type reads as the key's default and is noted, to be told to the user.
class Reader {
public:
    Reader(const PreferenceStore& prefs, PreferenceTrouble& trouble)
        : prefs_(prefs), trouble_(trouble) {}

    bool boolean(const QString& key, bool fallback, bool whenMissing = false) {
        switch (look(key, PreferenceStore::Kind::Boolean, fallback)) {
            case Found::Missing:
                return whenMissing;
            case Found::Unreadable:
                return fallback;
            case Found::Readable:
                break;
        }
        return prefs_.boolean(key);
    }
    qint64 integer(const QString& key, qint64 fallback) {
        switch (look(key, PreferenceStore::Kind::Integer, fallback)) {
            case Found::Missing:
                return 0;
            case Found::Unreadable:
                return fallback;
            case Found::Readable:
                break;
        }
        return prefs_.integer(key);
    }
    // Missing or unreadable, fallback.
    double number(const QString& key, double fallback) {
        return look(key, PreferenceStore::Kind::Number, fallback) == Found::Readable
                   ? prefs_.floating(key)
                   : fallback;
    }

private:
    enum class Found { Missing, Unreadable, Readable };
    Found look(const QString& key, PreferenceStore::Kind kind, const QVariant& fallback) {
        if (!prefs_.contains(key)) return Found::Missing;
        if (!prefs_.unreadable(key, kind)) return Found::Readable;
        trouble_.badKeys.append({key, prefs_.text(key), fallback});
        return Found::Unreadable;
    }

    const PreferenceStore& prefs_;
    PreferenceTrouble& trouble_;
};

void readStoredPreferences(const PreferenceStore& prefs, PreferenceTrouble& trouble) {
    Reader read(prefs, trouble);
    // The marker says the defaults were written once; a damaged one is no
    // reason to write them over the user's settings again.
    read.integer(PrefKeys::havePrefs, prefsVersion);
    // Only a first run makes the ready-made timers.
    prefsNewDatabase = read.boolean(PrefKeys::newDatabase, false);
    prefsBringToFront = read.boolean(PrefKeys::bringToFront, true);
    prefsSendNotification = read.boolean(PrefKeys::sendNotification, true);
    prefsHideWhenTimerStarts = read.boolean(PrefKeys::hideWhenTimerStarts, false);
    // Rows were large at every start until the choice was kept: without a
    // stored choice they stay large.
    prefsLargeRows = read.boolean(PrefKeys::largeRows, true, true);
    prefsQuietWithMouse = read.boolean(PrefKeys::quietWithMouse, false);
    prefsCountdownDigits = read.boolean(PrefKeys::countdownDigits, true);

    prefsSort = static_cast<int>(read.integer(PrefKeys::sort, sortDuration));
    // Without a stored sound the built-in default stays the one new timers get.
    if (const std::optional<QString> sound = prefs.string(PrefKeys::defSound))
        prefsDefSound = *sound;

    // A missing volume would otherwise make every alarm silent without a
    // word; out-of-range ones come from hand edits and get the default too.
    const double volume = read.number(PrefKeys::volume, defVolume);
    prefsVolume = (volume < 0.0 || volume > 1.0) ? defVolume : volume;

    // Files from before the repeat existed have neither key: off, and the
    // default limit should it be switched on. A limit the sheet does not
    // offer is a hand edit and gets the default too.
    prefsRepeatAlarm = read.boolean(PrefKeys::repeatAlarm, false);
    const qint64 limit = read.integer(PrefKeys::repeatLimit, defRepeatLimitMinutes);
    prefsRepeatLimitMinutes =
        std::ranges::find(repeatLimitChoices, limit) != std::end(repeatLimitChoices)
            ? int(limit)
            : defRepeatLimitMinutes;
    // Off unless asked for: every timer stopped at the next start.
    prefsKeepTimers = read.boolean(PrefKeys::keepTimers, false);
}

}  // namespace

PreferenceTrouble loadPreferences(PreferenceStore& prefs) {
    PreferenceTrouble trouble;
    trouble.path = prefs.path();
    trouble.fileReset = prefs.wasReset();
    trouble.keptCopy = prefs.keptCopy();
    // A damaged marker is read as present: see readStoredPreferences.
    if (!prefs.contains(PrefKeys::havePrefs) ||
        (!prefs.unreadable(PrefKeys::havePrefs, PreferenceStore::Kind::Integer) &&
         prefs.integer(PrefKeys::havePrefs) == 0))
        writeFirstRunDefaults(prefs);
    else
        readStoredPreferences(prefs, trouble);
    return trouble;
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
