#include "domain/Preferences.h"

#include "domain/Constants.h"
#include "domain/PreferenceStore.h"

namespace dunok {

Settings startSettings() {
    Settings settings = firstRunSettings();
    settings.quietWithMouse = true;
    return settings;
}

Preferences::Preferences(PreferenceStore* store, const Settings& settings, QObject* parent)
    : QObject(parent), store_(store), settings_(settings) {
    if (!settings_.defSound) settings_.defSound = Constants::defSound;
}

QString Preferences::defSound() const {
    return settings_.defSound.value_or(Constants::defSound);
}

PreferenceTrouble Preferences::load() {
    PreferenceTrouble trouble;
    if (!store_) return trouble;
    trouble.path = store_->path();
    trouble.fileReset = store_->wasReset();
    trouble.keptCopy = store_->keptCopy();
    const SettingsRead read = readSettings(*store_);
    // A file that cannot be written has already said so; this run goes on
    // with the defaults it holds in memory, which are not read back.
    if (read.firstRun) writeFirstRun(*store_, read.settings);
    trouble.badKeys = read.badKeys;
    take(read.settings);
    return trouble;
}

bool Preferences::change(const Settings& settings, const QStringList& keys) {
    take(settings);
    return !store_ || writeSettings(*store_, settings_, keys);
}

void Preferences::changeForThisRun(const Settings& settings) {
    take(settings);
}

void Preferences::take(const Settings& settings) {
    // Without a stored sound the one in use stays the one new timers get.
    const std::optional<QString> sound = settings_.defSound;
    settings_ = settings;
    if (!settings_.defSound) settings_.defSound = sound;
    emit changed(settings_);
}

void Preferences::writeBackDefaults(const PreferenceTrouble& trouble) {
    if (trouble.badKeys.isEmpty() || !store_) return;
    for (const PreferenceTrouble::BadKey& bad : trouble.badKeys)
        store_->setValue(bad.key, bad.fallback);
    store_->synchronize();
}

}  // namespace dunok
