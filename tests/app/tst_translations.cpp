// Dunok in German and back, and a translation of every text with the same placeholders.
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
        QCOMPARE(texts(QLocale(QLocale::English, QLocale::UnitedStates)),
                 (QStringList{"&File", "&New Timer...", "0 active timers", "Delete “Tea”?",
                              "Delete 2 timers?"}));
    }

    void translationIsFinishedWithTheSamePlaceholders() {
        // lupdate brings a copy up to date at build time: a new text shows there unfinished.
        QFile file(DUNOK_TS_CHECK_DIR "/dunok_de.ts");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList sources, problems;
        bool numerus = false;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            const auto name = xml.name();
            if (name == u"message")
                numerus = xml.attributes().value("numerus") == u"yes";
            else if (name == u"source")
                sources << xml.readElementText();
            else if (name == u"translation" && xml.attributes().hasAttribute("type"))
                problems << sources.last() + ": " + xml.attributes().value("type").toString();
            else if ((name == u"translation" && !numerus) || name == u"numerusform") {
                const QString text = xml.readElementText();
                if (text.isEmpty() || placeholders(text) != placeholders(sources.last()))
                    problems << sources.last() + " -> " + text;
            }
        }
        QVERIFY(!xml.hasError() && sources.size() > 100);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
