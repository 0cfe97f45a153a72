// The texts a user reads for durations and for the moment something happened.
#pragma once

#include <QDateTime>
#include <QString>

namespace dunok {

// Unit form: "1h  5m 30s" (an hour or day part carries its own trailing blank).
QString toDHMS(qint64 tSecs);
// Clock form: "01:05:30", "1d 00:00:00" with pad true.
QString toDHMS2(qint64 tSecs, bool pad);

// "Finished 10:00:00 AM": the row of a timer that has rung, with the time.
QString finishedText(const QString& time);

// The time of day with seconds, in the medium style of the user's locale.
QString currentTimeStr();
// The date and time of day with seconds, both in the medium style.
QString currentDateTimeStr();

// The same for a given instant and locale (a BCP 47 name such as "en-US",
// "de-DE"); time zone as the process's. For tests and for callers that
// already hold the instant.
QString mediumTimeStr(const QDateTime& when, const QString& localeName);
QString mediumDateTimeStr(const QDateTime& when, const QString& localeName);

}  // namespace dunok
