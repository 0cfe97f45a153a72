// The Help menu's commands: the guide and the website, or an alert saying why not.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "app/HelpCommands.h"
#include "platform/MessageBox.h"
#include "platform/ResourceFolder.h"

using namespace dunok;

// Alerts are answered ahead, so that an unexpected one fails instead of waiting.
static void expectAlert(const QStringList& texts = {}) {
    QCOMPARE(MessageBox::shownAlerts().size(), texts.isEmpty() ? 0 : 1);
    if (const auto alert = MessageBox::lastAlert())
        QCOMPARE((QStringList{alert->message, alert->informativeText}), texts);
    MessageBox::clearLastAlert();
    for (int i = 0; i < 2; ++i) MessageBox::setNextAnswer(0);
}

class TestHelpCommands : public QObject {
    Q_OBJECT
private slots:
    void guideAndWebsiteAreOpenedOrTheFailureTold() {
        QList<QUrl> opened;
        // The desktop opens the first two addresses and fails after.
        setUrlOpener([&](const QUrl& url) { return opened.append(url), opened.size() <= 2; });
        QTemporaryDir dir;
        QString folder = dir.filePath("share dunok");  // a blank the address must encode
        QVERIFY(QDir().mkpath(folder));
        setResourceFolderForTesting(folder);
        expectAlert();
        showHelp();
        expectAlert({"Help not found.", "Could not locate help."});
        QVERIFY(QFile(folder + "/help.pdf").open(QIODevice::WriteOnly));
        showHelp();
        showWebsite();
        expectAlert();
        QCOMPARE(opened, (QList<QUrl>{QUrl::fromLocalFile(folder + "/help.pdf"),
                                      QUrl("https://dunok.org/")}));
        showHelp();
        expectAlert({"Help not found.",
                     "Could not display help file://" + folder.replace(" ", "%20") + "/help.pdf"});
        showWebsite();
        expectAlert({"Unable to open webpage.", "https://dunok.org/"});
    }
};

QTEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"
