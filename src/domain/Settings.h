// The preferences as one value, and the one table that says, for every key,
// its type, what a first run writes, what a missing key reads and which
// values are accepted. The window, the sheet, the sort command and the
// command line all read and write through it, so that a key, its default and
// its rule are written down once.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <span>
#include <variant>

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
inline const QString fadeIn = QStringLiteral("prefsFadeIn");
inline const QString countUp = QStringLiteral("prefsCountUp");
// Not a setting: that the note on getting a closed window back was given.
inline const QString toldWayBack = QStringLiteral("toldWayBack");
}  // namespace PrefKeys

// Every preference of one moment. A default-made value means nothing in
// particular; firstRunSettings() is what a new user starts with.
struct Settings {
    bool newDatabase = false;
    bool bringToFront = false;
    bool sendNotification = false;
    bool hideWhenTimerStarts = false;
    bool largeRows = false;
    bool quietWithMouse = false;
    bool countdownDigits = false;
    int sort = 0;
    // None when the file holds no sound: the one in use then stays.
    std::optional<QString> defSound;
    double volume = 0.0;
    bool repeatAlarm = false;
    int repeatLimitMinutes = 0;
    bool keepTimers = false;
    bool fadeIn = false;
    bool countUp = false;

    bool operator==(const Settings&) const = default;
};

// One key of the preferences file.
struct SettingKey {
    using Field = std::variant<bool Settings::*, int Settings::*, double Settings::*,
                               std::optional<QString> Settings::*>;
    const QString& key;
    Field field;
    QVariant firstRun;     // also what text that cannot be read as the type reads
    QVariant whenMissing;  // an invalid QVariant: no value (only for the sound)
    bool writtenAtFirstRun;
    // Values outside these read as the first-run default: hand edits, not choices.
    std::optional<std::pair<double, double>> range;
    QList<int> choices;
};

// In the order a start reads them, which is the order their trouble is told.
std::span<const SettingKey> settingKeys();

Settings firstRunSettings();

// A start's reading of the file: whether it is a first run (no marker, or 0),
// the settings, and the keys whose text could not be read as their type.
struct SettingsRead {
    struct BadKey {
        QString key;
        QString text;       // what the file holds
        QVariant fallback;  // the default read instead
    };
    bool firstRun = false;
    Settings settings;
    QList<BadKey> badKeys;
};
SettingsRead readSettings(const PreferenceStore& prefs);

// Writes the named keys of settings (every key of the table when keys is
// empty) and the file; false when the file could not be written, which the
// store has said on the console.
bool writeSettings(PreferenceStore& prefs, const Settings& settings, const QStringList& keys = {});

// The marker that ends the first run, and the keys a first run writes; the
// others read as they would when missing anyway.
bool writeFirstRun(PreferenceStore& prefs, const Settings& settings);

}  // namespace dunok
