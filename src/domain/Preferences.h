// The preferences the program runs with: one object, made by the application
// for the whole run and handed down to whatever reads a setting, reads them
// from the file at start and is the one place that changes them.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "domain/Settings.h"

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

// What the program runs with before the file is read: the first-run values,
// but with a moved mouse silencing the alarm.
Settings startSettings();

class Preferences : public QObject {
    Q_OBJECT
public:
    // Without a store the settings live in memory only (tests, and parts of
    // the program that never write).
    explicit Preferences(PreferenceStore* store = nullptr,
                         const Settings& settings = startSettings(), QObject* parent = nullptr);

    const Settings& settings() const { return settings_; }
    // The sound new timers get; always a name, even when the file holds none.
    QString defSound() const;
    PreferenceStore* store() const { return store_; }

    // On a first run (havePrefs 0 or missing) writes havePrefs 100 and the
    // first-run defaults; otherwise reads every key. A missing key reads as
    // its default; so does one whose text cannot be read, which is returned
    // along with a file that had to be started anew.
    PreferenceTrouble load();
    // Takes settings for the rest of the run and writes the named keys
    // (every key when empty) to the file. False when the file could not be
    // written, which the store has said on the console; the new settings
    // still hold for this run.
    bool change(const Settings& settings, const QStringList& keys = {});
    // Takes settings for the rest of the run without writing a key.
    void changeForThisRun(const Settings& settings);
    // Writes the defaults over the keys that could not be read, so that the
    // next start finds them clean.
    void writeBackDefaults(const PreferenceTrouble& trouble);

signals:
    void changed(const Settings& settings);

private:
    void take(const Settings& settings);

    PreferenceStore* store_ = nullptr;
    Settings settings_;
};

}  // namespace dunok
