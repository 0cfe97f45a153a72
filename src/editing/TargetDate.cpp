#include "editing/TargetDate.h"

#include <QLocale>
#include <QRegularExpression>

namespace dunok {

QDateTime momentAt(QDate date, QTime time, const QTimeZone& zone) {
    if (!date.isValid() || !time.isValid()) return QDateTime();
    const QDateTime moment(date, time, zone);
    if (moment.isValid()) return moment;
    // Qt calls a skipped clock time invalid; count it with the offset that was
    // in force a day earlier, before the change.
    const QDateTime fields(date, time, Qt::UTC);
    const int offsetBefore = zone.offsetFromUtc(fields.addDays(-1));
    return fields.addSecs(-offsetBefore).toTimeZone(zone);
}

QDateTime startOfMinute(const QDateTime& when, const QTimeZone& zone) {
    const QDateTime local = when.toTimeZone(zone);
    const QTime t = local.time();
    return momentAt(local.date(), QTime(t.hour(), t.minute()), zone);
}

qint64 roundedSecsSinceEpoch(const QDateTime& when) {
    const qint64 ms = when.toMSecsSinceEpoch();
    return ms >= 0 ? (ms + 500) / 1000 : -((-ms + 500) / 1000);
}

std::optional<qint64> secondsToTarget(const QDateTime& target, const QDateTime& now,
                                      const QTimeZone& zone) {
    if (roundedSecsSinceEpoch(now) > roundedSecsSinceEpoch(target)) return std::nullopt;
    const qint64 ms = startOfMinute(now, zone).msecsTo(startOfMinute(target, zone));
    return ms >= 0 ? (ms + 500) / 1000 : -((-ms + 500) / 1000);
}

namespace {
// The locale's short date and time, but with four-digit years (two-digit ones
// would be read as the 1900s) and without seconds, which the duration ignores.
QString pickerFormat() {
    const QLocale locale;
    QString date = locale.dateFormat(QLocale::ShortFormat);
    if (!date.contains(QStringLiteral("yyyy")))
        date.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    QString time = locale.timeFormat(QLocale::ShortFormat);
    time.remove(QRegularExpression(QStringLiteral("[:.]?s+")));
    return date + QLatin1Char(' ') + time;
}
}  // namespace

TargetDateEdit::TargetDateEdit(const QTimeZone& zone, QWidget* parent)
    : QDateTimeEdit(parent), zone_(zone) {
    setTimeSpec(Qt::UTC);
    setDisplayFormat(pickerFormat());
    setCalendarPopup(false);
}

void TargetDateEdit::setMoment(const QDateTime& moment) {
    const QDateTime local = moment.toTimeZone(zone_);
    setDateTime(QDateTime(local.date(), local.time(), Qt::UTC));
}

QDateTime TargetDateEdit::moment() const {
    const QDateTime fields = dateTime();
    return momentAt(fields.date(), fields.time(), zone_);
}

}  // namespace dunok
