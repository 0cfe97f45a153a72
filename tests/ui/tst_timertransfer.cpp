// File's export and import: the timers go out to a file and come back in
// beside the listed ones, while a timer runs; a bad file changes nothing.
#include <QtTest>
#include <QtWidgets>

#include "domain/TimerEngine.h"
#include "support/TestEnvironment.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"
#include "ui/TimerActions.h"
#include "ui/TimerTableModel.h"
#include "ui/TimerTableView.h"
#include "ui/TimerTransfer.h"
#include "ui/ViewController.h"

using namespace dunok;

class TestTimerTransfer : public QObject {
    Q_OBJECT
private slots:
    void timersGoOutAndComeBackBesideTheListedOnes() {
        testing::ReturningUser user;
        for (const auto& [name, seconds] : {std::pair{"Tea", 60}, {"Pasta", 540}, {"Eggs", 1}})
            user.store.addTimer(name, seconds);
        MainWindow window(user.prefs, user.player, user.store.store());
        ViewController* vc = window.viewController();
        window.show();
        QString chosen;
        int asked = 0;
        vc->transfer()->setFileChooser([&](QWidget*, bool) { return ++asked, chosen; });
        const auto run = [&](const char* command) {
            MessageBox::clearLastAlert();  // and the answer a command without an alert left
            MessageBox::setNextAnswer(0);
            window.findChild<QAction*>(command)->trigger();
            const auto alert = MessageBox::lastAlert();
            return alert ? alert->message + ' ' + alert->informativeText : QString();
        };
        const auto status = [&] { return vc->lblCount()->text(); };
        vc->myTable()->selectRowExactly(0);
        vc->tableViewDoubleClick();  // Tea runs through it all

        // A cancelled dialog does nothing.
        QCOMPARE(run("miExportTimers"), QString());
        QCOMPARE(asked, 1);
        QTemporaryDir dir;
        chosen = dir.filePath("kitchen.json");
        QCOMPARE(run("miExportTimers"), QString());
        QVERIFY2(status().contains("Exported 3 timers to “kitchen.json”"), qPrintable(status()));

        const QStringList before = testing::storedTimers(user.home.storePath());
        QCOMPARE(run("miImportTimers"), QString());
        QCOMPARE(testing::storedTimers(user.home.storePath()),
                 before + QStringList({"Tea 2/60", "Pasta 2/540", "Eggs 2/1"}));
        QCOMPARE(vc->myTable()->selectedRow(), 3);
        QVERIFY2(status().contains("Imported 3 timers."), qPrintable(status()));
        QCOMPARE(vc->engine()->alertsArray().getNumAlerts(), 1);
        QVERIFY(vc->engine()->alertsArray().find(timerId(vc->timers().at(0))));
        QStringList shown;
        for (int row = 0; row < vc->tableModel()->rowCount(); ++row)
            shown << vc->tableModel()->cell(row, 0).text;
        QCOMPARE(testing::listAgainstStore(user.home.storePath(), vc->timers().timers(), shown,
                                           sortNone),
                 QString());

        // A bad file is refused in an alert that names it and its fault.
        QFile bad(dir.filePath("bad.json"));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("{\"format\": \"dunok-timers\"") > 0);
        bad.close();
        chosen = bad.fileName();
        const QString said = run("miImportTimers");
        QVERIFY2(said.startsWith("Could not import “bad.json”.") && said.contains("not JSON") &&
                     said.contains("No timer was imported."),
                 qPrintable(said));
        QCOMPARE(testing::storedTimers(user.home.storePath()).size(), 6);

        // An export that cannot be written says so, and names where.
        chosen = dir.filePath("no folder/kitchen.json");
        QVERIFY2(run("miExportTimers").contains("no folder/kitchen.json"),
                 qPrintable(MessageBox::lastAlert()->informativeText));
        // A timer's start takes the note away again.
        vc->myTable()->selectRowExactly(1);
        vc->tableViewDoubleClick();
        QVERIFY2(!status().contains("Imported"), qPrintable(status()));
    }

    void exportWantsTimers() {
        testing::ReturningUser user;
        MainWindow window(user.prefs, user.player, user.store.store());
        window.show();
        QVERIFY(!window.findChild<QAction*>("miExportTimers")->isEnabled());
        QVERIFY(window.findChild<QAction*>("miImportTimers")->isEnabled());
    }
};

QTEST_MAIN(TestTimerTransfer)
#include "tst_timertransfer.moc"
