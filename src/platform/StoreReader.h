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
};

// The "Timers" rows in store order (ascending id). No file: an empty list.
// A file that cannot be read: nothing, and why in *error.
std::optional<QList<StoredTimer>> readStoredTimers(const QString& path, QString* error);

}  // namespace dunok
