// The Help menu's commands: the guide and the website, handed to the desktop's
// own opener, or an alert saying why not that gives what to open by hand; and the guide itself.
#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <csignal>

#include "app/HelpCommands.h"
#include "desktop/ResourceFolder.h"
#include "ui/MessageBox.h"

using namespace dunok;

class TestHelpDocument : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString folder;

    // What the opener answered for each request, and the alerts it led to.
    QStringList run(const std::function<void(HelpCommands&)>& command) const {
        HelpCommands help(folder);
        QSignalSpy answered(&help, &HelpCommands::answered);
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        command(help);
        if (!MessageBox::shownAlerts().isEmpty()) return alertTexts();  // told at once
        if (!answered.wait(20000)) return {"no answer"};
        return QStringList{answered.first().at(1).toBool() ? "opened" : "not opened"} +
               alertTexts();
    }
    static QStringList alertTexts() {
        QStringList texts;
        for (const AlertSpec& alert : MessageBox::shownAlerts())
            texts << alert.message << alert.informativeText;
        return texts;
    }

private slots:
    void initTestCase() {
        // A desktop where the opener finds no viewer and no browser, whatever
        // this machine has installed: only the BROWSER list is left to it.
        const QString none = dir.filePath("none");
        QVERIFY(QDir().mkpath(none));
        for (const char* name :
             {"XDG_DATA_DIRS", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "HOME"})
            qputenv(name, QFile::encodeName(none));
        for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                 "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID"})
            qunsetenv(name);
        qputenv("BROWSER", "false");
        folder = dir.filePath("share dunok");  // a blank the opener must cope with
        QVERIFY(QDir().mkpath(folder));
    }

    void failuresAreToldWithWhatToOpenByHand() {
        QCOMPARE(run([](HelpCommands& h) { h.showHelp(); }),
                 QStringList({"Help not found.", "Could not locate help."}));
        QVERIFY(QFile(folder + "/help.pdf").open(QIODevice::WriteOnly));
        const QString url = QUrl::fromLocalFile(folder + "/help.pdf").toString(QUrl::FullyEncoded);
        QCOMPARE(run([](HelpCommands& h) { h.showHelp(); }),
                 QStringList({"not opened", "Help not found.", "Could not display help " + url}));
        QCOMPARE(run([](HelpCommands& h) { h.showWebsite(); }),
                 QStringList({"not opened", "Unable to open webpage.", "https://dunok.org/"}));
        qputenv("BROWSER", "true");
        QCOMPARE(run([](HelpCommands& h) { h.showWebsite(); }), QStringList{"opened"});
    }

    // The guide in the user's language where there is one, the language without its country
    // next, English otherwise.
    void theGuideIsInTheUsersLanguage() {
        QTemporaryDir guides;
        for (const char* name : {"help", "help_de", "help_pt"})
            QVERIFY(QFile(guides.filePath(QString(name) + ".pdf")).open(QIODevice::WriteOnly));
        const auto picked = [&](const char* locale) {
            return QFileInfo(helpDocument(guides.path(), QLocale(locale))).fileName();
        };
        QCOMPARE(picked("de_AT"), "help_de.pdf");
        QCOMPARE(picked("pt_BR"), "help_pt.pdf");
        QCOMPARE(picked("fr_FR"), "help.pdf");
        QCOMPARE(picked("en_US"), "help.pdf");
        QFile::remove(guides.filePath("help.pdf"));
        QCOMPARE(picked("fr_FR"), QString());
    }

    // Dunok may quit while the opener waits on the viewer it started: the
    // viewer stays open.
    void aViewerOutlivesTheCommands() {
        const QString pidFile = dir.filePath("viewer.pid");
        const QString viewer = dir.filePath("viewer");
        QFile script(viewer);
        QVERIFY(script.open(QIODevice::WriteOnly));
        // The opener tries a failed browser twice: the second time it ends at once.
        const QByteArray pids = QFile::encodeName(pidFile);
        script.write("#!/bin/sh\n[ -e \"" + pids + "\" ] && exit 1\necho $$ > \"" + pids +
                     ".tmp\"\nmv \"" + pids + ".tmp\" \"" + pids + "\"\nexec sleep 60\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("BROWSER", QFile::encodeName(viewer));
        MessageBox::clearLastAlert();
        {
            HelpCommands help(folder);
            help.showWebsite();
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pidFile), 20000);
        }
        QFile file(pidFile);
        const pid_t pid = file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : 0;
        QVERIFY(pid > 0 && ::kill(pid, 0) == 0);  // still there
        ::kill(pid, SIGTERM);
        QVERIFY(MessageBox::shownAlerts().isEmpty());
    }

    // The guides as the build wrote them, where Help looks for them: several pages and the
    // pictures of the window, not only the small toolbar icons a broken grab would leave.
    void theGuidesArePdfsWithPicturesOfTheWindow() {
        const QStringList guides = QDir(resourceFolder()).entryList({"help*.pdf"});
        QVERIFY2(guides.contains("help.pdf") && guides.contains("help_de.pdf"),
                 qPrintable(resourceFolder() + ": " + guides.join(' ')));
        for (const QString& guide : guides) {
            QFile file(QDir(resourceFolder()).filePath(guide));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray pdf = file.readAll();
            QVERIFY(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
            QVERIFY(QString(pdf).count(QRegularExpression(R"(/Type\s*/Page(?![s\w]))")) >= 4);
            static const QRegularExpression image(
                R"(/Subtype\s*/Image\b[^>]*?/Width\s+(\d+)[^>]*?/Height\s+(\d+))");
            int pictures = 0;
            for (const QRegularExpressionMatch& m : image.globalMatch(QString::fromLatin1(pdf)))
                pictures += m.captured(1).toInt() >= 300 && m.captured(2).toInt() >= 150;
            QVERIFY2(pictures >= 5, qPrintable(guide + ": " + QString::number(pictures)));
        }
    }
};

QTEST_MAIN(TestHelpDocument)
#include "tst_helpdocument.moc"
