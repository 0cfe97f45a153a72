// --export and --import: an export file written from, or added to, the running
// Dunok's timers, or the store itself while no Dunok runs.
#pragma once

#include <QString>

namespace dunok {

class ControlClient;

// Each prints what it did or what went wrong and returns the exit status.
int exportOnline(const ControlClient& client, const QString& path);
int importOnline(const ControlClient& client, const QString& path);
int exportOffline(const QString& path);
int importOffline(const QString& path);

}  // namespace dunok
