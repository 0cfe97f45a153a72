// Reading the timers of a store file without opening it for writing: for the
// command line's listing while no Dunok runs. Nothing is created, upgraded or
// locked for longer than the one query.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace dunok {

struct StoredTimer {
    QString description;
    qint64 duration = 0;  // as the file holds it; NULL reads as 0
    // What a run with "Keep running timers across restarts" left: when the
    // timer is due (ms since the epoch) or the seconds a paused one has.
    // Empty when NULL, and in a store older than these columns.
    std::optional<qint64> dueAt = {};
    std::optional<qint64> pausedLeft = {};
};

// The "Timers" rows in store order (ascending id). No file: an empty list.
// A file that cannot be read: nothing, and why in *error.
std::optional<QList<StoredTimer>> readStoredTimers(const QString& path, QString* error);

}  // namespace dunok
