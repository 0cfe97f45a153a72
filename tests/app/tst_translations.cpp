// Dunok in German: the real main window under a German locale, the way back
// to English, plural forms, and a translation that covers every text of the
// sources (as lupdate finds them at build time) with the same placeholders.
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>

#include "app/Translations.h"
#include "engine/CountdownText.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TimerToolbar.h"
#include "mainwindow/ViewController.h"
#include "model/Preferences.h"
#include "model/TimerModel.h"
#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {

const QLocale german(QLocale::German, QLocale::Germany);
const QLocale english(QLocale::English, QLocale::UnitedStates);

struct Message {
    QString context;
    QString source;
    QString type;  // of the translation: empty when finished
    QStringList translations;
};

// Every message of a .ts file; a file that cannot be read gives none and
// fails through error.
QList<Message> readTs(const QString& path, QString* error) {
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = {context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            // A numerus translation holds one form per plural of the language.
            QStringList forms;
            QString text;
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement &&
                                     xml.name() == QLatin1String("translation"))) {
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    forms << xml.readElementText();
                else if (xml.isCharacters())
                    text += xml.text();
            }
            if (forms.isEmpty()) forms << text;
            current.translations = forms;
            messages << current;
        }
    }
    if (xml.hasError()) *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}

// The placeholders a text fills in: %1..%99, %n, %Ln, each once.
QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(L?n|\\d+)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();) found << it.next().captured(0);
    found.sort();
    found.removeDuplicates();
    return found;
}

// The number of keyboard accelerators ("&F", but not "&&").
int accelerators(const QString& text) {
    QString t = text;
    t.remove(QStringLiteral("&&"));
    return int(t.count(QLatin1Char('&')));
}

