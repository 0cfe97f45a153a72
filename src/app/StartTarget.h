// What `dunok --start TEXT` asks for, and the line that tells what started.
#pragma once

#include <QString>
#include <QStringList>

namespace dunok {

struct StartTarget {
    enum class Kind {
        Timer,         // the timer described as description
        Duration,      // a new timer of seconds
        NotADuration,  // with --name or --save, TEXT must be a duration
        OutOfRange,    // a duration, but zero, negative or over a year
        NoSuchTimer,
        Ambiguous,
    };
    Kind kind = Kind::NoSuchTimer;
    QString description;
    qint64 seconds = 0;
    // For the failures: what to tell the user.
    QString message;

    bool failed() const { return kind != Kind::Timer && kind != Kind::Duration; }
    // The command line's exit status for a failure.
    int exitStatus() const;
};

// With durationOnly (--name or --save given) TEXT is a duration. Otherwise a
// timer whose description is TEXT (case ignored only when none matches
// exactly) comes first, then a duration as the add-multiple sheet reads one
// ("5 m", "1:30"), then the one timer whose description begins with TEXT.
StartTarget resolveStart(const QStringList& descriptions, const QString& text, bool durationOnly);

// "Started “Tea”".
QString startedTimerText(const QString& description);
// "Started a 45-second timer “fortyfive”", "Started an 8-minute timer “Eggs”",
// "Started a 1h 30m timer “Roast”".
QString startedOneOffText(qint64 seconds, const QString& name);

}  // namespace dunok
