#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace dunok {

namespace {

QPointer<QTranslator>& dunokTranslator() {
    static QPointer<QTranslator> current;
    return current;
}

QPointer<QTranslator>& qtTranslator() {
    static QPointer<QTranslator> current;
    return current;
}

// Loads the first of locale's languages that has a file; a translator that
// found nothing is not installed, so that English costs no lookups later.
void replace(QPointer<QTranslator>& slot, QCoreApplication& app, const QLocale& locale,
             const QString& name, const QString& dir) {
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
    }
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), dir) &&
        QCoreApplication::installTranslator(translator)) {
        slot = translator;
    } else {
        delete translator;
    }
}

}  // namespace

void installTranslations(QCoreApplication& app, const QLocale& locale) {
    replace(dunokTranslator(), app, locale, QStringLiteral("dunok"), translationsResourceDir);
    // Qt's own texts (the standard buttons of a dialog) come with the system,
    // if its translations package is installed.
    replace(qtTranslator(), app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString translateCount(const char* context, const char* sourceText, int n, const QLocale& locale) {
    // Qt picks a plural form only from a translation and fills %Ln in from
    // the default locale; the English forms and the caller's locale are
    // handled here instead.
    QString text;
    if (QTranslator* translator = dunokTranslator())
        text = translator->translate(context, sourceText, nullptr, n);
    if (text.isEmpty()) {
        text = QString::fromUtf8(sourceText);
        text.replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
    }
    text.replace(QLatin1String("%Ln"), locale.toString(n));
    text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

}  // namespace dunok
