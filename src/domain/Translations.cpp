#include "domain/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace dunok {

namespace {

// The application owns the translators it has installed, as children named
// after their files: that is how a later call finds the one to replace.
QString childName(const QString& name) {
    return QStringLiteral("translation-") + name;
}

QTranslator* installed(const QCoreApplication& app, const QString& name) {
    return app.findChild<QTranslator*>(childName(name), Qt::FindDirectChildrenOnly);
}

// Loads the first of locale's languages that has a file; a translator that
// found nothing is not installed, so that English costs no lookups later.
void replace(QCoreApplication& app, const QLocale& locale, const QString& name,
             const QString& dir) {
    if (QTranslator* old = installed(app, name)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto* translator = new QTranslator(&app);
    translator->setObjectName(childName(name));
    if (!translator->load(locale, name, QStringLiteral("_"), dir) ||
        !QCoreApplication::installTranslator(translator))
        delete translator;
}

const QString dunokName = QStringLiteral("dunok");

}  // namespace

void installTranslations(QCoreApplication& app, const QLocale& locale) {
    replace(app, locale, dunokName, translationsResourceDir);
    // Qt's own texts (the standard buttons of a dialog) come with the system,
    // if its translations package is installed.
    replace(app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString translateCount(const char* context, const char* sourceText, int n, const QLocale& locale) {
    // Qt picks a plural form only from a translation and fills %Ln in from
    // the default locale; the English forms and the caller's locale are
    // handled here instead.
    QString text;
    const QCoreApplication* app = QCoreApplication::instance();
    if (QTranslator* translator = app ? installed(*app, dunokName) : nullptr)
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
