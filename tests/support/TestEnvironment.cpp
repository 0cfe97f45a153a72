#include "support/TestEnvironment.h"

#include <QDir>
#include <QTest>

#include "desktop/Alarm.h"
#include "desktop/AudioPlayer.h"
#include "domain/Constants.h"
#include "domain/TimerModel.h"
#include "storage/Store.h"
#include "storage/TimerStore.h"
#include "support/HostileStore.h"

namespace dunok::testing {

QList<Timer> storedRecords(const QString& storePath) {
    TimerStore reader;
    StoreError error;
    std::optional<QList<Timer>> all;
    if (reader.open(storePath, &error)) all = reader.timers(&error);
    if (!all) qWarning("reading %s: %s", qPrintable(storePath), qPrintable(error.consoleText()));
    return all.value_or(QList<Timer>());
}

QStringList entries(const QList<Timer>& list) {
    QStringList out;
    for (const Timer& t : list) out << t.desc + '/' + QString::number(t.duration);
    return out;
}

QStringList descriptions(const QList<Timer>& list) {
    QStringList out;
    for (const Timer& t : list) out << t.desc;
    return out;
}

StoreFixture::StoreFixture(const QString& path) : store_(std::make_unique<TimerStore>()) {
    StoreError error;
    if (!store_->open(path, &error)) qFatal("test store: %s", qPrintable(error.consoleText()));
}

Timer StoreFixture::addTimer(const QString& desc, qint64 duration, const QString& sound) {
    QList<Timer> timer{newTimer(desc, duration, sound)};
    StoreError error;
    if (!store_->add(timer, &error)) qFatal("test store save: %s", qPrintable(error.consoleText()));
    return timer.first();
}

QString listAgainstStore(const QString& storePath, const QList<Timer>& list,
                         const QStringList& shown, int sort) {
    const QStringList integrity = sql(storePath, QStringLiteral("PRAGMA integrity_check"));
    if (integrity != QStringList{"ok"}) return "integrity_check: " + integrity.join(u", ");
    QStringList stored = storedTimers(storePath), listed = entries(list), names;
    for (const QString& timer : std::as_const(listed))
        names << timer.section(QLatin1Char('/'), 0, -2);
    if (names != shown)
        return QStringLiteral("shown [%1], listed [%2]").arg(shown.join(u", "), names.join(u", "));
    if (sort != sortNone) {  // shown sorted: the same timers, each as often
        stored.sort();
        listed.sort();
    }
    if (listed != stored)
        return QStringLiteral("listed [%1], stored [%2]")
            .arg(listed.join(u", "), stored.join(u", "));
    return QString();
}

}  // namespace dunok::testing
