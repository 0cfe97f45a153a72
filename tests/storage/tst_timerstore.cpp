// The timer store: ids, the user's order, whole operations, files it must refuse, older stores.
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "storage/TimerStore.h"
#include "support/HostileStore.h"

using namespace dunok;
using testing::fingerprint;
using testing::sql;

namespace {
// The first-run store of Dunok 0.1.0: nineteen timers, no version number.
const QString kRelease010 = QStringLiteral(DUNOK_TEST_DATA_DIR "/TimerModel-0.1.0.sqlite");
// Before the order had a column of its own (layout 2): "5 minutes" (id 3) paused with 300 s left
// and "1 hour" (id 14) running, kept for the next start; "10 minutes" (id 4) snoozing 10 minutes.
const QString kLayout2 = QStringLiteral(DUNOK_TEST_DATA_DIR "/TimerModel-v2.sqlite");

QString row(const Timer& t) {
    return QString::asprintf("%lld|%s|%lld|%lld|%d|%s", qint64(t.id), qUtf8Printable(t.desc),
                             qint64(t.duration), qint64(t.snooze), int(t.snoozeOn),
                             qUtf8Printable(t.sound));
}
}  // namespace

class TestTimerStore : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<TimerStore> store_;
    StoreError error;
    int tests_ = 0;
    QList<Timer> add(const QStringList& names) {
        QList<Timer> timers;
        for (const QString& name : names) timers << Timer{0, name, name.size(), "Chimes"};
        store_->add(timers, nullptr);
        return timers;
    }
    QStringList rows() {
        QStringList out;
        for (const Timer& t : store_->timers(nullptr).value_or(QList<Timer>())) out << row(t);
        return out;
    }
    std::unique_ptr<TimerStore> open(const QString& path, StoreError* error = nullptr) {
        auto store = std::make_unique<TimerStore>();
        return store->open(path, error) ? std::move(store) : nullptr;
    }
