// The add-multiple sheet: rows stored together in order, and a bad row,
// Cancel or a failed save adding nothing and losing nothing typed.
#include <QtTest>
#include <QtWidgets>

#include "domain/TimerEdits.h"
#include "domain/TimerModel.h"
#include "support/TestEnvironment.h"
#include "ui/AddMultipleController.h"
#include "ui/MessageBox.h"

using namespace dunok;

class TestAddMultiple : public QObject {
    Q_OBJECT

    testing::TestHome home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<AddMultipleController> sheet;
    std::unique_ptr<QSignalSpy> added;  // timersAdded

    QStringList stored() { return testing::storedTimers(home.storePath()); }
    void fill(const QStringList& cells) {  // time, description, time, ...
        TimerRowsTable* table = sheet->theTable();
        while (table->rowCount() * 2 < cells.size()) table->addRow();
        for (int i = 0; i < cells.size(); ++i) table->field(i / 2, i % 2)->setText(cells[i]);
        sheet->open();
    }
    QStringList typed() {
        QStringList cells;
        for (int i = 0; i < sheet->theTable()->rowCount() * 2; ++i)
            cells << sheet->theTable()->field(i / 2, i % 2)->text();
        return cells;
    }
    void saveIsRefused(const QString& message, const QString& why) {
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        sheet->btnSave()->click();
        const auto alert = MessageBox::lastAlert();
        QVERIFY(alert && alert->message == message && alert->informativeText.startsWith(why));
        QVERIFY(sheet->isVisible() && stored().isEmpty() && added->isEmpty());
    }

private slots:
    void init() {
        store.reset();
        QFile::remove(home.storePath());
        store = std::make_unique<testing::StoreFixture>(home.storePath());
        sheet = std::make_unique<AddMultipleController>(
            Constants::defSound,
            [this](QList<Timer>& t, StoreError* e) { return addTimers(store->store(), t, e); });
        added = std::make_unique<QSignalSpy>(sheet.get(), &AddMultipleController::timersAdded);
    }

    void saveStoresEveryRowInOrder() {
        fill({"1:30", "Tea", "", "  ", "1h 5m", " Roast ", "45", "Eggs", "", ""});
        sheet->btnSave()->click();
        QCOMPARE(stored(), (QStringList{"Tea/90", " Roast /3900", "Eggs/45"}));
        QStringList ids;
        for (const Timer& timer : testing::storedRecords(home.storePath())) ids << timerId(timer);
        QVERIFY(!sheet->isVisible() && added->count() == 1 && !added->at(0)[1].toBool());
        QCOMPARE(added->at(0)[0].toStringList(), ids);
    }

    void badRowOrFailedSaveAddsNothing() {
        fill({"1:30", "Tea", "1:7x", "Pasta", "2h", "Roast"});
        saveIsRefused("Invalid duration.", "Row 2: \"1:7x\" is not a duration.");
        QCOMPARE(typed(), (QStringList{"1:30", "Tea", "1:7x", "Pasta", "2h", "Roast"}));
        // The sentence the command line and the bus give for the same slip.
        sheet->theTable()->timeField(1)->setText("-5m");
        saveIsRefused("Invalid duration.", "Row 2: A timer runs for a second to a year.");
        sheet->theTable()->timeField(1)->setText("5m");
        store->store().failNextWrites(1, 1);  // the second insert fails
        saveIsRefused("Could not save the timers.", "Nothing was added");
        QCOMPARE(typed(), (QStringList{"1:30", "Tea", "5m", "Pasta", "2h", "Roast"}));
        sheet->btnSave()->click();  // the failed save's inserts must not come along
        QCOMPARE(stored(), (QStringList{"Tea/90", "Pasta/300", "Roast/7200"}));
        QCOMPARE(added->count(), 1);
    }

    void cancelStoresNothing() {
        fill({"1:30", "Tea", "2h", "Roast"});
        sheet->btnCancel()->click();
        QVERIFY(!sheet->isVisible() && added->isEmpty() && stored().isEmpty());
    }
};

QTEST_MAIN(TestAddMultiple)
#include "tst_addmultiple.moc"
