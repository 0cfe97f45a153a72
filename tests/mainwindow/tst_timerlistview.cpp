// The timer list as the user sees it: rows, heights, what each kind of cell
// says, and how rows and selection survive reloads and a hidden window.
#include <QHeaderView>
#include <QLabel>
#include <QTest>

#include "engine/CountdownText.h"
#include "engine/RunningTimers.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "mainwindow/ViewController.h"
#include "model/Globals.h"
#include "model/Preferences.h"
#include "model/TimerModel.h"
#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
Alert runningAlert(const TimerRecord& timer, qint64 value, bool paused = false) {
    return testing::runningAlert(timer, value, paused);
}
}  // namespace

class TestTimerListView : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<PreferenceStore> prefs;

    const CellContents& cell(ViewController& vc, int row, int column) {
        return vc.tableModel()->cell(row, column);
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        prefs = std::make_unique<PreferenceStore>(home->prefsPath());
        // An existing user whose store already holds these, in this order.
        store->addTimer("Tea", 180);
        store->addTimer("Pasta", 540);
        store->addTimer("Eggs", 90);
        prefs->setValue(PrefKeys::havePrefs, 100);
        prefs->setValue(PrefKeys::sort, sortNone);
        prefs->setValue(PrefKeys::countdownDigits, true);
        prefs->setValue(PrefKeys::newDatabase, false);
        prefs->setValue(PrefKeys::volume, 0.5);
        prefs->synchronize();
    }

    void cleanup() {
        testing::resetGlobals();
        store.reset();
        prefs.reset();
        home.reset();
    }

    void stoppedRowsShowDescriptionDurationAndEmptyClock() {
        ViewController vc(*prefs);
        vc.viewDidAppear();
        QCOMPARE(vc.tableModel()->rowCount(), 3);
        QCOMPARE(vc.myTable()->model()->rowCount(), timersArray.size());

        const CellContents& desc = cell(vc, 2, 0);
        QCOMPARE(desc.identifier, CellIdentifiers::cellDescription);
        QCOMPARE(desc.text, QString("Eggs"));
        QCOMPARE(desc.image, QString("timer22"));
        QCOMPARE(desc.fontSize, tSize);
        const CellContents& dur = cell(vc, 2, 1);
        QCOMPARE(dur.identifier, CellIdentifiers::cellDuration);
        QCOMPARE(dur.text, QString("1m 30s"));
        QCOMPARE(dur.fontSize, tSize);
        QVERIFY(dur.image.isEmpty());

        // What the view paints comes from the same cell.
        const QModelIndex index = vc.tableModel()->index(2, 1);
        QCOMPARE(index.data(Qt::DisplayRole).toString(), QString("1m 30s"));
        QCOMPARE(index.data(Qt::FontRole).value<QFont>().pointSizeF(), tSize);
        QVERIFY(vc.tableModel()->index(2, 0).data(Qt::DecorationRole).value<QIcon>().isNull() ==
                false);
    }

    void runningPausedAndFinishedCells() {
        ViewController vc(*prefs);
        vc.viewDidAppear();
        alertsArray.append(runningAlert(timersArray[0], 179));        // Tea running
        alertsArray.append(runningAlert(timersArray[1], 300, true));  // Pasta paused
        alertsArray.append(runningAlert(timersArray[2], 0));          // Eggs at zero
        vc.reloadRows({0, 1, 2});

        QCOMPARE(cell(vc, 0, 0).image, QString("timerfull22"));
        QCOMPARE(cell(vc, 0, 1).text, QString("00:02:59"));
        QCOMPARE(cell(vc, 0, 1).fontSize, cSize);
        QCOMPARE(cell(vc, 0, 1).image, QString("timerfull22"));

        // A paused timer keeps the full clock but, once redrawn, its duration.
        QCOMPARE(cell(vc, 1, 0).image, QString("timerfull22"));
        QCOMPARE(cell(vc, 1, 1).text, QString("9m"));
        QCOMPARE(cell(vc, 1, 1).fontSize, tSize);
        QVERIFY(cell(vc, 1, 1).image.isEmpty());

        QVERIFY(cell(vc, 2, 1).text.startsWith("Finished "));
        QVERIFY(cell(vc, 2, 1).text.size() > QString("Finished ").size());
        QCOMPARE(cell(vc, 2, 1).fontSize, tSize);
        QCOMPARE(cell(vc, 2, 0).image, QString("timerfull22"));

        // Every entry learnt its row while its row was drawn.
        for (int i = 0; i < 3; ++i) QCOMPARE(alertsArray[i].row, qint64(i));

        prefsCountdownDigits = false;
        vc.reloadRows({0});
        QCOMPARE(cell(vc, 0, 1).text, QString("2m 59s"));
    }

    void cellsKeepWhatTheyWereBuiltWithUntilTheirRowIsReloaded() {
        ViewController vc(*prefs);
        vc.viewDidAppear();
        alertsArray.append(runningAlert(timersArray[2], 0));
        vc.reloadRows({2});
        const QString finished = cell(vc, 2, 1).text;
        // The entry leaves the table at the finish; the text stays.
        alertsArray.clear();
        vc.reloadRows({0});
        QCOMPARE(cell(vc, 2, 1).text, finished);
        // A paused text written into the cell stays until the row is redrawn.
        vc.tableModel()->setCellText(0, 1, "Paused 2m 59s", tSize);
        vc.reloadRows({1});
        QCOMPARE(cell(vc, 0, 1).text, QString("Paused 2m 59s"));
        vc.reloadRows({0});
        QCOMPARE(cell(vc, 0, 1).text, QString("3m"));
        vc.reloadTable();
        QCOMPARE(cell(vc, 2, 1).text, QString("1m 30s"));
    }

    void rowHeightsFollowTheLargeRowsPreference() {
        ViewController vc(*prefs);
        vc.resize(400, 400);
        vc.viewDidAppear();
        QCOMPARE(vc.myTable()->rowHeight(0), 38);
        prefsLargeRows = false;
        QCOMPARE(vc.myTable()->rowHeight(0), 38);  // only a whole reload changes it
        vc.reloadTable();
        QCOMPARE(vc.myTable()->rowHeight(0), 32);
        QCOMPARE(vc.myTable()->rowHeight(2), 32);
        prefsLargeRows = true;
        vc.reloadTable();
        QCOMPARE(vc.myTable()->rowHeight(1), 38);
    }

    void sortingMovesRunningTimersWithTheirRecords() {
        ViewController vc(*prefs);
        vc.viewDidAppear();
        alertsArray.append(runningAlert(timersArray[1], 500));  // Pasta, row 1 in store order
        vc.reloadRows({1});
        QCOMPARE(alertsArray[0].row, qint64(1));

        prefsSort = sortDuration;  // Eggs 90, Tea 180, Pasta 540
        vc.reloadTable();
        QCOMPARE(timerDesc(timersArray[2]), QString("Pasta"));
        QCOMPARE(alertsArray[0].row, qint64(2));
        QCOMPARE(cell(vc, 2, 1).text, QString("00:08:20"));
        QCOMPARE(haveAlertForRow(2), 0);

        prefsSort = sortDesc;  // Eggs, Pasta, Tea
        vc.reloadTable();
        QCOMPARE(alertsArray[0].row, qint64(1));
        QCOMPARE(cell(vc, 1, 0).image, QString("timerfull22"));
        QCOMPARE(cell(vc, 2, 0).image, QString("timer22"));
    }

    void selectionIsKeptByRowNumberAcrossReloads() {
        ViewController vc(*prefs);
        vc.viewDidAppear();
        QCOMPARE(vc.myTable()->selectedRow(), -1);
        vc.reloadTable();
        QCOMPARE(vc.myTable()->selectedRow(), -1);

        vc.myTable()->selectRowExactly(1);
        prefsSort = sortDesc;
        vc.reloadTable();
        // The same position, not the same timer.
        QCOMPARE(vc.myTable()->selectedRow(), 1);
        QCOMPARE(vc.myTable()->selectedRows(), QList<int>{1});
        QCOMPARE(timerDesc(timersArray[1]), QString("Pasta"));
    }

    void selectionSurvivesClosingAndReopeningTheWindow() {
        MainWindow window(*prefs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString("Dunok"));
        TimerTableView* table = window.viewController()->myTable();
        QCOMPARE(table->model()->rowCount(), 3);
        table->selectRowExactly(2);
        window.close();
        QCOMPARE(savedSelectedRow, 2);
        table->clearSelection();
        window.show();
        QCOMPARE(table->selectedRow(), 2);

        table->clearSelection();
        window.close();
        QCOMPARE(savedSelectedRow, -1);
        window.show();
        QCOMPARE(table->selectedRow(), -1);
    }

    void statusLineCountsRunningAndPausedTimers() {
        ViewController vc(*prefs);
        vc.viewDidAppear();
        QCOMPARE(vc.lblCount()->text(), QString("0 active timers"));
        alertsArray.append(runningAlert(timersArray[0], 10));
        vc.updateToolbar();
        QCOMPARE(vc.lblCount()->text(), QString("1 active timer"));
        alertsArray.append(runningAlert(timersArray[1], 10, true));
        alertsArray.append(runningAlert(timersArray[2], 10));
        vc.updateToolbar();
        QCOMPARE(vc.lblCount()->text(), QString("2 active timers (1 paused)"));
    }

    void descriptionsAreShownExactlyAsStored() {
        const QString awkward = QString("She said \"now\"\nלחם 🍞 ") + QString(10000, QChar('x'));
        store->addTimer(awkward, 60);
        ViewController vc(*prefs);
        vc.viewDidAppear();
        QCOMPARE(cell(vc, 3, 0).text, awkward);
        QCOMPARE(vc.tableModel()->index(3, 0).data().toString(), awkward);
    }

    void emptyListHasNoRows() {
        StoreError error;
        QVERIFY(store->context().executeBatchDelete(TimersKeys::entity, &error));
        ViewController vc(*prefs);
        vc.viewDidAppear();
        QCOMPARE(vc.tableModel()->rowCount(), 0);
        QCOMPARE(vc.lblCount()->text(), QString("0 active timers"));
    }
};

QTEST_MAIN(TestTimerListView)
#include "tst_timerlistview.moc"