private slots:
    void init() {
        path_ = dir_.filePath(QStringLiteral("%1/TimerModel.sqlite").arg(++tests_));
        error = StoreError();
        store_ = open(path_);
        QVERIFY(store_);
    }
    // An id never changes nor comes back: an old notification must not name a newer timer.
    void idsStayWithTheirTimers() {
        const QList<Timer> made = add({"a", "b", "c"});
        QVERIFY(made[0].id > 0 && made[1].id > made[0].id && made[2].id > made[1].id);
        QVERIFY(store_->setOrder({made[2].id, made[0].id, made[1].id}, &error));
        Timer edited{made[0].id, "a, edited", 1, "Harp", true, 600, 2};
        edited.then = WhenFinished::Start;
        edited.rounds = 4;
        edited.next = made[1].id;
        QVERIFY(store_->update(edited, &error));
        QVERIFY(store_->remove({made[2].id}, &error));
        const QList<Timer> later = add({"d"});
        QVERIFY(later[0].id > made[2].id);
        store_ = open(path_);
        QCOMPARE(rows(), QStringList({row(edited), row(made[1]), row(later[0])}));
        QVERIFY(!store_->update(made[2], &error));  // a timer that is gone cannot be written to
        // Only 1, 2 or 5 minutes warn, and a routine out of range stops: whatever else another
        // program wrote reads as what a timer did before either existed.
        sql(path_,
            "UPDATE Timers SET warnBefore = 3, whenFinished = 1, rounds = 100 WHERE desc = 'b'");
        sql(path_, "UPDATE Timers SET warnBefore = 5, whenFinished = 2 WHERE desc = 'd'");
        QStringList settings;
        const QList<Timer> read = store_->timers(&error).value();
        for (const Timer& t : read)
            settings << QString::asprintf("%lld %d %d %lld", t.warnBefore, int(t.then), t.rounds,
                                          t.next);
        QCOMPARE(settings,
                 QStringList({QString::asprintf("2 2 4 %lld", made[1].id), "0 0 0 0", "5 0 0 0"}));
    }
    // A write that fails part-way leaves nothing behind, nor pending for the next.
    void failedOperationsChangeNothing() {
        const QList<Timer> made = add({"a", "b", "c"});
        const QByteArray before = fingerprint(path_);
        QList<Timer> more{Timer{0, "d", 1, "Chimes"}, Timer{0, "e", 1, "Chimes"}};
        store_->failNextWrites(1, 1);
        QVERIFY(!store_->add(more, &error));
        QCOMPARE(error.userInfo.value("sqliteCode").toInt(), SQLITE_IOERR);
        QVERIFY(more[0].id == 0 && more[1].id == 0);
        store_->failNextWrites(1, 1);
        QVERIFY(!store_->remove({made[0].id, made[1].id}, &error));
        store_->failNextWrites(1, 2);
        QVERIFY(!store_->setOrder({made[2].id, made[1].id, made[0].id}, &error));
        // An imported routine whose link cannot be written is not half there.
        store_->failNextWrites(1, 2);
        QVERIFY(!store_->addLinked(more, {1, -1}, &error));
        QCOMPARE(fingerprint(path_), before);
        QVERIFY(store_->add(more, &error));
        QCOMPARE(rows().size(), 5);
    }
    // Imported timers that start each other are linked by the ids they get.
    void linkedTimersStartEachOther() {
        add({"a"});
        QList<Timer> routine{Timer{0, "Work", 1500, "Chimes"}, Timer{0, "Break", 300, "Chimes"},
                             Timer{0, "Stretch", 60, "Chimes"}};
        routine[0].rounds = 4;
        routine[1].then = WhenFinished::Start;  // linked below
        QVERIFY(store_->addLinked(routine, {1, 0, -1}, &error));
        store_ = open(path_);
        const QList<Timer> read = store_->timers(&error).value();
        QCOMPARE(read.size(), 4);
        QCOMPARE(read[1].then, WhenFinished::Start);
        QCOMPARE(read[1].next, routine[1].id);
        QCOMPARE(read[1].rounds, 4);
        QCOMPARE(read[2].next, routine[0].id);
        QCOMPARE(read[3].then, WhenFinished::Stop);
        QCOMPARE(routine[0].next, routine[1].id);
    }
    // Keeping what runs touches no other column, not even one the program would read otherwise.
    void keptRunsTouchNothingElse() {
        QList<Timer> made = add({"a", "b"});
        sql(path_,
            "UPDATE Timers SET snooze = 90, duration = NULL WHERE desc = 'a';"
            "UPDATE Timers SET snooze = 86400, duration = 1.5 WHERE desc = 'b'");
        made[0].dueAt = 1234;
        made[0].keptRoutine = KeptRoutine{made[1].id, 2, 4};
        made[1].pausedLeft = 56;
        Timer gone = made[1];
        gone.id = 999;  // not stored: skipped
        QVERIFY(store_->keepRunStates({made[0], made[1], gone}, &error));
        QCOMPARE(sql(path_,
                     "SELECT snooze || '/' || ifnull(duration, 'NULL') || '/' || "
                     "ifnull(dueAt, 'NULL') || '/' || ifnull(pausedLeft, 'NULL') FROM "
                     "Timers ORDER BY id"),
                 QStringList({"90/NULL/1234/NULL", "86400/1.5/NULL/56"}));
        const QList<Timer> read = store_->timers(&error).value();
        QVERIFY(read[0].keptRoutine == made[0].keptRoutine && !read[1].keptRoutine);
    }
    void refusesWhatIsNotItsStoreAndLeavesItAlone() {
        const QList<std::pair<QByteArray, QString>> cases{
            {"CREATE TABLE Notes (body TEXT); INSERT INTO Notes VALUES ('keep');",
             "holds other data: it has no table \"Timers\""},
            {"CREATE TABLE Timers (id INTEGER PRIMARY KEY, desc TEXT);",
             "table \"Timers\" has no column \"duration\""}};
        for (const auto& [setup, expected] : cases) {
            const QString path = dir_.filePath(expected.left(6) + ".db");
            QCOMPARE(sql(path, setup), QStringList());
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
        }
    }
    void folderThatCannotBeMadeIsReported() {
        QFile file(path_ + ".blocker");  // where the store's folder should be
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") && file.flush());
        QVERIFY(!open(file.fileName() + "/Dunok/TimerModel.sqlite", &error));
        QVERIFY2(error.description.contains("could not be created"), qPrintable(error.description));
        QCOMPARE(error.problem, StoreError::Problem::FolderNotMade);
        QCOMPARE(file.size(), 1);
    }
    void upgradeKeepsEveryTimersIdOrderAndSettings_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("version");
        QTest::newRow("0.1.0") << kRelease010 << 0;
        QTest::newRow("layout 2") << kLayout2 << 2;
    }
    void upgradeKeepsEveryTimersIdOrderAndSettings() {
        QFETCH(QString, from);
        QFETCH(int, version);
        store_.reset();
        QVERIFY(QFile::remove(path_) && QFile::copy(from, path_));
        QVERIFY(QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner));
        // A gap in the ids, as deleting leaves: the order is still by id.
        QVERIFY(sql(path_, "DELETE FROM Timers WHERE id = 2").isEmpty());
        const QStringList before =
            sql(path_,
                "SELECT id || '|' || desc || '|' || duration || '|' || snooze || '|' || "
                "snoozeOn || '|' || sound FROM Timers ORDER BY id");
        // The version stamp is the last write: every column before it must roll back too.
        const QByteArray original = fingerprint(path_);
        TimerStore failing;
        failing.failNextWrites(1, 2);
        QVERIFY(!failing.open(path_, &error) && !failing.isOpen());
        QVERIFY2(error.description.contains("could not be written"), qPrintable(error.description));
        QCOMPARE(fingerprint(path_), original);
        store_ = open(path_, &error);
        QVERIFY2(store_, qPrintable(error.consoleText()));
        QCOMPARE(store_->foundVersion(), version);
        const QList<Timer> timers = store_->timers(&error).value();
        QVERIFY(timers.size() == 18 && rows() == before);  // ids, fields and the user's order
        QVERIFY(std::ranges::all_of(timers, [](const Timer& t) {
            return t.warnBefore == 0 && t.then == WhenFinished::Stop;
        }));
        const Timer& ten = timers.at(2);
        QVERIFY(ten.desc == "10 minutes" && ten.snoozeOn == (version == 2));
        QCOMPARE(ten.snooze, version == 2 ? 600 : defSnoozeDuration);
        // What a run kept for the next start stays with its timer: ids 3 and 14.
        QCOMPARE(timers.at(1).pausedLeft.value_or(-1), version == 2 ? 300 : -1);
        QCOMPARE(timers.at(12).dueAt.value_or(-1), version == 2 ? 1796681150356 : -1);
        QList<TimerId> order;
        for (const Timer& t : timers) order.prepend(t.id);
        QVERIFY(store_->setOrder(order, &error));
        QVERIFY(add({"Added"}).first().id > 19);
        store_.reset();
        QCOMPARE(sql(path_, "PRAGMA user_version"), QStringList{"5"});
        const QStringList reopened = sql(path_, "SELECT desc FROM Timers ORDER BY position");
        QCOMPARE(QStringList({reopened.first(), reopened.value(17), reopened.value(18)}),
                 QStringList({"30 seconds", "1 minute", "Added"}));
        QCOMPARE(reopened.size(), 19);
        // Upgraded once: opening it again writes nothing.
        const QByteArray upgraded = fingerprint(path_);
        store_ = open(path_);
        QVERIFY(store_ && store_->foundVersion() == 5);
        QCOMPARE(fingerprint(path_), upgraded);
    }
};

QTEST_GUILESS_MAIN(TestTimerStore)
#include "tst_timerstore.moc"
