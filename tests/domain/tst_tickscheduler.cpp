// Ticks due at whole intervals from their start, missed ones after a sleep, and few wake-ups.
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include "domain/TickScheduler.h"

using namespace dunok;

class TestTickScheduler : public QObject {
    Q_OBJECT
    static constexpr qint64 kSec = 1'000'000'000;
    static constexpr qint64 kT0 = 7 * kSec;  // not zero, so that a due time missing its start shows
    ManualClock clock{kT0};
    std::unique_ptr<TickScheduler> s;
    QString log;
    auto logAs(char id) {
        return [this, id] { log += QChar(id); };
    }
    void at(qint64 ns) {
        clock.setNs(kT0 + ns);
        s->processDueTicks();
    }
private slots:
    void init() {
        clock.setNs(kT0);
        s = std::make_unique<TickScheduler>(clock);
        log.clear();
    }
    void dueAtWholeIntervalsWithoutDrift() {
        QTimer* timer = s->findChild<QTimer*>();
        QList<qint64> dues;
        auto handle = s->schedule([&] { dues << s->currentTickDueNs(); });
        // Woken a nanosecond early: nothing due, and a whole millisecond to wait, not a spin.
        timer->stop();
        at(kSec - 1);
        QVERIFY(dues.empty() && timer->interval() == 1);
        // A pass 0.7 s late delivers one tick and leaves the next on its whole second.
        at(1'700'000'000);
        QCOMPARE(timer->interval(), 300);
        at(2'500'000'000);
        QCOMPARE(dues, (QList<qint64>{kT0 + kSec, kT0 + 2 * kSec}));
    }
    void invalidateMidCatchUpAndIdleArmsNothing() {
        // a holds its own handle, as a timer that stops itself at zero does.
        auto self = std::make_shared<std::shared_ptr<TickSource>>();
        *self = s->schedule([&, self] {
            log += 'a';
            if (log.count('a') == 3) (*self)->invalidate();
        });
        const std::weak_ptr<TickSource> a = *self;
        self.reset();
        std::shared_ptr<TickSource> b, c, d;
        c = s->schedule([&] {
            log += 'c';
            if (log.count('c') == 4) c->invalidate();  // the last one out, inside its tick
            if (log.count('c') != 2) return;
            b->invalidate();
            d->invalidate();  // due right behind c
        });
        d = s->schedule(logAs('d'));
        clock.advanceNs(300'000'000);
        b = s->schedule(logAs('b'));
        at(5 * kSec + kSec / 2);
        QCOMPARE(log, QString("acdbacacc"));
        // a went with its callback, not kept alive by it; nothing is left to wake up for.
        QVERIFY(a.expired() && s->activeCount() == 0 && !s->isArmed());
    }
    void closeTicksShareOneWakeUp() {
        s->setCoalescingNs(3'000'000);
        std::vector<std::shared_ptr<TickSource>> sources;
        for (int ms : {0, 1, 2, 5}) {  // started this many milliseconds apart
            clock.setNs(kT0 + ms * 1'000'000);
            sources.push_back(s->schedule(logAs(char('0' + ms))));
        }
        // One wake-up for the first three, at the last of them; the fourth is too far.
        QCOMPARE(s->plannedWakeNs(), kT0 + kSec + 2'000'000);
        at(kSec + 2'000'000);
        QVERIFY(log == "012" && s->plannedWakeNs() == kT0 + kSec + 5'000'000);
    }
    // A finish message is a modal dialog: its own event loop runs inside a tick.
    void ticksKeepComingInAnEventLoopOpenedByATick() {
        TickScheduler scheduler;  // the real clock: the inner loop has to fire the timer
        QEventLoop modal;
        int whileOpen = 0;
        bool open = false;
        auto tick = [&] {
            if (open && ++whileOpen == 5) modal.exit(1);
            if (!open && whileOpen == 0) {
                open = true;
                modal.exec();
                open = false;
            }
        };
        auto handle = scheduler.schedule(tick, 10'000'000);
        QTimer::singleShot(10'000, &modal, [&] { modal.exit(2); });  // should the ticks stop
        QTRY_COMPARE_WITH_TIMEOUT(whileOpen, 5, 15'000);
        QVERIFY(!open);
    }
};

QTEST_GUILESS_MAIN(TestTickScheduler)
#include "tst_tickscheduler.moc"
