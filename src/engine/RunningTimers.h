// Lookups in the running-timer table (alertsArray).
#pragma once

#include <QString>

namespace dunok {

int getNumAlerts();
int pausedCount();
// Index of the first entry shown on that row, or -1.
int haveAlertForRow(qint64 thisRow);
// Index of the first entry for that timer id, or -1.
int haveAlertForID(const QString& id);

// Points every entry at the row its timer now has in timersArray. The list
// view does this for each row it draws; calling it after every change of the
// list also covers rows that were removed or not drawn, so a tick never
// redraws, and a finish never reads, the wrong row.
void refreshAlertRows();

}  // namespace dunok
