// The Help menu's commands: the guide is found in the resource folder and
// handed to the desktop, the website too, and each way of failing is told to
// the user with its own texts.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/HelpCommands.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "platform/ResourceFolder.h"

using namespace dunok;

class TestHelpCommands : public QObject {
    Q_OBJECT

    QList<QUrl> opened;
    bool openerSucceeds = true;

    void expectError(const QString& message, const QString& informative) {
        QCOMPARE(MessageBox::shownAlerts().size(), 1);
        const AlertSpec alert = *MessageBox::lastAlert();
        QCOMPARE(alert.windowTitle, QString("Error"));
        QCOMPARE(alert.icon, QMessageBox::Warning);
        QCOMPARE(alert.message, message);
        QCOMPARE(alert.informativeText, informative);
        QCOMPARE(alert.buttons, QStringList{"OK"});
    }

private slots:
    void init() {
        opened.clear();
        openerSucceeds = true;
        setUrlOpener([this](const QUrl& url) {
            opened.append(url);
            return openerSucceeds;
        });
        MessageBox::clearLastAlert();
        // Every alert is answered, so a test that shows one more than it
        // expects fails on the count instead of waiting for a click.
        for (int i = 0; i < 3; ++i) MessageBox::setNextAnswer(0);
    }
    void cleanup() {
        setUrlOpener({});
        setResourceFolderForTesting(QString());
        MessageBox::clearLastAlert();
    }

    void missingGuideIsReportedAndNothingOpens() {
        QTemporaryDir empty;
        setResourceFolderForTesting(empty.path());
        showHelp();
        QVERIFY(opened.isEmpty());
        expectError("Help not found.", "Could not locate help.");
    }

    void guideIsHandedToTheDesktopAsAFileUrl() {
        // A blank in the path shows that the address is the encoded one.
        QTemporaryDir dir;
        const QString folder = dir.path() + "/share dunok";
        QVERIFY(QDir().mkpath(folder));
        QFile pdf(folder + "/help.pdf");
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n");
        pdf.close();
        setResourceFolderForTesting(folder);
        const QString address = "file://" + QString(folder).replace(" ", "%20") + "/help.pdf";

        QWidget parent;
        showHelp(&parent);
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].isLocalFile());
        QCOMPARE(opened[0].toLocalFile(), folder + "/help.pdf");
        QVERIFY(MessageBox::shownAlerts().isEmpty());

        openerSucceeds = false;
        showHelp(&parent);
        QCOMPARE(opened.size(), 2);
        expectError("Help not found.", "Could not display help " + address);
    }

    void folderNamedLikeTheGuideIsNotTheGuide() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("help.pdf"));
        setResourceFolderForTesting(dir.path());
        showHelp();
        QVERIFY(opened.isEmpty());
        expectError("Help not found.", "Could not locate help.");
    }

    void websiteOpensOrSaysWhereItWas() {
        showWebsite();
        QCOMPARE(opened, QList<QUrl>{QUrl("https://dunok.org/")});
        QVERIFY(MessageBox::shownAlerts().isEmpty());

        openerSucceeds = false;
        showWebsite();
        QCOMPARE(opened.size(), 2);
        expectError("Unable to open webpage.", "https://dunok.org/");
    }
};

QTEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"
