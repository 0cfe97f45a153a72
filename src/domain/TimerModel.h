// What the rest of the program says about a timer: its id as the running
// timers, notifications and the bus know it, and the snooze command's label.
#pragma once

#include <QString>

#include "domain/Timer.h"
#include "domain/TimerList.h"

namespace dunok {

// A timer with these fields and the default snooze, not stored yet.
Timer newTimer(const QString& desc, qint64 duration, const QString& sound);

// "Snooze 5m", "Snooze 1h 30m": the label of the snooze command.
QString snoozeLabel(qint64 seconds);

}  // namespace dunok
