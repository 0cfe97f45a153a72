#include "app/FileCommands.h"

#include <QCoreApplication>
#include <QDateTime>

#include "app/CommandLine.h"
#include "app/Console.h"
#include "app/OfflineTimers.h"
#include "desktop/Alarm.h"
#include "desktop/ControlClient.h"
#include "domain/ListLoading.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/TimerFile.h"
#include "storage/Store.h"
#include "storage/TimerStore.h"

namespace dunok {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

void printStoreTrouble(const StoreError& why) {
    const StoreOpenTrouble trouble = storeOpenTrouble(why);
    printError(trouble.what + QLatin1Char(' ') + trouble.whatToDo);
    printError(why.description);
}

int write(const QString& path, const QByteArray& file, int count) {
    QString error;
    if (!writeTimerFileAt(path, file, &error)) {
        printError(error);
        return ExitStatus::badFile;
    }
    printLine(exportedText(count, path));
    return ExitStatus::ok;
}

// An import refused for its file says so as the window's alert does.
void printRefusal(const QString& why) {
    printError(why + QLatin1Char(' ') + nothingImportedText());
}

// The file to import, or why it cannot be read.
bool read(const QString& path, QByteArray* file) {
    QString error;
    if (readTimerFileAt(path, file, &error)) return true;
    printRefusal(error);
    return false;
}

bool soundKnown(const QString& name) {
    return SoundLibrary().has(name);
}
}  // namespace

int exportOnline(const ControlClient& client, const QString& path) {
    const ControlClient::Reply reply = client.call(QStringLiteral("ExportTimers"));
    if (!reply.ok) return report(reply);
    return write(path, reply.arguments.value(0).toByteArray(), reply.arguments.value(1).toInt());
}

int importOnline(const ControlClient& client, const QString& path) {
    QByteArray file;
    if (!read(path, &file)) return ExitStatus::badFile;
    const ControlClient::Reply reply = client.call(QStringLiteral("ImportTimers"), {file});
    if (reply.ok) printLine(reply.arguments.value(1).toString());
    return report(reply);
}

int exportOffline(const QString& path) {
    StoreError why;
    const auto timers =
        storedTimersAtNextStart(defaultStorePath(), PreferenceStore::defaultPath(), &why);
    if (!timers) {
        printStoreTrouble(why);
        return ExitStatus::unreachable;
    }
    return write(path, timerFileText(*timers), int(timers->size()));
}

int importOffline(const QString& path) {
    QByteArray file;
    if (!read(path, &file)) return ExitStatus::badFile;
    PreferenceStore prefsFile(PreferenceStore::defaultPath());
    Preferences prefs(&prefsFile);
    prefs.load();
    // A bad file changes nothing, not even a store that does not exist yet.
    if (const TimerFileContents contents = readTimerFile(file, prefs.defSound()); !contents.ok()) {
        printRefusal(contents.error);
        return ExitStatus::badFile;
    }
    TimerStore store;
    StoreError why;
    if (!store.open(defaultStorePath(), &why)) {
        printStoreTrouble(why);
        return ExitStatus::unreachable;
    }
    TimerList list;
    if (!populateArray(list, store, prefs.settings().sort)) {
        printError(Texts::tr("The timers could not be read from the store."));
        return ExitStatus::unreachable;
    }
    // The timers are added to the list the next start shows, which for a new
    // user holds the ready-made ones, as it would had Dunok run first.
    if (needsDefaultTimers(list, prefs.settings().newDatabase)) {
        markDefaultTimersCreated(prefs);
        createDefaultEntries(store, prefs.defSound());
        populateArray(list, store, prefs.settings().sort);
    }
    const ImportResult result =
        importTimers(file, store, list.descriptions(), prefs.defSound(), soundKnown);
    if (result.storeRefused) {
        printError(storeRefusalText(result.storeError, nothingImportedText()));
        return ExitStatus::unreachable;
    }
    if (!result.ok()) {
        printRefusal(result.error);
        return ExitStatus::badFile;
    }
    printLine(importedText(result, prefs.defSound()));
    return ExitStatus::ok;
}

}  // namespace dunok
