// Shared set-up for tests: a private home for the XDG folders, a fresh store, a returning user.
#pragma once

#include <QString>
#include <memory>

#include "desktop/Alarm.h"
#include "domain/Constants.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "storage/TimerStore.h"
#include "support/domain/TestHome.h"

namespace dunok {

namespace testing {

// The timers of the store at storePath as a new run of the program finds
// them, in the user's order; none when it cannot read them.
QList<Timer> storedRecords(const QString& storePath);
// "description/seconds" of each timer of a list, or of the store.
QStringList entries(const QList<Timer>& list);
inline QStringList storedTimers(const QString& storePath) {
    return entries(storedRecords(storePath));
}
// The descriptions of a list.
QStringList descriptions(const QList<Timer>& list);

// Empty when the file passes integrity_check, the program's list holds what
// the file holds (in the file's order unless `sort` is on) and `shown` (the
// table's first column, top to bottom) is that list; else what differs.
QString listAgainstStore(const QString& storePath, const QList<Timer>& list,
                         const QStringList& shown, int sort);

// Changes some of prefs' settings for this run, as the sheet's pop-up or a
// drop would: edit gets the settings to change.
template <typename Edit>
void changeSettings(Preferences& prefs, Edit edit) {
    Settings settings = prefs.settings();
    edit(settings);
    prefs.changeForThisRun(settings);
}

// An open store over a file of its own.
class StoreFixture {
public:
    explicit StoreFixture(const QString& path);
    TimerStore& store() { return *store_; }
    // Stores one timer; returns it.
    Timer addTimer(const QString& desc, qint64 duration,
                   const QString& sound = QStringLiteral("Chimes"));

private:
    std::unique_ptr<TimerStore> store_;
};

// A returning user: an empty list gets no ready-made timers; custom order.
struct ReturningUser {
    TestHome home;
    StoreFixture store{home.storePath()};
    PreferenceStore file{home.prefsPath()};
    Preferences prefs{&file};
    SharedPlayer player;
    ReturningUser() {
        file.setValue(PrefKeys::havePrefs, 100);
        file.setValue(PrefKeys::newDatabase, false);
        file.setValue(PrefKeys::sort, sortNone);
    }
};

}  // namespace testing
}  // namespace dunok
