// The timer list as the user sees it: its cells and heights, rows and
// selection over reloads, and rows dragged into the user's own order, as drag events.
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

#include "desktop/Alarm.h"
#include "domain/ListLoading.h"
#include "domain/ListOrder.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "support/TestEnvironment.h"
#include "ui/TimerTableModel.h"
#include "ui/TimerTableView.h"
#include "ui/ViewController.h"

using namespace dunok;

class TestTimerListView : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<PreferenceStore> file;
    std::unique_ptr<Preferences> prefs;
    SharedPlayer player;

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
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        prefs.reset();
        file = std::make_unique<PreferenceStore>(home->prefsPath());
        prefs = std::make_unique<Preferences>(file.get());
        // An existing user whose store holds these, in this order.
        for (auto [desc, secs] : {std::pair("Tea", 180), {"Pasta", 540}, {"Eggs", 90}})
            store->addTimer(desc, secs);
        file->setValue(PrefKeys::havePrefs, 100);
        file->setValue(PrefKeys::sort, sortNone);
        file->setValue(PrefKeys::countdownDigits, false);  // counts down in unit letters
        file->synchronize();
    }

    void cleanup() { store.reset(); }

    void cellsHeightsAndRunningRowsAcrossAReload() {
        ViewController vc(*prefs, player, store->store());
        vc.viewDidAppear();
        QCOMPARE(vc.myTable()->rowHeight(0), 38);
        QCOMPARE(rowText(vc, 2), QString("Eggs timer22 14 | 1m 30s - 14"));
        const QModelIndex eggs = vc.tableModel()->index(2, 1);  // what the view paints
        QCOMPARE(eggs.data().toString(), QString("1m 30s"));
        QCOMPARE(eggs.data(Qt::FontRole).value<QFont>().pointSizeF(), tSize);
        QVERIFY(!eggs.siblingAtColumn(0).data(Qt::DecorationRole).value<QIcon>().isNull());

        // Tea counts down, Pasta is paused, Eggs has finished.
        TimerEngine& engine = *vc.engine();
        const auto id = [&](int row) { return timerId(vc.timers().at(row)); };
        for (int row : {0, 1, 2}) QVERIFY(engine.startTimer(id(row)));
        engine.tick(id(0));
        QVERIFY(engine.pauseTimer(id(1)));
        for (int i = 0; i < 90; ++i) engine.tick(id(2));
        engine.silence();
        QCOMPARE(rowText(vc, 0), QString("Tea timerfull22 14 | 2m 59s timerfull22 16"));
        QCOMPARE(rowText(vc, 1), QString("Pasta timerfull22 14 | Paused 9m timerfull22 14"));
        const QRegularExpression finished("^Eggs timerfull22 14 \\| Finished \\d.* - 14$");
        QVERIFY2(finished.match(rowText(vc, 2)).hasMatch(), qPrintable(rowText(vc, 2)));
        const QString eggsId = id(2);
        QCOMPARE(engine.stateOf(eggsId), TimerState::Finished);

        // Sorted anew: each running timer learns its new row, the selection keeps its number.
        vc.myTable()->selectRowExactly(1);
        testing::changeSettings(*prefs, [](Settings& s) {
            s.sort = sortDuration;  // Eggs, Tea, Pasta
            s.largeRows = false;
        });
        vc.reloadTable();
        QCOMPARE(rowText(vc, 0), QString("Eggs timer22 14 | 1m 30s - 14"));
        QCOMPARE(engine.stateOf(eggsId), TimerState::Stopped);  // its finish is drawn no more
        QCOMPARE(rowText(vc, 1), QString("Tea timerfull22 14 | 2m 59s timerfull22 16"));
        QCOMPARE(rowText(vc, 2), QString("Pasta timerfull22 14 | 9m - 14"));
        engine.tick(id(1));  // Tea's tick finds its new row
        QCOMPARE(rowText(vc, 1), QString("Tea timerfull22 14 | 2m 58s timerfull22 16"));
        QCOMPARE(vc.myTable()->selectedRows(), QList<int>{1});
        QCOMPARE(vc.myTable()->rowHeight(2), 32);
    }

    void onlyADropBetweenRowsOfAStillListMovesThem() {
        store.reset();
        store = std::make_unique<testing::StoreFixture>(home->path() + "/five.sqlite");
        for (int i = 0; i < 5; ++i) store->addTimer(QString::number(i), 60);
        // All 60 s: store order, but not custom.
        testing::changeSettings(*prefs, [](Settings& s) { s.sort = sortDuration; });
        TimerList list;
        QVERIFY(populateArray(list, store->store(), prefs->settings().sort));
        TimerTableView view;
        auto* model = new TimerTableModel(*prefs, list, &view);
        model->setStore(&store->store());
        view.setModel(model);
        model->reloadData();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // Drags rows to just inside the top edge of row (plus dy) and drops them.
        const auto drop = [&](const QByteArray& rows, int row, int dy = 0) {
            QMimeData data;
            data.setData(rowsMimeType, rows);
            const QPoint pos(40, view.rowViewportPosition(row) + 2 + dy);
            QDragEnterEvent enter(pos, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDragMoveEvent move(pos, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDropEvent event(pos, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
            for (QEvent* e : std::initializer_list<QEvent*>{&enter, &move, &event})
                QCoreApplication::sendEvent(view.viewport(), e);
            // The table shows where a drop lands exactly where it takes one.
            return move.isAccepted() == event.isAccepted() ? int(event.isAccepted()) : -1;
        };
        const auto shown = [&] {
            QStringList texts;
            for (int r = 0; r < model->rowCount(); ++r) texts << model->cell(r, 0).text;
            return texts.join(' ');
        };
        QCOMPARE(drop("0", 2, view.rowHeight(2) / 2), 0);  // onto a row
        for (const QByteArray bad : {"", "abc", "-1", "5", "1.0"}) QCOMPARE(drop(bad, 0), 0);
        QCOMPARE(drop("4", 0), 1);
        QCOMPARE(shown(), "4 0 1 2 3");
        QCOMPARE(drop("1\n2\n3\n4", 0), 1);
        QCOMPARE(shown(), "0 1 2 3 4");
        view.selectRowsExactly({0, 2});
        std::unique_ptr<QMimeData> dragged(
            model->mimeData(view.selectionModel()->selectedIndexes()));
        QCOMPARE(drop(dragged->data(rowsMimeType), 4), 1);
        QCOMPARE(shown(), "1 3 0 2 4");
        QCOMPARE(view.selectedRows(), QList<int>({2, 3}));
        QCOMPARE(prefs->settings().sort, sortNone);  // for this run
        list.clear();
        model->reloadData();
        QCOMPARE(drop("0", 0), 0);  // an empty list takes none
    }
};

QTEST_MAIN(TestTimerListView)
#include "tst_timerlistview.moc"
