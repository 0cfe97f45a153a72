#include "domain/Timer.h"

#include <algorithm>

namespace dunok {

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

}  // namespace dunok
