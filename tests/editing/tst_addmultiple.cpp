// The add-multiple sheet: rows typed and saved together, refused rows kept
// for fixing, and Cancel leaving the list alone.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "editing/AddMultipleController.h"
#include "model/Globals.h"
#include "model/TimerModel.h"
#include "platform/MessageBox.h"
#include "platform/NotificationHub.h"
#include "platform/ObjectStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

using Rows = QList<std::pair<QString, QString>>;

class TestAddMultiple : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<QWidget> window;
    AddMultipleController* sheet = nullptr;
    QStringList events;  // what the sheet told the world, in order
    QStringList addedIds;
    bool addedStart = false;
    // An alert no test answered would block the run: close it and fail.
    QTimer alertWatch;
    bool unansweredAlert = false;

    QStringList storedDescs() {
        StoreError error;
        const auto timers = store->context().fetch({TimersKeys::entity, {}}, &error);
        QStringList descs;
        for (const TimerRecord& timer : *timers) descs << timerDesc(timer);
        return descs;
    }
    void fill(const Rows& rows) {
        TimerRowsTable* table = sheet->theTable();
        while (table->rowCount() < rows.size()) table->addRow();
        for (int r = 0; r < rows.size(); ++r) {
            table->timeField(r)->setText(rows[r].first);
            table->descriptionField(r)->setText(rows[r].second);
        }
    }
    Rows typed() const {
        Rows rows;
        TimerRowsTable* table = sheet->theTable();
        for (int r = 0; r < table->rowCount(); ++r)
            rows.append({table->timeField(r)->text(), table->descriptionField(r)->text()});
        return rows;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, key, modifiers);
    }
    void showSheet() {
        window->show();
        sheet->open();
        QVERIFY(QTest::qWaitForWindowActive(sheet));
    }

