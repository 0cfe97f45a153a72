// The quiet heads-up a timer can give shortly before it finishes. The clock moves by hand.
#include <QSignalSpy>
#include <QTest>

#include "support/domain/EngineFixture.h"

using namespace dunok;

class TestHeadsUp : public QObject, testing::EngineFixture {
    Q_OBJECT
    enum Row { Minute, Three, Tea };  // in duration order
    QList<HeadsUpNotice> warned;
    QStringList withdrawn;
    void warn(testing::MemoryRepository& store, const QString& name, qint64 seconds,
              qint64 minutes) {
        Timer timer = store.addTimer(name, seconds);
        timer.warnBefore = minutes;
        QVERIFY(store.update(timer, nullptr));
    }
private slots:
    void init() {
        setUpEngine([this](testing::MemoryRepository& store) {
            warn(store, "Minute", 60, 1);  // no longer than its warning
            warn(store, "Three", 180, 5);
            warn(store, "Tea", 240, 1);
        });
        warned.clear();
        withdrawn.clear();
        QObject::connect(engine.get(), &TimerEngine::headsUp,
                         [this](const HeadsUpNotice& n) { warned << n; });
        QObject::connect(engine.get(), &TimerEngine::headsUpWithdrawn,
                         [this](const QString& id) { withdrawn << id; });
    }
    void cleanup() { tearDownEngine(); }
    // Once, on the second the mark is passed, and never again in the run: not after a
    // pause and resume across it, and not at the finish, which takes its place.
    void comesOnceAtTheMark() {
        engine->toggle(id(Tea));
        advance(179 * second);
        QVERIFY(warned.isEmpty());
        advance(second);
        QCOMPARE(warned.size(), 1);
        QCOMPARE(warned.first().title, QStringLiteral("Tea: 1 minute left"));
        QCOMPARE(warned.first().timerId, id(Tea));
        advance(second);
        engine->pauseOrResume(id(Tea));
        advance(30 * second);
        engine->pauseOrResume(id(Tea));
        advance(59 * second);
        QVERIFY(warned.size() == 1 && notices.size() == 1 && withdrawn.isEmpty());
    }
    void notForARunThatStartsAtOrUnderTheMark() {
        engine->startTimers({id(Minute), id(Three)});
        advance(180 * second);
        QVERIFY(warned.isEmpty() && notices.size() == 2);
        // Nor with notifications off.
        changeSettings([](Settings& s) { s.sendNotification = false; });
        engine->toggle(id(Tea));
        advance(240 * second);
        QVERIFY(warned.isEmpty());
    }
    // A heads-up that is no longer true goes: more time, a stop. More time warns again.
    void goesWhenItIsNoLongerTrue() {
        engine->toggle(id(Tea));
        advance(180 * second);
        QCOMPARE(warned.size(), 1);
        QCOMPARE(engine->addTime(id(Tea), 30), TimerEngine::AddTime::Added);
        QCOMPARE(withdrawn, QStringList{id(Tea)});
        advance(30 * second);
        QCOMPARE(warned.size(), 2);
        QVERIFY(engine->stopTimer(id(Tea)));
        QCOMPARE(withdrawn, QStringList({id(Tea), id(Tea)}));
        engine->toggle(id(Tea));
        advance(180 * second);
        engine->stopAll();
        QCOMPARE(withdrawn.size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestHeadsUp)
#include "tst_headsup.moc"