// What is wrong with the messages of one .ts file, one line each.
QStringList problems(const QList<Message>& messages) {
    QStringList found;
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
        if (m.type == QLatin1String("unfinished"))
            found << where + QStringLiteral(" has no finished translation");
        else if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete"))
            found << where + QStringLiteral(" is no longer in the sources");
        for (const QString& t : m.translations) {
            if (t.isEmpty()) found << where + QStringLiteral(" has an empty form");
            if (placeholders(t) != placeholders(m.source))
                found << where + QStringLiteral(" has other placeholders in \"") + t + '"';
            if (accelerators(t) != accelerators(m.source))
                found << where + QStringLiteral(" has another accelerator count in \"") + t + '"';
        }
    }
    return found;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<PreferenceStore> prefs;

    std::unique_ptr<MainWindow> makeWindow() {
        auto window = std::make_unique<MainWindow>(*prefs);
        window->show();
        return window;
    }
    static QString menuTitle(const MainWindow& window, int index) {
        const QList<QAction*> menus = window.menuBar()->actions();
        return index < menus.size() ? menus[index]->text() : QString();
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        prefs = std::make_unique<PreferenceStore>(home->prefsPath());
        prefs->setValue(PrefKeys::havePrefs, 100);
    }
    void cleanup() {
        installTranslations(*QCoreApplication::instance(), english);
        testing::resetGlobals();
        store.reset();
        prefs.reset();
        home.reset();
    }

    void theMainWindowSpeaksGermanUnderAGermanLocale() {
        QVERIFY(QFile::exists(translationsResourceDir + QStringLiteral("/dunok_de.qm")));
        installTranslations(*QCoreApplication::instance(), german);
        auto window = makeWindow();

        QCOMPARE(menuTitle(*window, 0), QStringLiteral("&Datei"));
        QCOMPARE(window->findChild<QAction*>("miNewTimer")->text(),
                 QStringLiteral("&Neuer Timer …"));
        QCOMPARE(window->findChild<QAction*>("miSilence")->text(),
                 QStringLiteral("Alarm stu&mmschalten"));
        // Keys given as text still read as the same keys in German.
        QCOMPARE(window->findChild<QAction*>("miEditTimer")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_E));
        QCOMPARE(window->findChild<QAction*>("miSilence")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        auto* add = window->findChild<QToolButton*>(ToolbarIds::tbAddToolbarItem);
        QVERIFY(add);
        QCOMPARE(add->text(), QStringLiteral("Neu"));
        QCOMPARE(add->toolTip(), QStringLiteral("Einen neuen Timer anlegen."));
        // The application's name is no text to translate.
        QCOMPARE(window->windowTitle(), QStringLiteral("Dunok"));
        // The status line through its plural form.
        auto* count = window->findChild<QLabel*>("lblCount");
        QVERIFY(count);
        QCOMPARE(count->text(), QStringLiteral("0 aktive Timer"));
    }

    void aNewUserGetsTheDefaultTimersInTheirLanguage() {
        prefs->setValue(PrefKeys::newDatabase, true);
        installTranslations(*QCoreApplication::instance(), german);
        auto window = makeWindow();
        QStringList names;
        for (const TimerRecord& timer : timersArray) names << timerDesc(timer);
        QVERIFY2(names.contains(QStringLiteral("1 Minute")), qPrintable(names.join(", ")));
        QVERIFY(names.contains(QStringLiteral("1 Stunde 30 Minuten")));
        QVERIFY(names.contains(QStringLiteral("30 Sekunden")));
        QVERIFY(!names.contains(QStringLiteral("1 minute")));
    }

    void anotherLocaleTakesTheGermanBack() {
        installTranslations(*QCoreApplication::instance(), german);
        installTranslations(*QCoreApplication::instance(), english);
        auto window = makeWindow();
        QCOMPARE(menuTitle(*window, 0), QStringLiteral("&File"));
        QCOMPARE(window->findChild<QAction*>("miNewTimer")->text(),
                 QStringLiteral("&New Timer..."));
        // A language Dunok has no translation for stays English too.
        installTranslations(*QCoreApplication::instance(), QLocale(QLocale::Japanese));
        QCOMPARE(QCoreApplication::translate("MainWindow", "&File"), QStringLiteral("&File"));
    }

    void qtsOwnButtonsFollowWhenTheSystemHasThem() {
        const QString qtbase =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
        if (!QFile::exists(qtbase)) QSKIP("Qt's German translation is not installed");
        installTranslations(*QCoreApplication::instance(), german);
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove('&'),
                 QStringLiteral("Abbrechen"));
    }

    void countsTakeThePluralOfTheLanguage() {
        const char* text = QT_TRANSLATE_N_NOOP("StatusLine", "%Ln active timer(s)");
        // Without a translation: the English of the source.
        QCOMPARE(translateCount("StatusLine", text, 0, english), QStringLiteral("0 active timers"));
        QCOMPARE(translateCount("StatusLine", text, 1, english), QStringLiteral("1 active timer"));
        QCOMPARE(translateCount("StatusLine", text, 1500, english),
                 QStringLiteral("1,500 active timers"));
        installTranslations(*QCoreApplication::instance(), german);
        QCOMPARE(translateCount("StatusLine", text, 1, german), QStringLiteral("1 aktiver Timer"));
        QCOMPARE(translateCount("StatusLine", text, 0, german), QStringLiteral("0 aktive Timer"));
        QCOMPARE(translateCount("StatusLine", text, 1500, german),
                 QStringLiteral("1.500 aktive Timer"));
    }

    void aFinishedRowIsKnownInEitherLanguage() {
        const QString englishRow = finishedText(QStringLiteral("10:00:00 AM"));
        QCOMPARE(englishRow, QStringLiteral("Finished 10:00:00 AM"));
        QVERIFY(isFinishedText(englishRow));
        QVERIFY(!isFinishedText(QStringLiteral("Paused 00:02:42")));
        installTranslations(*QCoreApplication::instance(), german);
        const QString germanRow = finishedText(QStringLiteral("10:00:00"));
        QCOMPARE(germanRow, QStringLiteral("Abgelaufen um 10:00:00"));
        QVERIFY(isFinishedText(germanRow));
        QVERIFY(!isFinishedText(QStringLiteral("00:02:42")));
    }

    void theTranslationCoversEveryTextOfTheSources_data() {
        QTest::addColumn<QString>("path");
        // The file in the repository, and the same file as lupdate brings it
        // up to date with today's sources: a text added without a
        // translation shows there as unfinished.
        QTest::newRow("repository") << QStringLiteral(DUNOK_TS_DIR "/dunok_de.ts");
        QTest::newRow("sources") << QStringLiteral(DUNOK_TS_CHECK_DIR "/dunok_de.ts");
    }
    void theTranslationCoversEveryTextOfTheSources() {
        QFETCH(QString, path);
        QString error;
        const QList<Message> messages = readTs(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(messages.size() > 100);
        const QStringList found = problems(messages);
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }

    void theCheckFindsWhatIsMissing() {
        // The checks above can fail: a file with the faults they look for.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.ts"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS><TS version="2.1" language="de">
<context><name>C</name>
<message><source>New</source><translation type="unfinished"></translation></message>
<message><source>Gone</source><translation type="vanished">Weg</translation></message>
<message><source>Row %1</source><translation>Zeile</translation></message>
<message><source>&amp;File</source><translation>Datei</translation></message>
<message numerus="yes"><source>%n timer(s)</source><translation>
<numerusform>%n Timer</numerusform><numerusform></numerusform></translation></message>
<message><source>Fine</source><translation>Gut</translation></message>
</context></TS>)");
        file.close();
        QString error;
        const QStringList found = problems(readTs(path, &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(found.filter("\"New\" has no finished").size(), 1);
        QCOMPARE(found.filter("\"Gone\" is no longer").size(), 1);
        QCOMPARE(found.filter("\"Row %1\" has other placeholders").size(), 1);
        QCOMPARE(found.filter("\"&File\" has another accelerator").size(), 1);
        QCOMPARE(found.filter("\"%n timer(s)\" has an empty form").size(), 1);
        QCOMPARE(found.filter("\"Fine\"").size(), 0);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
