// The timers as the next start of Dunok will show them, read while no Dunok
// runs and without changing a byte: for the command line's listing and its
// lookups before it starts one.
#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "domain/TimerLookup.h"

namespace dunok {

struct StoreError;

// The store's timers in the list's order, in the state the next start gives
// them; the ready-made ones for a new user. Nothing, and why in *why, for a
// store that the program would refuse to open (from a newer Dunok, a dangling
// link, a folder, not a database, ...), with the same words it would use.
// The timers themselves, in the user's own order (not the list's sort), as the
// next start will have them: what --export writes while no Dunok runs.
std::optional<QList<Timer>> storedTimersAtNextStart(const QString& storePath,
                                                    const QString& prefsPath, StoreError* why);

std::optional<QList<TimerStatus>> timersAtNextStart(const QString& storePath,
                                                    const QString& prefsPath, qint64 nowMs,
                                                    StoreError* why);

}  // namespace dunok
