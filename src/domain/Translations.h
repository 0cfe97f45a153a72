// The user's language: Dunok's own translation, compiled in, and Qt's for the
// standard dialog buttons, when the system has them.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace dunok {

// Where the compiled translations live among the program's resources.
inline const QString translationsResourceDir = QStringLiteral(":/i18n");

// Installs the translations for locale's languages; a language without one
// stays English. A later call replaces what an earlier one installed.
void installTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

// A text that counts something, its source marked with QT_TRANSLATE_N_NOOP
// and written with "(s)" for the English plural, "%Ln active timer(s)": the
// translation's plural form for n when Dunok's translation has one, else the
// English with "(s)" resolved. %Ln becomes n in locale's digits.
QString translateCount(const char* context, const char* sourceText, int n,
                       const QLocale& locale = QLocale());

}  // namespace dunok
