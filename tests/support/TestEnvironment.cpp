#include "support/TestEnvironment.h"

#include <QDir>
#include <QTest>

#include "engine/Alarm.h"
#include "model/Globals.h"
#include "model/Store.h"
#include "model/TimerModel.h"
#include "platform/AudioPlayer.h"
#include "platform/ObjectStore.h"

namespace dunok::testing {

TestHome::TestHome() {
    const QString base = dir_.path();
    QDir().mkpath(base + "/data");
    QDir().mkpath(base + "/config");
    QDir().mkpath(base + "/runtime");
    QFile::setPermissions(base + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_DATA_HOME", QFile::encodeName(base + "/data"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(base + "/config"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base + "/runtime"));
}

Alert runningAlert(const TimerRecord& timer, qint64 value, bool paused) {
    Alert alert;
    alert.id = timerId(timer);
    alert.value = value;
    alert.isPaused = paused;
    alert.theTimer = paused ? nullptr : std::make_shared<IdleTick>();
    alert.row = -1;
    return alert;
}

QList<TimerRecord> storedRecords(const QString& storePath) {
    ManagedObjectContext reader(timerDataModel());
    StoreError error;
    std::optional<QList<TimerRecord>> all;
    if (reader.open(storePath, &error)) all = reader.fetch({TimersKeys::entity, {}}, &error);
    if (!all) qWarning("reading %s: %s", qPrintable(storePath), qPrintable(error.consoleText()));
    return all.value_or(QList<TimerRecord>());
}

QStringList entries(const QList<TimerRecord>& list) {
    QStringList out;
    for (const TimerRecord& t : list) out << timerDesc(t) + '/' + QString::number(timerDuration(t));
    return out;
}

QStringList descriptions(const QList<TimerRecord>& list) {
    QStringList out;
    for (const TimerRecord& t : list) out << timerDesc(t);
    return out;
}

void resetGlobals() {
    for (Alert& alert : alertsArray)
        if (alert.theTimer) alert.theTimer->invalidate();
    alertsArray.clear();
    timersArray.clear();
    wasReordered = false;
}

StoreFixture::StoreFixture(const QString& path)
    : context_(std::make_unique<ManagedObjectContext>(timerDataModel())) {
    StoreError error;
    if (!context_->open(path, &error)) qFatal("test store: %s", qPrintable(error.consoleText()));
    setViewContext(context_.get());
}

StoreFixture::~StoreFixture() {
    timersArray.clear();
    setViewContext(nullptr);
}

std::shared_ptr<ManagedObject> StoreFixture::addTimer(const QString& desc, qint64 duration,
                                                      const QString& sound) {
    auto timer = context_->insertNewObject(TimersKeys::entity);
    timer->setValue(TimersKeys::desc, desc);
    timer->setValue(TimersKeys::duration, duration);
    timer->setValue(TimersKeys::sound, sound);
    StoreError error;
    if (!context_->save(&error)) qFatal("test store save: %s", qPrintable(error.consoleText()));
    return timer;
}

}  // namespace dunok::testing
