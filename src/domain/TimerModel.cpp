#include "domain/TimerModel.h"

#include <QCoreApplication>
#include <QStringList>

namespace dunok {

Timer newTimer(const QString& desc, qint64 duration, const QString& sound) {
    Timer timer;
    timer.desc = desc;
    timer.duration = duration;
    timer.sound = sound;
    return timer;
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

}  // namespace dunok
