#include "domain/Timer.h"

#include <algorithm>

namespace dunok {

bool isSoundName(const QString& name) {
    // Anything that could reach past the folder's own files is refused: a
    // separator, "." and "..", a hidden file (the list never offers one), and
    // a NUL, at which the file system would cut the name short.
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

qint64 readableDuration(qint64 stored) {
    return std::clamp<qint64>(stored, 0, maxTimerDuration);
}

qint64 readableSnooze(std::optional<qint64> stored) {
    if (!stored || *stored < minSnoozeDuration || *stored > maxSnoozeDuration || *stored % 60 != 0)
        return defSnoozeDuration;
    return *stored;
}

qint64 readableWarning(std::optional<qint64> stored) {
    if (!stored) return 0;
    return std::ranges::find(warningChoices, *stored) != std::end(warningChoices) ? *stored : 0;
}

std::optional<KeptRoutine> readKeptRoutine(std::optional<qint64> head, std::optional<qint64> round,
                                           std::optional<qint64> rounds) {
    if (!head || !round || !rounds || *head < 1 || *round < 0 || *round > maxRoutineRounds ||
        *rounds < 0 || *rounds > maxRoutineRounds)
        return std::nullopt;
    return KeptRoutine{*head, int(*round), int(*rounds)};
}

void readRoutine(Timer& timer, std::optional<qint64> then, std::optional<qint64> rounds,
                 std::optional<qint64> next) {
    timer.then = WhenFinished::Stop;
    timer.rounds = 0;
    timer.next = 0;
    const qint64 r = rounds.value_or(0);
    if (!then || r < 0 || r > maxRoutineRounds) return;
    if (*then == qint64(WhenFinished::Repeat)) {
        timer.then = WhenFinished::Repeat;
    } else if (*then == qint64(WhenFinished::Start) && next.value_or(0) > 0) {
        timer.then = WhenFinished::Start;
        timer.next = *next;
    } else {
        return;
    }
    timer.rounds = int(r);
}

}  // namespace dunok
