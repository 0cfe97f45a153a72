#pragma once

#include <QLocale>
#include <QString>

namespace dunok {

// "1 active timer", "2 active timers (1 paused)": the count of running
// timers apart from the paused ones, with the locale's digit grouping.
QString statusLineText(int alerts, int paused, const QLocale& locale = QLocale());

}  // namespace dunok
