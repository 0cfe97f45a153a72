// What one cell of the timer list shows, built from the timer list, the
// running-timer table and the preferences.
#pragma once

#include <QString>

namespace dunok {

class RunningTimers;
struct Timer;

namespace CellIdentifiers {
inline const QString cellDescription = QStringLiteral("cellDescription");
inline const QString cellDuration = QStringLiteral("cellDuration");
}  // namespace CellIdentifiers

struct CellContents {
    QString identifier;  // empty: no cell for that column
    QString text;
    double fontSize = 0.0;  // points
    QString image;          // a compiled-in image name, or empty

    bool operator==(const CellContents&) const = default;
};

// Both cells of a row.
struct RowContents {
    CellContents description;
    CellContents duration;
    // Where the row's entry of the running-timer table was when it was built
    // (-1: none), the hint for the next build of the same row.
    int alertIndex = -1;
};
// The row of timer, as it stands in running (null: nothing runs).
// countdownDigits: a running timer counts down as 0:04:59 rather than in
// words. alertHint: the alertIndex of the row's last build.
RowContents buildRowCells(const Timer& timer, const RunningTimers* running, bool countdownDigits,
                          int alertHint = -1);

}  // namespace dunok
