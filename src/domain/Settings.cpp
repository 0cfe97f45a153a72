#include "domain/Settings.h"

#include "domain/Constants.h"
#include "domain/PreferenceStore.h"

namespace dunok {

namespace {

// Any number other than 0 would do; 100 leaves room to tell later layouts of
// the preferences apart.
constexpr int prefsVersion = 100;

using S = Settings;

// Most missing keys read as they always have (false, 0); the exceptions are
// the ones where that reading would surprise a user who never touched them.
//
// Columns: key, field, first-run value, value when missing, written by a
// first run, accepted range, accepted choices.
const SettingKey table[] = {
    // Only a first run makes the ready-made timers.
    {PrefKeys::newDatabase, &S::newDatabase, true, false, true, {}, {}},
    {PrefKeys::bringToFront, &S::bringToFront, true, false, true, {}, {}},
    {PrefKeys::sendNotification, &S::sendNotification, true, false, true, {}, {}},
    {PrefKeys::hideWhenTimerStarts, &S::hideWhenTimerStarts, false, false, true, {}, {}},
    // Rows were large at every start until the choice was kept: without a
    // stored choice they stay large.
    {PrefKeys::largeRows, &S::largeRows, true, true, true, {}, {}},
    {PrefKeys::quietWithMouse, &S::quietWithMouse, false, false, true, {}, {}},
    {PrefKeys::countdownDigits, &S::countdownDigits, true, false, true, {}, {}},
    {PrefKeys::sort, &S::sort, sortDuration, sortNone, true, {}, {}},
    // Without a stored sound the one in use stays the one new timers get.
    {PrefKeys::defSound, &S::defSound, Constants::defSound, QVariant(), true, {}, {}},
    // A missing volume would otherwise make every alarm silent without a
    // word; out-of-range ones come from hand edits.
    {PrefKeys::volume, &S::volume, defVolume, defVolume, true, std::pair(0.0, 1.0), {}},
    // Files from before the repeat existed have neither key: off, and the
    // default limit should it be switched on.
    {PrefKeys::repeatAlarm, &S::repeatAlarm, false, false, false, {}, {}},
    {PrefKeys::repeatLimit,
     &S::repeatLimitMinutes,
     defRepeatLimitMinutes,
     defRepeatLimitMinutes,
     false,
     {},
     QList<int>(std::begin(repeatLimitChoices), std::end(repeatLimitChoices))},
    // Off unless asked for: every timer stopped at the next start.
    {PrefKeys::keepTimers, &S::keepTimers, false, false, false, {}, {}},
    {PrefKeys::fadeIn, &S::fadeIn, false, false, false, {}, {}},
    {PrefKeys::countUp, &S::countUp, false, false, false, {}, {}},
};

void assign(Settings& settings, const SettingKey::Field& field, const QVariant& value) {
    std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<T, std::optional<QString>>)
                settings.*member = value.isValid() ? std::optional(value.toString()) : std::nullopt;
            else
                settings.*member = value.value<T>();
        },
        field);
}

QVariant valueOf(const Settings& settings, const SettingKey::Field& field) {
    return std::visit(
        [&](auto member) -> QVariant {
            const auto& value = settings.*member;
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::optional<QString>>)
                return value ? QVariant(*value) : QVariant();
            else
                return QVariant::fromValue(value);
        },
        field);
}

// The stored text as the key's type; nothing when it cannot be read as one.
std::optional<QVariant> typedRead(const PreferenceStore& prefs, const SettingKey& entry) {
    return std::visit(
        [&](auto member) -> std::optional<QVariant> {
            using T = std::remove_reference_t<decltype(Settings().*member)>;
            const QString& key = entry.key;
            if constexpr (std::is_same_v<T, bool>) {
                if (prefs.unreadable(key, PreferenceStore::Kind::Boolean)) return std::nullopt;
                return prefs.boolean(key);
            } else if constexpr (std::is_same_v<T, int>) {
                if (prefs.unreadable(key, PreferenceStore::Kind::Integer)) return std::nullopt;
                return prefs.integer(key);
            } else if constexpr (std::is_same_v<T, double>) {
                if (prefs.unreadable(key, PreferenceStore::Kind::Number)) return std::nullopt;
                return prefs.floating(key);
            } else {
                return prefs.string(key).value_or(QString());  // any text is a name
            }
        },
        entry.field);
}

bool accepted(const SettingKey& entry, const QVariant& value) {
    if (entry.range) {
        const double d = value.toDouble();
        if (d < entry.range->first || d > entry.range->second) return false;
    }
    return entry.choices.isEmpty() || entry.choices.contains(value.toLongLong());
}

}  // namespace

std::span<const SettingKey> settingKeys() {
    return table;
}

Settings firstRunSettings() {
    Settings settings;
    for (const SettingKey& entry : table) assign(settings, entry.field, entry.firstRun);
    return settings;
}

SettingsRead readSettings(const PreferenceStore& prefs) {
    SettingsRead read;
    const QString& marker = PrefKeys::havePrefs;
    const bool markerUnreadable = prefs.unreadable(marker, PreferenceStore::Kind::Integer);
    // A damaged marker is still a returning user's file: no reason to write
    // the defaults over their settings again.
    read.firstRun = !prefs.contains(marker) || (!markerUnreadable && prefs.integer(marker) == 0);
    if (read.firstRun) {
        read.settings = firstRunSettings();
        return read;
    }
    if (markerUnreadable) read.badKeys.append({marker, prefs.text(marker), prefsVersion});
    for (const SettingKey& entry : table) {
        QVariant value = entry.whenMissing;
        if (prefs.contains(entry.key)) {
            const std::optional<QVariant> typed = typedRead(prefs, entry);
            if (!typed) read.badKeys.append({entry.key, prefs.text(entry.key), entry.firstRun});
            value = typed.value_or(entry.firstRun);
        }
        if (value.isValid() && !accepted(entry, value)) value = entry.firstRun;
        assign(read.settings, entry.field, value);
    }
    return read;
}

bool writeFirstRun(PreferenceStore& prefs, const Settings& settings) {
    prefs.setValue(PrefKeys::havePrefs, prefsVersion);
    QStringList keys;
    for (const SettingKey& entry : table)
        if (entry.writtenAtFirstRun) keys << entry.key;
    return writeSettings(prefs, settings, keys);
}

bool writeSettings(PreferenceStore& prefs, const Settings& settings, const QStringList& keys) {
    for (const SettingKey& entry : table) {
        if (!keys.isEmpty() && !keys.contains(entry.key)) continue;
        const QVariant value = valueOf(settings, entry.field);
        if (value.isValid()) prefs.setValue(entry.key, value);
    }
    return prefs.synchronize();
}

}  // namespace dunok
