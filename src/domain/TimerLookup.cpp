#include "domain/TimerLookup.h"

#include <QCoreApplication>
#include <algorithm>

#include "domain/Constants.h"
#include "domain/TimerModel.h"

namespace dunok {

TimerMatch matchTimer(const QStringList& descriptions, const QString& query,
                      MatchPrefixes prefixes) {
    TimerMatch match;
    // Tiers, the first with any hit decides: the exact name, the name with
    // case ignored, then names that start with the query.
    QList<int> tiers[3];
    for (int i = 0; i < descriptions.size(); ++i) {
        const QString& d = descriptions[i];
        if (d == query)
            tiers[0] << i;
        else if (d.compare(query, Qt::CaseInsensitive) == 0)
            tiers[1] << i;
        else if (prefixes == MatchPrefixes::Yes && !query.isEmpty() &&
                 d.startsWith(query, Qt::CaseInsensitive))
            tiers[2] << i;
    }
    for (const QList<int>& hits : tiers) {
        if (hits.isEmpty()) continue;
        if (hits.size() == 1) {
            match.kind = TimerMatch::Kind::Found;
            match.index = hits.constFirst();
        } else {
            match.kind = TimerMatch::Kind::Ambiguous;
            for (int i : hits) match.candidates << descriptions[i];
        }
        break;
    }
    return match;
}

bool isAcceptableName(const QString& name) {
    // Quotes are part of names people give ("Mum's tea"); a line break or
    // another control character would break the one-a-line listing.
    return std::none_of(name.cbegin(), name.cend(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString nameProblem(const QString& name) {
    if (!isAcceptableName(name))
        return QCoreApplication::translate(
            "TimerLookup", "A timer name cannot contain line breaks or other control characters.");
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("TimerLookup", "A timer name cannot be empty.");
    return {};
}

QString stateWord(TimerState state) {
    switch (state) {
        case TimerState::Stopped:
            break;
        case TimerState::Running:
            return QStringLiteral("running");
        case TimerState::Paused:
            return QStringLiteral("paused");
        case TimerState::Finished:
            return QStringLiteral("finished");
    }
    return QStringLiteral("stopped");
}

QString unusedName(const QString& name, const QStringList& taken) {
    if (!taken.contains(name)) return name;
    for (int n = 2;; ++n)
        if (const QString numbered = QStringLiteral("%1 %2").arg(name).arg(n);
            !taken.contains(numbered))
            return numbered;
}

QString missText(const TimerMatch& match, const QString& query, const QStringList& descriptions) {
    const auto indented = [](const QStringList& names) {
        QString text;
        for (const QString& name : names) text += QStringLiteral("\n  ") + name;
        return text;
    };
    switch (match.kind) {
        case TimerMatch::Kind::Found:
            return {};
        case TimerMatch::Kind::Ambiguous:
            return QCoreApplication::translate("TimerLookup", "“%1” matches more than one timer:")
                       .arg(query) +
                   indented(match.candidates);
        case TimerMatch::Kind::None:
            break;
    }
    return (descriptions.isEmpty()
                ? QCoreApplication::translate("TimerLookup",
                                              "There is no timer “%1”, and no timers are stored.")
                : QCoreApplication::translate("TimerLookup",
                                              "There is no timer “%1”. The timers are:"))
               .arg(query) +
           indented(descriptions);
}

QList<TimerStatus> timerStatuses(const TimerList& list,
                                 const std::function<TimerState(const QString& id)>& stateOf,
                                 const std::function<qint64(const QString& id)>& secondsLeft,
                                 const std::function<QString(const QString& id)>& round) {
    QList<TimerStatus> statuses;
    for (const Timer& timer : list.timers()) {
        const QString id = timerId(timer);
        statuses << TimerStatus{timer.desc, stateWord(stateOf(id)), secondsLeft(id), round(id)};
    }
    return statuses;
}

QString clockText(qint64 seconds) {
    seconds = std::max<qint64>(seconds, 0);
    const qint64 h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    const QString tail = QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
    if (h == 0) return QStringLiteral("%1:%2").arg(m).arg(tail);
    return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(tail);
}

QString routineRound(int round, int rounds) {
    if (round < 1) return QString();
    return rounds > 0 ? QStringLiteral("%1/%2").arg(round).arg(rounds) : QString::number(round);
}

QString roundText(int round, int rounds) {
    if (round < 1) return QString();
    return rounds > 0
               ? QCoreApplication::translate("TimerLookup", "%1 of %2").arg(round).arg(rounds)
               : QCoreApplication::translate("TimerLookup", "round %1").arg(round);
}

QString countUpText(qint64 seconds) {
    return QLatin1Char('+') + clockText(seconds);
}

QString listingLine(const TimerStatus& status) {
    QString description = status.description;
    for (QChar& c : description)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    // A finished timer that counts up has the seconds since its finish, negative.
    QString line =
        description + QLatin1Char('\t') + status.state + QLatin1Char('\t') +
        (status.secondsLeft < 0 ? countUpText(-status.secondsLeft) : clockText(status.secondsLeft));
    if (!status.round.isEmpty()) line += QStringLiteral("\tround ") + status.round;
    return line;
}

}  // namespace dunok
