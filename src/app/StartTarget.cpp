#include "app/StartTarget.h"

#include <QCoreApplication>

#include "app/CommandLine.h"
#include "domain/CountdownText.h"
#include "domain/DurationParser.h"
#include "domain/TimerLookup.h"

namespace dunok {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StartTarget)
};

StartTarget failure(StartTarget::Kind kind, const QString& message) {
    StartTarget target;
    target.kind = kind;
    target.message = message;
    return target;
}

QString notADuration(const QString& text) {
    return Texts::tr("“%1” is neither a timer nor a duration such as 90s, 1:30 or 1h 5m.")
        .arg(text);
}

// "an 8-minute", "an 11-second", "an 18h 5m": the article follows how the
// leading number is spoken.
bool takesAn(qint64 leading) {
    const QString digits = QString::number(leading);
    if (digits.startsWith(QLatin1Char('8'))) return true;
    // eleven, eighteen, eleven thousand, eighteen million ...
    return digits.size() % 3 == 2 &&
           (digits.startsWith(QLatin1String("11")) || digits.startsWith(QLatin1String("18")));
}
}  // namespace

int StartTarget::exitStatus() const {
    switch (kind) {
        case Kind::Timer:
        case Kind::Duration:
            return ExitStatus::ok;
        case Kind::NotADuration:
        case Kind::OutOfRange:
            return ExitStatus::usage;
        case Kind::NoSuchTimer:
        case Kind::Ambiguous:
            break;
    }
    return ExitStatus::noSuchTimer;
}

StartTarget resolveStart(const QStringList& descriptions, const QString& text, bool durationOnly) {
    const auto asTimer = [&](const TimerMatch& match) {
        StartTarget target;
        if (match.kind == TimerMatch::Kind::Found) {
            target.kind = StartTarget::Kind::Timer;
            target.description = descriptions.at(match.index);
        } else {
            target.kind = match.kind == TimerMatch::Kind::Ambiguous
                              ? StartTarget::Kind::Ambiguous
                              : StartTarget::Kind::NoSuchTimer;
            target.message = missText(match, text, descriptions);
        }
        return target;
    };
    if (!durationOnly) {
        const TimerMatch named = matchTimer(descriptions, text, MatchPrefixes::No);
        if (named.kind != TimerMatch::Kind::None) return asTimer(named);
    }
    const DurationReading duration = parseDuration(text);
    switch (duration.problem) {
        case DurationProblem::none: {
            StartTarget target;
            target.kind = StartTarget::Kind::Duration;
            target.seconds = duration.seconds;
            return target;
        }
        case DurationProblem::outOfRange:
            return failure(StartTarget::Kind::OutOfRange, durationRangeText());
        case DurationProblem::empty:
        case DurationProblem::unreadable:
            break;
    }
    if (durationOnly) return failure(StartTarget::Kind::NotADuration, notADuration(text));
    return asTimer(matchTimer(descriptions, text, MatchPrefixes::Yes));
}

QString startedTimerText(const QString& description) {
    return Texts::tr("Started “%1”").arg(description);
}

QString startedOneOffText(qint64 seconds, const QString& name) {
    QString length;
    qint64 leading = seconds;
    if (seconds % 86400 == 0)
        length = Texts::tr("%n-day", "a 2-day timer", int(leading = seconds / 86400));
    else if (seconds % 3600 == 0)
        length = Texts::tr("%n-hour", "a 2-hour timer", int(leading = seconds / 3600));
    else if (seconds % 60 == 0)
        length = Texts::tr("%n-minute", "a 5-minute timer", int(leading = seconds / 60));
    else if (seconds < 60)
        length = Texts::tr("%n-second", "a 45-second timer", int(seconds));
    else {
        length = toDHMS(seconds).simplified();
        leading = seconds >= 86400  ? seconds / 86400
                  : seconds >= 3600 ? seconds / 3600
                                    : seconds / 60;
    }
    return (takesAn(leading) ? Texts::tr("Started an %1 timer “%2”")
                             : Texts::tr("Started a %1 timer “%2”"))
        .arg(length, name);
}

}  // namespace dunok
