// Dragging rows of the timer table into the user's own order, through the
// table's model and through drag events delivered to the table itself.
#include <QApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "model/Globals.h"
#include "model/ListOrder.h"
#include "model/Store.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
QStringList shownDescriptions(const TimerTableModel& model) {
    QStringList names;
    for (int r = 0; r < model.rowCount(); ++r) names << model.cell(r, 0).text;
    return names;
}

QStringList storedDescriptions() {
    ManagedObjectContext fresh(timerDataModel());
    StoreError error;
    if (!fresh.open(viewContext().path(), &error)) return {"<unopenable>"};
    const auto stored = fresh.fetch({TimersKeys::entity, {}}, &error);
    QStringList names;
    if (stored)
        for (const TimerRecord& t : *stored) names << timerDesc(t);
    return names;
}

std::unique_ptr<QMimeData> payload(const QByteArray& rows) {
    auto data = std::make_unique<QMimeData>();
    data->setData(rowsMimeType, rows);
    return data;
}
}  // namespace

class TestDragDrop : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<TimerTableView> view;
    TimerTableModel* model = nullptr;
    int disagreements = 0;

    void showTimers(int n) {
        for (int i = 0; i < n; ++i) store->addTimer(QString::number(i), 60);
        QVERIFY(populateArray(prefsSort));
        model->reloadData();
    }

    // Where a pointer is: just inside the top edge of a row, in its middle,
    // or in the empty space under the last row.
    QPoint topEdgeOf(int row) const { return {40, view->rowViewportPosition(row) + 2}; }
    QPoint middleOf(int row) const {
        return {40, view->rowViewportPosition(row) + view->rowHeight(row) / 2};
    }
    QPoint belowTheRows() const {
        const int last = model->rowCount() - 1;
        return {40, view->rowViewportPosition(last) + view->rowHeight(last) + 20};
    }

    // Drags data over the table to pos; whether the table would take it there.
    bool hover(const QMimeData& data, QPoint pos) {
        QDragEnterEvent enter(pos, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        QDragMoveEvent move(pos, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        return move.isAccepted();
    }
    bool drop(const QMimeData& data, QPoint pos) {
        const bool wouldTake = hover(data, pos);
        QDropEvent event(pos, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
        // The table shows where a drop lands exactly where it takes one.
        if (wouldTake != event.isAccepted()) ++disagreements;
        return event.isAccepted();
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        prefsSort = sortNone;
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        view = std::make_unique<TimerTableView>();
        model = new TimerTableModel(view.get());
        view->setModel(model);
        view->setRowHeight(38);
        view->resize(320, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }
    void cleanup() {
        QCOMPARE(disagreements, 0);
        disagreements = 0;
        view.reset();
        testing::resetGlobals();
        store.reset();
        home.reset();
    }

    void dragCarriesTheSelectedRowIndices() {
        showTimers(5);
        QCOMPARE(model->mimeTypes(), QStringList{"public.data"});
        view->selectRowExactly(3);
        std::unique_ptr<QMimeData> data(model->mimeData(view->selectionModel()->selectedIndexes()));
        QVERIFY(data);
        QCOMPARE(data->data("public.data"), QByteArray("3"));

        // Both cells of each row are selected, named here last row first.
        const QModelIndexList cells{model->index(4, 1), model->index(4, 0), model->index(0, 1),
                                    model->index(0, 0)};
        data.reset(model->mimeData(cells));
        QCOMPARE(data->data("public.data"), QByteArray("0\n4"));
        QCOMPARE(rowsFromPayload(data->data("public.data")), QList<int>({0, 4}));
    }

    void dropBetweenRowsMovesAndTheSelectionFollows_data() {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<int>("target");  // a row's top edge; -1: under the last row
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QList<int>>("selected");
        QTest::newRow("0 to 3") << QByteArray("0") << 3 << QStringList{"1", "2", "0", "3", "4"}
                                << QList<int>{2};
        QTest::newRow("3 to 0") << QByteArray("3") << 0 << QStringList{"3", "0", "1", "2", "4"}
                                << QList<int>{0};
        QTest::newRow("0 and 2 to 4")
            << QByteArray("0\n2") << 4 << QStringList{"1", "3", "0", "2", "4"} << QList<int>{2, 3};
        QTest::newRow("1 under the last")
            << QByteArray("1") << -1 << QStringList{"0", "2", "3", "4", "1"} << QList<int>{4};
    }
    void dropBetweenRowsMovesAndTheSelectionFollows() {
        QFETCH(QByteArray, rows);
        QFETCH(int, target);
        prefsSort = sortDuration;  // all 60 s: store order, but not custom
        showTimers(5);
        view->selectRowExactly(4);
        QSignalSpy reordered(model, &TimerTableModel::rowsReordered);

        const auto data = payload(rows);
        QVERIFY(drop(*data, target < 0 ? belowTheRows() : topEdgeOf(target)));
        QTEST(shownDescriptions(*model), "order");
        QTEST(storedDescriptions(), "order");
        QCOMPARE(prefsSort, sortNone);
        QCOMPARE(reordered.count(), 1);
        QTEST(reordered.first().first().value<QList<int>>(), "selected");
        QTEST(view->selectedRows(), "selected");
        // The model shows the rewritten records, not the ones the drop moved.
        for (const TimerRecord& t : std::as_const(timersArray)) QVERIFY(t->isPersistent());
    }

    void dropOntoARowIsRefused() {
        showTimers(4);
        const auto data = payload("0");
        QVERIFY(!hover(*data, middleOf(2)));
        QVERIFY(!drop(*data, middleOf(2)));
        QVERIFY(!model->canDropMimeData(data.get(), Qt::MoveAction, -1, -1, model->index(2, 0)));
        QVERIFY(!model->dropMimeData(data.get(), Qt::MoveAction, -1, -1, model->index(2, 0)));
        // A copy is not a reorder either.
        QVERIFY(!model->dropMimeData(data.get(), Qt::CopyAction, 2, 0, QModelIndex()));
        QCOMPARE(shownDescriptions(*model), QStringList({"0", "1", "2", "3"}));
        QCOMPARE(storedDescriptions(), QStringList({"0", "1", "2", "3"}));
    }

    void payloadThatNamesNoRowIsRefused() {
        showTimers(3);
        QSignalSpy reordered(model, &TimerTableModel::rowsReordered);
        for (const QByteArray bad : {"", "abc", "-1", "3", "1.0"}) {
            const auto data = payload(bad);
            QVERIFY2(!drop(*data, topEdgeOf(0)), bad.constData());
            QVERIFY(!model->dropMimeData(data.get(), Qt::MoveAction, 0, 0, QModelIndex()));
        }
        QMimeData other;
        other.setText("0");
        QVERIFY(!drop(other, topEdgeOf(2)));
        QCOMPARE(reordered.count(), 0);
        QCOMPARE(shownDescriptions(*model), QStringList({"0", "1", "2"}));
        QCOMPARE(storedDescriptions(), QStringList({"0", "1", "2"}));
    }

    void nothingMovesWhileATimerRuns() {
        showTimers(4);
        Alert alert;
        alert.id = timerId(timersArray[3]);
        alertsArray.append(alert);
        QSignalSpy reordered(model, &TimerTableModel::rowsReordered);
        const auto data = payload("0");
        QVERIFY(drop(*data, topEdgeOf(3)));  // taken, and nothing happens
        QCOMPARE(reordered.count(), 0);
        QCOMPARE(shownDescriptions(*model), QStringList({"0", "1", "2", "3"}));
        QCOMPARE(storedDescriptions(), QStringList({"0", "1", "2", "3"}));
        QCOMPARE(timerId(timersArray[3]), alert.id);
    }

    void emptyListTakesNoDrop() {
        model->reloadData();
        const auto data = payload("0");
        QVERIFY(!model->canDropMimeData(data.get(), Qt::MoveAction, 0, 0, QModelIndex()));
        QVERIFY(!model->dropMimeData(data.get(), Qt::MoveAction, -1, -1, QModelIndex()));
        QVERIFY(!drop(*data, QPoint(40, 40)));
    }

    void failedRewriteShowsTheOldOrder() {
        showTimers(4);
        view->selectRowExactly(0);
        QSignalSpy reordered(model, &TimerTableModel::rowsReordered);
        store->context().failNextWrites(1, 2);  // the delete and one copy go through
        const auto data = payload("0");
        QVERIFY(drop(*data, topEdgeOf(3)));
        QCOMPARE(shownDescriptions(*model), QStringList({"0", "1", "2", "3"}));
        QCOMPARE(storedDescriptions(), QStringList({"0", "1", "2", "3"}));
        // The dragged timer stays selected where it still is.
        QCOMPARE(reordered.count(), 1);
        QCOMPARE(view->selectedRows(), QList<int>{0});
    }
};

QTEST_MAIN(TestDragDrop)
#include "tst_dragdrop.moc"
