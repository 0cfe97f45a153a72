// Dunok in German and back, and a translation of every text with the same placeholders.
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include "domain/Translations.h"
#include "support/TestEnvironment.h"
#include "ui/DeleteConfirmation.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"

using namespace dunok;

static QSet<QString> placeholders(const QString& text) {
    QSet<QString> found;
    for (const auto& m : QRegularExpression("%(L?n|\\d+)").globalMatch(text)) found << m.captured();
    return found;
}

// The texts of the <numerusform>s of the <translation> the reader is at.
static QStringList numerusForms(QXmlStreamReader& xml) {
    QStringList forms;
    while (xml.readNextStartElement())
        if (xml.name() == u"numerusform")
            forms << xml.readElementText();
        else
            xml.skipCurrentElement();
    return forms;
}

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void windowSpeaksTheLocalesLanguage() {
        testing::ReturningUser user;
        const auto texts = [&](const QLocale& locale) {
            installTranslations(*QCoreApplication::instance(), locale);
            MainWindow window(user.prefs, user.player, user.store.store());
            return QStringList{window.menuBar()->actions().value(0)->text(),
                               window.findChild<QAction*>("miNewTimer")->text(),
                               window.findChild<QLabel*>("lblCount")->text(),
                               deleteConfirmation({"Tea"}).message,
                               deleteConfirmation({"Tea", "Egg"}).message};
        };
        QCOMPARE(texts(QLocale(QLocale::German, QLocale::Germany)),
                 (QStringList{"&Datei", "&Neuer Timer …", "0 aktive Timer", "„Tea“ löschen?",
                              "2 Timer löschen?"}));
        const QStringList english{"&File", "&New Timer...", "0 active timers", "Delete “Tea”?",
                                  "Delete 2 timers?"};
        QCOMPARE(texts(QLocale(QLocale::English, QLocale::UnitedStates)), english);
        // Every shipped language, chosen from the locale as German is.
        for (QString name : QDir(DUNOK_TS_DIR).entryList({"dunok_*.ts"})) {
            name = name.mid(6).chopped(3);
            const QStringList shown = texts(QLocale(name));
            for (int i = 1; i < english.size(); ++i)
                QVERIFY2(shown.at(i) != english.at(i), qPrintable(name + ": " + shown.at(i)));
        }
        installTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));
    }

    // Every shipped language: each text translated, with the source's placeholders, and each
    // plural with all the forms its language has.
    void everyTranslationIsFinished() {
        // How many plural forms each language has: a language more wants its count here.
        const QHash<QString, int> pluralForms = {{"de", 2},    {"fr", 2}, {"es", 2}, {"it", 2},
                                                 {"pt_BR", 2}, {"pl", 3}, {"nl", 2}};
        const QStringList files = QDir(DUNOK_TS_CHECK_DIR).entryList({"dunok_*.ts"});
        QVERIFY(files.contains("dunok_de.ts"));
        for (const QString& name : files) {
            // lupdate brings a copy up to date at build time: a new text shows there unfinished.
            QFile file(QDir(DUNOK_TS_CHECK_DIR).filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QStringList sources, problems;
            QString language;
            bool numerus = false;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement) continue;
                if (xml.name() == u"TS") {
                    language = xml.attributes().value("language").toString();
                } else if (xml.name() == u"message") {
                    numerus = xml.attributes().value("numerus") == u"yes";
                } else if (xml.name() == u"source") {
                    sources << xml.readElementText();
                } else if (xml.name() == u"translation") {
                    if (xml.attributes().hasAttribute("type"))
                        problems << sources.last() + ": " +
                                        xml.attributes().value("type").toString();
                    const QStringList texts =
                        numerus ? numerusForms(xml) : QStringList{xml.readElementText()};
                    if (numerus && texts.size() != pluralForms.value(language, -1))
                        problems
                            << QStringLiteral("%1: %2 forms").arg(sources.last()).arg(texts.size());
                    for (const QString& text : texts)
                        if (text.isEmpty() || placeholders(text) != placeholders(sources.last()))
                            problems << sources.last() + " -> " + text;
                }
            }
            QVERIFY2(pluralForms.contains(language), qPrintable(name + ": " + language));
            QVERIFY(!xml.hasError() && sources.size() > 100);
            QVERIFY2(problems.isEmpty(), qPrintable(name + ":\n" + problems.join('\n')));
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
