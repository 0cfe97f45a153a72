// The editor's snooze: shown from the record, refused outside a minute to a
// day with what was typed kept, stored on Save, and a switched-off snooze
// keeps its length.
#include <QtTest>
#include <QtWidgets>

#include "editing/EditController.h"
#include "model/Store.h"
#include "model/TimerModel.h"
#include "platform/MessageBox.h"
#include "platform/WallClock.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestSnoozeEdit : public QObject {
    Q_OBJECT
    testing::TestHome home;
    FixedWallClock clock{QDateTime(QDate(2026, 3, 20), QTime(10, 0)), QTimeZone::utc()};
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<EditController> dlg;

    QCheckBox* box() { return dlg->findChild<QCheckBox*>("cbSnooze"); }
    QSpinBox* minutes() { return dlg->findChild<QSpinBox*>("spinSnooze"); }
    void open(const TimerRecord& timer) {
        dlg = std::make_unique<EditController>(nullptr);
        dlg->setAreEditing(bool(timer));
        dlg->setCurrentTimer(timer);
        dlg->open();
    }
    std::optional<AlertSpec> save() {
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        dlg->findChild<QPushButton*>("btnSave")->click();
        return MessageBox::lastAlert();
    }
    // (snoozeOn, snooze) of the one stored timer, as a fresh read finds it.
    std::pair<bool, qint64> stored() {
        ManagedObjectContext other(timerDataModel());
        if (!other.open(home.storePath(), nullptr)) return {};
        const auto rows =
            other.fetch({TimersKeys::entity, {}}, nullptr).value_or(QList<ManagedObjectPtr>{});
        if (rows.size() != 1) return {};
        return {rows[0]->value(TimersKeys::snoozeOn).toBool(),
                rows[0]->value(TimersKeys::snooze).toLongLong()};
    }

    // The editor on a stored timer that snoozes for 3 minutes.
    void openStoredEgg() {
        const TimerRecord egg = store->addTimer("Egg", 240);
        egg->setValue(TimersKeys::snoozeOn, true);
        egg->setValue(TimersKeys::snooze, qint64(180));
        QVERIFY(viewContext().save(nullptr));
        timersArray = {egg};
        open(egg);
    }

private slots:
    void init() {
        setWallClock(&clock);
        testing::resetGlobals();
        store.reset();
        QFile::remove(home.storePath());
        store = std::make_unique<testing::StoreFixture>(home.storePath());
    }
    void cleanup() { dlg.reset(); }

    void newTimerStartsOffAtFiveMinutes() {
        open({});
        QVERIFY(!box()->isChecked() && !minutes()->isEnabled());
        QCOMPARE(minutes()->value(), 5);
        dlg->findChild<QLineEdit*>("edDescription")->setText("Tea");
        box()->click();
        QVERIFY(minutes()->isEnabled());
        minutes()->setValue(10);
        QVERIFY(!save());
        QCOMPARE(stored(), std::make_pair(true, qint64(600)));
    }

    void lengthOutsideAMinuteToADayIsRefused_data() {
        QTest::addColumn<int>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("0") << 0 << true;
        QTest::newRow("1") << 1 << false;
        QTest::newRow("a day") << 1440 << false;
        QTest::newRow("a day and a minute") << 1441 << true;
        QTest::newRow("widest") << 99999 << true;
    }
    void lengthOutsideAMinuteToADayIsRefused() {
        QFETCH(int, typed);
        QFETCH(bool, refused);
        openStoredEgg();
        QVERIFY(box()->isChecked());
        QCOMPARE(minutes()->value(), 3);
        minutes()->setValue(typed);
        const std::optional<AlertSpec> alert = save();
        QCOMPARE(bool(alert), refused);
        if (refused) {
            QCOMPARE(alert->message, QString("Invalid snooze length."));
            QCOMPARE(alert->informativeText,
                     QString("A snooze lasts from 1 minute to 1 day (1440 minutes)."));
            QVERIFY(dlg->isVisible() && minutes()->value() == typed);
            QCOMPARE(stored(), std::make_pair(true, qint64(180)));
        } else {
            QCOMPARE(stored(), std::make_pair(true, qint64(typed) * 60));
        }
    }

    void switchedOffKeepsItsLengthAndIsNotChecked() {
        openStoredEgg();
        minutes()->setValue(0);
        box()->click();
        QVERIFY(!save());
        QCOMPARE(stored(), std::make_pair(false, qint64(180)));
    }
};

QTEST_MAIN(TestSnoozeEdit)
#include "tst_snoozeedit.moc"
