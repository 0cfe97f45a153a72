#include "mainwindow/StatusLine.h"

namespace dunok {

QString statusLineText(int alerts, int paused, const QLocale& locale) {
    int active = alerts;
    QString pausedPart;
    if (paused > 0) {
        active = qMax(0, alerts - paused);
        pausedPart = QStringLiteral(" (") + locale.toString(paused) + QStringLiteral(" paused)");
    }
    return locale.toString(active) + QStringLiteral(" active timer") +
           (active == 1 ? QString() : QStringLiteral("s")) + pausedPart;
}

}  // namespace dunok
