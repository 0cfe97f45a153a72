// The timer store on its own: ids that never change or come back, the user's
// order, operations that are whole or not at all, and files it must refuse.
#include <sqlite3.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "storage/TimerStore.h"
#include "support/HostileStore.h"

using namespace dunok;
using testing::fingerprint;
using testing::sql;

class TestTimerStore : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<TimerStore> store_;

    static Timer timer(const QString& name, qint64 duration) {
        Timer made;
        made.desc = name;
        made.duration = duration;
        made.sound = "Chimes";
        return made;
    }
    QList<Timer> add(const QStringList& names) {
        QList<Timer> timers;
        for (const QString& name : names) timers << timer(name, name.size());
        StoreError error;
        if (!store_->add(timers, &error)) qWarning("%s", qPrintable(error.consoleText()));
        return timers;
    }
    QStringList names() {
        QStringList out;
        for (const Timer& t : store_->timers(nullptr).value_or(QList<Timer>())) out << t.desc;
        return out;
    }
    std::unique_ptr<TimerStore> open(const QString& path, StoreError* error = nullptr) {
        auto store = std::make_unique<TimerStore>();
        return store->open(path, error) ? std::move(store) : nullptr;
    }

private slots:
    void init() {
        path_ = dir_.filePath(QString::number(QRandomGenerator::global()->generate()) + ".sqlite");
        store_ = open(path_);
        QVERIFY(store_);
    }

    // Moving, editing and deleting never renumber a timer, and an id is never
    // given out again, so an old notification cannot name a newer timer.
    void idsStayWithTheirTimers() {
        const QList<Timer> made = add({"a", "b", "c"});
        QVERIFY(made[0].id > 0 && made[1].id > made[0].id && made[2].id > made[1].id);
        StoreError error;
        QVERIFY(store_->setOrder({made[2].id, made[0].id, made[1].id}, &error));
        Timer edited = made[0];
        edited.desc = "a, edited";
        edited.snoozeOn = true;
        edited.snooze = 600;
        QVERIFY(store_->update(edited, &error));
        QVERIFY(store_->remove({made[2].id}, &error));
        const QList<Timer> later = add({"d"});
        QVERIFY(later[0].id > made[2].id);
        store_.reset();
        const QByteArray before = fingerprint(path_);
        store_ = open(path_);
        const QList<Timer> reopened = store_->timers(&error).value();
        QCOMPARE(fingerprint(path_), before);  // opened without a write
        QCOMPARE(reopened.size(), 3);
        QCOMPARE(reopened[0].id, made[0].id);
        QCOMPARE(reopened[0].desc, QString("a, edited"));
        QVERIFY(reopened[0].snoozeOn && reopened[0].snooze == 600);
        QCOMPARE(reopened[1].id, made[1].id);
        QCOMPARE(reopened[2].id, later[0].id);  // added after the last
        // A timer that is gone cannot be written to.
        QVERIFY(!store_->update(made[2], &error));
    }

    // An order must name each stored timer exactly once: a list that missed
    // a reload would otherwise leave a timer without its place.
    void orderThatIsNotTheStoreIsRefused() {
        const QList<Timer> made = add({"a", "b", "c"});
        for (const QList<TimerId>& wrong : {QList<TimerId>{made[0].id, made[1].id},
                                            {made[0].id, made[1].id, made[1].id},
                                            {made[0].id, made[1].id, made[2].id, 999}}) {
            StoreError error;
            QVERIFY(!store_->setOrder(wrong, &error));
            QVERIFY2(error.description.contains("does not match"), qPrintable(error.description));
        }
        QCOMPARE(names(), QStringList({"a", "b", "c"}));
    }

    // Each operation is one transaction: a write that fails part-way leaves
    // the file as it was, and the timers given to add() without ids.
    void failedOperationsChangeNothing() {
        const QList<Timer> made = add({"a", "b", "c"});
        const QByteArray before = fingerprint(path_);
        StoreError error;
        QList<Timer> more{timer("d", 1), timer("e", 1)};
        store_->failNextWrites(1, 1);
        QVERIFY(!store_->add(more, &error));
        QCOMPARE(error.userInfo.value("sqliteCode").toInt(), SQLITE_IOERR);
        QVERIFY(more[0].id == 0 && more[1].id == 0);
        store_->failNextWrites(1, 1);
        QVERIFY(!store_->remove({made[0].id, made[1].id}, &error));
        store_->failNextWrites(1, 2);
        QVERIFY(!store_->setOrder({made[2].id, made[1].id, made[0].id}, &error));
        QCOMPARE(fingerprint(path_), before);
        QCOMPARE(names(), QStringList({"a", "b", "c"}));
        // And nothing is left pending for the next operation to carry along.
        QVERIFY(store_->add(more, &error));
        QCOMPARE(names(), QStringList({"a", "b", "c", "d", "e"}));
    }

    // What runs is kept with its timer and only there; the user's fields and
    // a value the file holds that the program would read differently stay.
    void keptRunsTouchNothingElse() {
        QList<Timer> made = add({"a", "b"});
        QCOMPARE(sql(path_, QStringLiteral("UPDATE Timers SET snooze = 7, duration = NULL "
                                           "WHERE id = %1")
                                .arg(made[0].id)),
                 QStringList());
        made[0].dueAt = 1234;
        made[1].pausedLeft = 56;
        Timer gone = made[1];
        gone.id = 999;  // not stored: skipped
        StoreError error;
        QVERIFY(store_->keepRunStates({made[0], made[1], gone}, &error));
        QCOMPARE(sql(path_,
                     "SELECT snooze || '/' || ifnull(duration, 'NULL') || '/' || "
                     "ifnull(dueAt, 'NULL') || '/' || ifnull(pausedLeft, 'NULL') FROM "
                     "Timers ORDER BY id"),
                 QStringList({"7/NULL/1234/NULL", "300/1/NULL/56"}));
        // Read, the odd values are what a timer can run with.
        const Timer read = store_->timers(&error)->first();
        QVERIFY(read.duration == 0 && read.snooze == defSnoozeDuration && read.dueAt == 1234);
    }

    // Whatever another program or an old version left in a row reads as
    // something a timer can run with, and stays in the file until the user
    // saves the timer.
    void oddValuesReadAsATimerCanRun() {
        const TimerId id = add({"odd"}).first().id;
        const QList<std::tuple<QString, qint64, qint64>> cases{
            {"snooze = 0, duration = 0", 0, defSnoozeDuration},
            {"snooze = 86400, duration = 1.5", 1, 86400},
            {"snooze = 86460, duration = -5", 0, defSnoozeDuration},
            {"snooze = 90, duration = 9e18", maxTimerDuration, defSnoozeDuration},
            {"snooze = NULL, duration = 'abc'", 0, defSnoozeDuration}};
        for (const auto& [set, duration, snooze] : cases) {
            QCOMPARE(
                sql(path_, QStringLiteral("UPDATE Timers SET %1 WHERE id = %2").arg(set).arg(id)),
                QStringList());
            const Timer read = store_->timers(nullptr).value().first();
            QCOMPARE(read.duration, duration);
            QCOMPARE(read.snooze, snooze);
        }
    }

    void refusesWhatIsNotItsStoreAndLeavesItAlone() {
        const QList<std::pair<QByteArray, QString>> cases{
            {"", "is not a database"},
            {"CREATE TABLE Notes (body TEXT); INSERT INTO Notes VALUES ('keep');",
             "holds other data: it has no table \"Timers\""},
            {"CREATE TABLE Timers (id INTEGER PRIMARY KEY, desc TEXT);",
             "table \"Timers\" has no column \"duration\""}};
        for (const auto& [setup, expected] : cases) {
            const QString path = dir_.filePath(expected.left(6) + ".db");
            QFile file(path);
            if (setup.isEmpty())
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4000, 'x')));
            else
                QCOMPARE(sql(path, setup), QStringList());
            file.close();
            const QByteArray before = fingerprint(path);
            for (bool reading : {false, true}) {
                StoreError error;
                TimerStore store;
                bool absent = false;
                QVERIFY(reading ? !store.openForReading(path, &absent, &error)
                                : !store.open(path, &error));
                QVERIFY2(error.description.contains(expected), qPrintable(error.description));
            }
            QCOMPARE(fingerprint(path), before);
            QVERIFY(!QFile::exists(path + "-journal"));
        }
    }

    void folderThatCannotBeMadeIsReported() {
        // A file where the store's folder should be: no permission trick needed.
        const QString blocker = dir_.filePath("blocker");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x"));
        file.close();
        StoreError error;
        QVERIFY(!open(blocker + "/Dunok/TimerModel.sqlite", &error));
        QVERIFY2(error.description.contains("could not be created"), qPrintable(error.description));
        QCOMPARE(error.problem, StoreError::Problem::FolderNotMade);
        QCOMPARE(QFileInfo(blocker).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTimerStore)
#include "tst_timerstore.moc"
