// Lookups in the running-timer table (alertsArray), and its upkeep.
#pragma once

#include <QString>

namespace dunok {

int getNumAlerts();
int pausedCount();
// Index of the first entry shown on that row, or -1.
int haveAlertForRow(qint64 thisRow);
// Index of the first entry for that timer id, or -1. Every tick and every
// redrawn row looks its timer up, so with many timers running a scan per
// lookup would cost a pass over the whole table each time: hint is where the
// caller last found it, checked before it is trusted, so that it can never
// point at the wrong entry, only miss.
int haveAlertForID(const QString& id, int hint = -1);

// Points every entry at the row its timer now has in timersArray. The list
// view does this for each row it draws; calling it after every change of the
// list also covers rows that were removed or not drawn, so a tick never
// redraws, and a finish never reads, the wrong row.
void refreshAlertRows();

// Takes entry k out of the table for good; its tick never comes again.
void removeAlert(int k);

}  // namespace dunok
