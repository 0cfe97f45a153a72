// Dragging rows of the timer table into the user's own order, as drag events.
#include <QMimeData>
#include <QTest>

#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "model/ListOrder.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestDragDrop : public QObject {
    Q_OBJECT
private slots:
    void onlyADropBetweenRowsOfAStillListMovesThem() {
        testing::TestHome home;
        testing::StoreFixture store(home.storePath());
        for (int i = 0; i < 5; ++i) store.addTimer(QString::number(i), 60);
        prefsSort = sortDuration;  // all 60 s: store order, but not custom
        QVERIFY(populateArray(prefsSort));
        TimerTableView view;
        auto* model = new TimerTableModel(&view);
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
        const auto expectOrder = [&](const QStringList& order) {
            QStringList shown, stored;
            for (int r = 0; r < model->rowCount(); ++r) shown << model->cell(r, 0).text;
            QVERIFY(populateArray(sortNone));
            for (const TimerRecord& t : std::as_const(timersArray)) stored << timerDesc(t);
            QCOMPARE(shown + stored, order + order);
        };
        QCOMPARE(drop("0", 2, view.rowHeight(2) / 2), 0);  // onto a row
        for (const QByteArray bad : {"", "abc", "-1", "5", "1.0"}) QCOMPARE(drop(bad, 0), 0);
        alertsArray << testing::runningAlert(timersArray[4], 60);
        QCOMPARE(drop("0", 3), 1);  // taken, and nothing happens
        expectOrder({"0", "1", "2", "3", "4"});
        QCOMPARE(timerId(timersArray[4]), alertsArray[0].id);
        alertsArray.clear();
        view.selectRowsExactly({0, 2});
        std::unique_ptr<QMimeData> dragged(
            model->mimeData(view.selectionModel()->selectedIndexes()));
        QCOMPARE(drop(dragged->data(rowsMimeType), 4), 1);
        expectOrder({"1", "3", "0", "2", "4"});
        QCOMPARE(view.selectedRows(), QList<int>({2, 3}));
        QCOMPARE(prefsSort, sortNone);
        timersArray.clear();
        model->reloadData();
        QCOMPARE(drop("0", 0), 0);  // an empty list takes none
    }
};

QTEST_MAIN(TestDragDrop)
#include "tst_dragdrop.moc"
