// Lookups in the running-timer table (alertsArray), and its upkeep.
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

// Takes entry k out of the table for good; its tick never comes again.
void removeAlert(int k);

}  // namespace dunok
