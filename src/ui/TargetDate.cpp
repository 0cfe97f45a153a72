#include "ui/TargetDate.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalBlocker>

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

bool clockTimeExists(QDate date, QTime time, const QTimeZone& zone) {
    return QDateTime(date, time, zone).isValid();
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
QString pickerDateFormat() {
    QString date = QLocale().dateFormat(QLocale::ShortFormat);
    if (!date.contains(QStringLiteral("yyyy")))
        date.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return date;
}
QString pickerTimeFormat() {
    QString time = QLocale().timeFormat(QLocale::ShortFormat);
    time.remove(QRegularExpression(QStringLiteral("[:.]?s+")));
    return time;
}
}  // namespace

TargetDateEdit::TargetDateEdit(const QTimeZone& zone, QWidget* parent)
    : QDateTimeEdit(parent),
      zone_(zone),
      dateFormat_(pickerDateFormat()),
      timeFormat_(pickerTimeFormat()) {
    setTimeSpec(Qt::UTC);
    setDisplayFormat(dateFormat_ + QLatin1Char(' ') + timeFormat_);
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

QString TargetDateEdit::dateText(QDate date) const {
    return locale().toString(date, dateFormat_);
}

QString TargetDateEdit::timeText(QTime time) const {
    return locale().toString(time, timeFormat_);
}

QDateTime TargetDateEdit::parse(const QString& text) const {
    const QDateTime read = locale().toDateTime(text.simplified(), displayFormat());
    if (!read.isValid()) return QDateTime();
    const QDateTime fields(read.date(), read.time(), Qt::UTC);
    if (fields < minimumDateTime() || fields > maximumDateTime()) return QDateTime();
    return fields;
}

// Only text that the picker would show itself is taken while the user types:
// "02:3" reads as 02:03, which would be written back into the field and
// spoil the "0" that comes next.
QValidator::State TargetDateEdit::validate(QString& input, int& /*pos*/) const {
    const QDateTime fields = parse(input);
    return fields.isValid() && textFromDateTime(fields) == input ? QValidator::Acceptable
                                                                 : QValidator::Intermediate;
}

QDateTime TargetDateEdit::dateTimeFromText(const QString& text) const {
    const QDateTime fields = parse(text);
    return fields.isValid() ? fields : dateTime();
}

bool TargetDateEdit::refuseUnreadableText() {
    const QString text = lineEdit()->text();
    const QDateTime fields = parse(text);
    if (!fields.isValid()) {
        emit textRefused(text);
        return true;
    }
    if (fields != dateTime()) setDateTime(fields);
    return false;
}

void TargetDateEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Kept as typed, so that the user can mend it.
        if (refuseUnreadableText()) return event->accept();
        return QDateTimeEdit::keyPressEvent(event);
    }
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool typing = plain && ((!event->text().isEmpty() && event->text().at(0).isPrint()) ||
                                  key == Qt::Key_Backspace || key == Qt::Key_Delete);
    const bool moving = plain && (key == Qt::Key_Left || key == Qt::Key_Right ||
                                  key == Qt::Key_Home || key == Qt::Key_End);
    const bool stepping = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                          key == Qt::Key_PageDown;
    const bool mending = lineEdit()->text() != textFromDateTime(dateTime());
    if (typing || (moving && mending)) {
        // Into the text as typed. The stock editor takes a space or a colon
        // as a jump to the next section, and at each move of the cursor into
        // another section puts back its last value over a text that is not
        // yet a whole date; the text is read when the user is done instead.
        const QSignalBlocker blocker(lineEdit());
        return QAbstractSpinBox::keyPressEvent(event);
    }
    // Stepping starts from what was typed, or from nothing the user cannot see.
    if (stepping && mending && refuseUnreadableText()) return event->accept();
    QDateTimeEdit::keyPressEvent(event);
}

void TargetDateEdit::focusOutEvent(QFocusEvent* event) {
    refuseUnreadableText();
    QDateTimeEdit::focusOutEvent(event);
}

}  // namespace dunok
