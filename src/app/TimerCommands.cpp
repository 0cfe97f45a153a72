#include "app/TimerCommands.h"

#include "desktop/Alarm.h"
#include "domain/Constants.h"
#include "domain/CountdownText.h"
#include "domain/DurationParser.h"
#include "domain/ListLoading.h"
#include "domain/TimerEdits.h"
#include "domain/TimerEngine.h"
#include "domain/TimerFile.h"
#include "domain/TimerList.h"
#include "domain/TimerLookup.h"
#include "domain/TimerModel.h"
#include "storage/Store.h"
#include "storage/TimerStore.h"

namespace dunok {

namespace {
const char* const notRunning = QT_TRANSLATE_NOOP("TimerCommands", "“%1” is not running.");
}  // namespace

QString TimerCommands::defaultName(qint64 seconds) {
    return tr("%1 timer").arg(toDHMS(seconds).simplified());
}

RemoteResult TimerCommands::find(const QString& name, int* row) const {
    // An empty name would be a prefix of every timer.
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        return {RemoteError::InvalidArgument, problem};
    const QStringList names = list_.descriptions();
    const TimerMatch match = matchTimer(names, name);
    if (match.kind == TimerMatch::Kind::Found) {
        *row = match.index;
        return {};
    }
    return {match.kind == TimerMatch::Kind::Ambiguous ? RemoteError::Ambiguous
                                                      : RemoteError::NoSuchTimer,
            missText(match, name, names)};
}

RemoteResult TimerCommands::byName(const QString& name,
                                   bool (TimerEngine::*operation)(const QString&),
                                   const char* refusal) {
    int row = -1;
    RemoteResult result = find(name, &row);
    if (result.error != RemoteError::None) return result;
    if ((engine_.*operation)(timerId(list_.at(row)))) return {};
    const RemoteError error = operation == &TimerEngine::startTimer ? RemoteError::AlreadyRunning
                                                                    : RemoteError::NotRunning;
    return {error, tr(refusal).arg(list_.at(row).desc)};
}

RemoteResult TimerCommands::start(const QString& name) {
    return byName(
        name, &TimerEngine::startTimer,
        QT_TRANSLATE_NOOP("TimerCommands", "“%1” is running or paused already; nothing changed."));
}

RemoteResult TimerCommands::stop(const QString& name) {
    return byName(name, &TimerEngine::stopTimer, notRunning);
}

RemoteResult TimerCommands::pause(const QString& name) {
    return byName(name, &TimerEngine::pauseTimer,
                  QT_TRANSLATE_NOOP("TimerCommands", "“%1” is not counting down."));
}

RemoteResult TimerCommands::resume(const QString& name) {
    return byName(name, &TimerEngine::resumeTimer,
                  QT_TRANSLATE_NOOP("TimerCommands", "“%1” is not paused."));
}

RemoteResult TimerCommands::addTime(const QString& name, qint64 seconds, qint64* left) {
    int row = -1;
    RemoteResult result = find(name, &row);
    if (result.error != RemoteError::None) return result;
    const QString id = timerId(list_.at(row));
    const QString desc = list_.at(row).desc;
    switch (engine_.addTime(id, seconds)) {
        case TimerEngine::AddTime::Added:
            *left = engine_.secondsLeft(id);
            return {};
        case TimerEngine::AddTime::UnknownTimer:
            return {RemoteError::NoSuchTimer, missText({}, name, list_.descriptions())};
        case TimerEngine::AddTime::NotRunning:
            return {RemoteError::NotRunning, tr(notRunning).arg(desc)};
        case TimerEngine::AddTime::BadAmount:
            return {RemoteError::InvalidArgument, addedTimeRangeText()};
        case TimerEngine::AddTime::TooLong:
            break;
    }
    return {RemoteError::InvalidArgument,
            tr("“%1” would have more than 7 days left; nothing changed.").arg(desc)};
}

QString TimerCommands::defSound() const {
    return engine_.settings().defSound.value_or(Constants::defSound);
}

RemoteResult TimerCommands::startDuration(const QString& name, qint64 seconds, bool save) {
    // An empty name here asks for a made-up one.
    if (!isAcceptableName(name)) return {RemoteError::InvalidArgument, nameProblem(name)};
    if (seconds < 1 || seconds > maxTypedDuration)
        return {RemoteError::InvalidArgument, durationRangeText()};
    QString desc = name.trimmed().isEmpty() ? defaultName(seconds) : name.trimmed();
    Timer timer;
    if (save) {
        timer = dunok::newTimer(desc, seconds, defSound());
        StoreError error;
        if (!saveTimer(store_, timer, &error))
            return {RemoteError::Failed,
                    storeRefusalText(error, tr("The new timer could not be saved."))};
        // Listed where the order puts it, then started.
        window_.reloadList();
        engine_.startTimer(timerId(timer));
    } else {
        // Named apart from the listed timers, so that it can be found by its name.
        desc = dunok::unusedName(desc, list_.descriptions());
        // At the end of the list now; started first, it stays in the list
        // through the reload that puts the list in its order.
        timer = oneOffs_.add(list_, desc, seconds, defSound());
        engine_.startTimer(timerId(timer));
        window_.reloadList();
    }
    return {RemoteError::None, {}, desc};
}

void TimerCommands::stopAll() {
    engine_.stopAll();
}

void TimerCommands::silence() {
    engine_.silence();
}

RemoteResult TimerCommands::exportTimers(QByteArray* file, int* count) {
    StoreError error;
    const std::optional<QList<Timer>> stored = store_.timers(&error);
    if (!stored)
        return {RemoteError::Failed,
                tr("The timers could not be read from the store: %1").arg(error.description)};
    *file = timerFileText(*stored);
    *count = int(stored->size());
    return {};
}

RemoteResult TimerCommands::importTimers(const QByteArray& file, int* count, QString* summary) {
    const SoundLibrary sounds;
    const ImportResult result =
        dunok::importTimers(file, store_, list_.descriptions(), defSound(),
                            [&sounds](const QString& name) { return sounds.has(name); });
    if (result.storeRefused)
        return {RemoteError::Failed, storeRefusalText(result.storeError, nothingImportedText())};
    if (!result.ok())
        return {RemoteError::BadFile, result.error + QLatin1Char(' ') + nothingImportedText()};
    window_.reloadList();
    *count = int(result.timers.size());
    *summary = importedText(result, defSound());
    return {};
}

QList<RemoteTimer> TimerCommands::list() const {
    QList<RemoteTimer> timers;
    for (const TimerStatus& status : timerStatuses(
             list_, [this](const QString& id) { return engine_.stateOf(id); },
             [this](const QString& id) { return engine_.secondsLeft(id); },
             [this](const QString& id) {
                 const Alert* alert = engine_.alertsArray().find(id);
                 return alert ? routineRound(alert->round, alert->rounds) : QString();
             }))
        timers << RemoteTimer{status.description, status.state, status.secondsLeft, status.round};
    return timers;
}

}  // namespace dunok