private slots:
    void initTestCase() {
        connect(&alertWatch, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                unansweredAlert = true;
                box->reject();
            }
        });
        alertWatch.start(100);
    }
    void init() {
        unansweredAlert = false;
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        MessageBox::clearLastAlert();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        timersArray.append(store->addTimer("Existing", 600));
        window = std::make_unique<QWidget>();
        sheet = new AddMultipleController(window.get());
        events.clear();
        connect(sheet, &AddMultipleController::timersAdded, this,
                [this](const QStringList& ids, bool start) {
                    events << (sheet->isVisible() ? "added while open" : "added");
                    addedIds = ids;
                    addedStart = start;
                });
        NotificationHub::defaultCenter().addObserver("ncReturnedFromAddMultiple", sheet,
                                                     [this] { events << "posted"; });
    }
    void cleanup() {
        QVERIFY(!unansweredAlert);
        window.reset();
        store.reset();
        testing::resetGlobals();
        home.reset();
    }

    void opensWithOneEmptyRow() {
        TimerRowsTable* table = sheet->theTable();
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->columnCount(), 2);
        QCOMPARE(table->timeField(0)->objectName(),
                 AddMultipleController::CellIdentifiers::cellTime);
        QCOMPARE(table->descriptionField(0)->objectName(), QString("cellDescription"));
        QCOMPARE(table->descriptionField(0)->placeholderText(), QString("A description"));
        QVERIFY(!sheet->cbStart()->isChecked());
        // Toggling the box alone does nothing.
        QTest::mouseClick(sheet->cbStart(), Qt::LeftButton);
        QCOMPARE(storedDescs(), QStringList{"Existing"});
        QVERIFY(events.isEmpty());
    }

    void saveStoresEveryRowInOrder() {
        prefsDefSound = "Chimes";
        // Blank rows are spare ones and are skipped.
        fill({{"1:30", "Tea"}, {"", "  "}, {"1h 5m", " Roast "}, {"45", "Eggs"}, {"", ""}});
        showSheet();
        QTest::mouseClick(sheet->btnSave(), Qt::LeftButton);

        QCOMPARE(storedDescs(), (QStringList{"Existing", "Tea", " Roast ", "Eggs"}));
        QCOMPARE(timersArray.size(), 4);
        QList<qint64> durations;
        QStringList ids;
        for (const TimerRecord& timer : timersArray.mid(1)) {
            durations << timerDuration(timer);
            QCOMPARE(timerSound(timer), QString("Chimes"));
            QVERIFY(timer->isPersistent());
            ids << timerId(timer);
        }
        QCOMPARE(durations, (QList<qint64>{90, 3900, 45}));
        QCOMPARE(addedIds, ids);
        QVERIFY(!addedStart);
        QCOMPARE(events, (QStringList{"added", "posted"}));
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        QVERIFY(MessageBox::shownAlerts().isEmpty());
    }

    void badRowIsRefusedAndKept_data() {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("desc");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("informative");
        QTest::addColumn<int>("column");
        QTest::newRow("garbage") << "1:7x"
                                 << "Pasta"
                                 << "Invalid duration."
                                 << "Row 2: \"1:7x\" is not a duration." << 0;
        QTest::newRow("zero") << "0:00"
                              << "Pasta"
                              << "Invalid duration."
                              << "Row 2: the duration cannot be zero." << 0;
        QTest::newRow("too long") << "400d"
                                  << "Pasta"
                                  << "Invalid duration."
                                  << "Row 2: a timer can run for at most 365 days." << 0;
        QTest::newRow("no time") << ""
                                 << "Pasta"
                                 << "Missing duration."
                                 << "Row 2 needs a duration" << 0;
        QTest::newRow("no description") << "5m"
                                        << " \t"
                                        << "Missing description."
                                        << "Row 2 needs a description." << 1;
    }
    void badRowIsRefusedAndKept() {
        QFETCH(QString, time);
        QFETCH(QString, desc);
        QFETCH(QString, message);
        QFETCH(QString, informative);
        QFETCH(int, column);
        const Rows rows{{"1:30", "Tea"}, {time, desc}, {"2h", "Roast"}};
        fill(rows);
        showSheet();
        MessageBox::setNextAnswer(0);
        QTest::mouseClick(sheet->btnSave(), Qt::LeftButton);

        const auto alert = MessageBox::lastAlert();
        QVERIFY(alert);
        QCOMPARE(alert->windowTitle, QString("Dunok"));
        QCOMPARE(alert->message, message);
        QVERIFY2(alert->informativeText.startsWith(informative),
                 qPrintable(alert->informativeText));
        QCOMPARE(alert->buttons, QStringList{"OK"});
        // Nothing stored, nothing lost, the bad field ready for retyping.
        QCOMPARE(storedDescs(), QStringList{"Existing"});
        QCOMPARE(timersArray.size(), 1);
        QVERIFY(sheet->isVisible());
        QCOMPARE(typed(), rows);
        QVERIFY(events.isEmpty());
        QCOMPARE(QApplication::focusWidget(), sheet->theTable()->field(1, column));
    }

    void nothingTypedIsRefused() {
        MessageBox::setNextAnswer(0);
        sheet->btnSaveClicked();
        QCOMPARE(MessageBox::lastAlert()->message, QString("No timers to add."));
        QCOMPARE(storedDescs(), QStringList{"Existing"});
        QVERIFY(events.isEmpty());
    }

    void failedSaveAddsNothingAndKeepsTheRows() {
        const Rows rows{{"1m", "A"}, {"2m", "B"}, {"3m", "C"}};
        fill(rows);
        showSheet();
        testing::MessageLog log;
        store->context().failNextWrites(1, 1);  // the second insert fails
        MessageBox::setNextAnswer(0);
        sheet->btnSaveClicked();
        QCOMPARE(MessageBox::lastAlert()->message, QString("Could not save the timers."));
        QCOMPARE(log.countStartingWith("Could not save. "), 1);
        QCOMPARE(storedDescs(), QStringList{"Existing"});
        QCOMPARE(timersArray.size(), 1);
        QVERIFY(sheet->isVisible());
        QCOMPARE(typed(), rows);
        QVERIFY(events.isEmpty());

        // A second try stores each row once.
        sheet->btnSaveClicked();
        QCOMPARE(storedDescs(), (QStringList{"Existing", "A", "B", "C"}));
        QCOMPARE(events, (QStringList{"added", "posted"}));
    }

    void cancelStoresNothing() {
        fill({{"1:30", "Tea"}, {"2h", "Roast"}});
        showSheet();
        QTest::mouseClick(sheet->btnCancel(), Qt::LeftButton);
        QCOMPARE(sheet->result(), int(QDialog::Rejected));
        QVERIFY(!sheet->isVisible());
        QCOMPARE(storedDescs(), QStringList{"Existing"});
        QCOMPARE(timersArray.size(), 1);
        QVERIFY(events.isEmpty());
    }

    void escapeInARowCancels() {
        fill({{"1:30", "Tea"}});
        showSheet();
        sheet->theTable()->focusField(0, 1);
        press(Qt::Key_Escape);
        QCOMPARE(sheet->result(), int(QDialog::Rejected));
        QVERIFY(!sheet->isVisible());
        QCOMPARE(storedDescs(), QStringList{"Existing"});
    }

    // Type, Return, type, Return ... and Return on the empty row saves.
    void returnWalksTheRowsAndSavesOnABlankOne() {
        showSheet();
        TimerRowsTable* table = sheet->theTable();
        QCOMPARE(QApplication::focusWidget(), table->timeField(0));
        QTest::keyClicks(table->timeField(0), "1:30");
        press(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), table->descriptionField(0));
        QTest::keyClicks(table->descriptionField(0), "Tea");
        press(Qt::Key_Return);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(QApplication::focusWidget(), table->timeField(1));
        QVERIFY(sheet->isVisible());  // Return did not also press Save
        QTest::keyClicks(table->timeField(1), "2H");
        press(Qt::Key_Return);
        QTest::keyClicks(table->descriptionField(1), "Roast");
        press(Qt::Key_Return);
        QCOMPARE(table->rowCount(), 3);
        sheet->cbStart()->setChecked(true);
        press(Qt::Key_Return);

        QCOMPARE(storedDescs(), (QStringList{"Existing", "Tea", "Roast"}));
        QCOMPARE(timerDuration(timersArray.last()), qint64(7200));
        QVERIFY(!sheet->isVisible());
        QVERIFY(addedStart);
        QCOMPARE(addedIds.size(), 2);
    }

    void tabGoesRowByRow() {
        showSheet();
        TimerRowsTable* table = sheet->theTable();
        QTest::mouseClick(sheet->btnAddRow(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), table->timeField(1));
        table->focusField(0, 0);
        const QList<QWidget*> expected{table->descriptionField(0), table->timeField(1),
                                       table->descriptionField(1), sheet->btnAddRow(),
                                       sheet->btnRemoveRow(),      sheet->cbStart(),
                                       sheet->btnCancel(),         sheet->btnSave()};
        for (QWidget* next : expected) {
            press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void removeRowTakesTheRowBeingTyped() {
        fill({{"1m", "A"}, {"2m", "B"}, {"3m", "C"}});
        showSheet();
        TimerRowsTable* table = sheet->theTable();
        table->focusField(1, 1);
        QTest::mouseClick(sheet->btnRemoveRow(), Qt::LeftButton);
        QCOMPARE(typed(), (Rows{{"1m", "A"}, {"3m", "C"}}));
        QCOMPARE(table->timeField(1)->accessibleName(), QString("Time, row 2"));
        // The last row is emptied rather than removed.
        table->removeRow(0);
        table->removeRow(0);
        QCOMPARE(typed(), (Rows{{"", ""}}));
    }
};

QTEST_MAIN(TestAddMultiple)
#include "tst_addmultiple.moc"
