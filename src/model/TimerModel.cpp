#include "model/TimerModel.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "model/Store.h"

namespace dunok {

const DataModel& timerDataModel() {
    static const DataModel model{
        {EntityDescription{TimersKeys::entity,
                           {
                               {TimersKeys::desc, AttributeType::String, QVariant()},
                               {TimersKeys::duration, AttributeType::Integer64, QVariant()},
                               {TimersKeys::snooze, AttributeType::Integer64, QVariant(qint64(0))},
                               {TimersKeys::snoozeOn, AttributeType::Boolean, QVariant(false)},
                               {TimersKeys::sound, AttributeType::String, QVariant()},
                               {TimersKeys::dueAt, AttributeType::Integer64, QVariant(), 2},
                               {TimersKeys::pausedLeft, AttributeType::Integer64, QVariant(), 2},
                           }}},
        2};
    return model;
}

QString timerId(const TimerRecord& timer) {
    return timer->uriRepresentation();
}

QString timerDesc(const TimerRecord& timer) {
    return timer->value(TimersKeys::desc).toString();
}

qint64 timerDuration(const TimerRecord& timer) {
    return std::clamp<qint64>(timer->value(TimersKeys::duration).toLongLong(), 0, maxTimerDuration);
}

QString timerSound(const TimerRecord& timer) {
    return timer->value(TimersKeys::sound).toString();
}

bool timerSnoozeOn(const TimerRecord& timer) {
    return timer->value(TimersKeys::snoozeOn).toBool();
}

qint64 timerSnooze(const TimerRecord& timer) {
    bool ok = false;
    const qint64 seconds = timer->value(TimersKeys::snooze).toLongLong(&ok);
    if (!ok || seconds < minSnoozeDuration || seconds > maxSnoozeDuration || seconds % 60 != 0)
        return defSnoozeDuration;
    return seconds;
}

QString snoozeLabel(qint64 seconds) {
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds % 3600 / 60;
    QStringList parts;
    if (hours > 0) parts << QCoreApplication::translate("TimerModel", "%1h").arg(hours);
    if (minutes > 0 || hours == 0)
        parts << QCoreApplication::translate("TimerModel", "%1m").arg(minutes);
    return QCoreApplication::translate("TimerModel", "Snooze %1").arg(parts.join(QLatin1Char(' ')));
}

TimerRecord insertTimer(ManagedObjectContext& context, const QString& desc, qint64 duration,
                        const QString& sound) {
    TimerRecord timer = context.insertNewObject(TimersKeys::entity);
    if (!timer) return timer;
    timer->setValue(TimersKeys::desc, desc);
    timer->setValue(TimersKeys::duration, duration);
    timer->setValue(TimersKeys::sound, sound);
    return timer;
}

bool saveNewTimers(ManagedObjectContext& context, const QList<TimerRecord>& records,
                   const QString& failureText, StoreError* why) {
    StoreError error;
    if (context.save(&error)) return true;
    logStoreError(failureText, error);
    if (why) *why = error;
    for (const TimerRecord& record : records) context.deleteObject(record);
    return false;
}

}  // namespace dunok
