// The timer list as the user sees it: its cells and heights, and rows and selection over reloads.
#include <QRegularExpression>
#include <QTest>

#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "mainwindow/ViewController.h"
#include "model/Preferences.h"
#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestTimerListView : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<PreferenceStore> prefs;

    // A row as "description icon size | duration icon size", "-" for no icon.
    static QString rowText(ViewController& vc, int row) {
        QStringList cells;
        for (const CellContents& c : {vc.tableModel()->cell(row, 0), vc.tableModel()->cell(row, 1)})
            cells << c.text + ' ' + (c.image.isEmpty() ? "-" : c.image) + ' ' +
                         QString::number(c.fontSize);
        return cells.join(" | ");
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        prefs = std::make_unique<PreferenceStore>(home->prefsPath());
        // An existing user whose store holds these, in this order.
        for (auto [desc, secs] : {std::pair("Tea", 180), {"Pasta", 540}, {"Eggs", 90}})
            store->addTimer(desc, secs);
        prefs->setValue(PrefKeys::havePrefs, 100);
        prefs->setValue(PrefKeys::sort, sortNone);
        prefs->synchronize();
    }

    void cleanup() {
        testing::resetGlobals();
        store.reset();
    }

    void cellsHeightsAndRunningRowsAcrossAReload() {
        ViewController vc(*prefs);
        vc.viewDidAppear();
        QCOMPARE(vc.myTable()->model()->rowCount(), 3);
        QCOMPARE(vc.myTable()->rowHeight(0), 38);
        QCOMPARE(rowText(vc, 2), QString("Eggs timer22 14 | 1m 30s - 14"));
        const QModelIndex eggs = vc.tableModel()->index(2, 1);  // what the view paints
        QCOMPARE(eggs.data().toString(), QString("1m 30s"));
        QCOMPARE(eggs.data(Qt::FontRole).value<QFont>().pointSizeF(), tSize);
        QVERIFY(!eggs.siblingAtColumn(0).data(Qt::DecorationRole).value<QIcon>().isNull());

        alertsArray << testing::runningAlert(timersArray[0], 179)
                    << testing::runningAlert(timersArray[1], 300, true)
                    << testing::runningAlert(timersArray[2], 0);
        vc.tableModel()->reloadRows({0, 1, 2});
        QCOMPARE(rowText(vc, 0), QString("Tea timerfull22 14 | 2m 59s timerfull22 16"));
        QCOMPARE(rowText(vc, 1), QString("Pasta timerfull22 14 | 9m - 14"));  // paused
        const QRegularExpression finished("^Eggs timerfull22 14 \\| Finished \\d.* - 14$");
        QVERIFY2(finished.match(rowText(vc, 2)).hasMatch(), qPrintable(rowText(vc, 2)));

        // Sorted anew: each running timer learns its new row, the selection keeps its number.
        vc.myTable()->selectRowExactly(1);
        prefsSort = sortDuration;  // Eggs, Tea, Pasta
        prefsLargeRows = false;
        vc.reloadTable();
        QCOMPARE(alertsArray[0].row, qint64(1));
        QCOMPARE(alertsArray[1].row, qint64(2));
        QCOMPARE(alertsArray[2].row, qint64(0));
        QCOMPARE(rowText(vc, 1), QString("Tea timerfull22 14 | 2m 59s timerfull22 16"));
        QCOMPARE(vc.myTable()->selectedRows(), QList<int>{1});
        QCOMPARE(vc.myTable()->rowHeight(2), 32);
    }
};

QTEST_MAIN(TestTimerListView)
#include "tst_timerlistview.moc"
