#include "ui/StatusLine.h"

#include <QCoreApplication>

#include "domain/Translations.h"

namespace dunok {

QString statusLineText(int alerts, int paused, const QLocale& locale) {
    int active = alerts;
    QString pausedPart;
    if (paused > 0) {
        active = qMax(0, alerts - paused);
        pausedPart =
            QLatin1Char(' ') +
            QCoreApplication::translate("StatusLine", "(%1 paused)").arg(locale.toString(paused));
    }
    return translateCount("StatusLine", QT_TRANSLATE_N_NOOP("StatusLine", "%Ln active timer(s)"),
                          active, locale) +
           pausedPart;
}

}  // namespace dunok
