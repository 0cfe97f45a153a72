// What 1,500 running timers cost: CPU per wall second, how late their ticks
// arrive, how late a 10-second countdown finishes, peak memory; and that with
// nothing running the tick scheduler never wakes the process.
//
//   dunok_tick_bench [seconds]      (default 60, per scenario)
#include <sys/resource.h>
#include <time.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/TickScheduler.h"

using namespace dunok;

namespace {

constexpr int kSources = 1500;
constexpr qint64 kSec = 1'000'000'000;

qint64 cpuNs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ns = [](const timeval& tv) {
        return qint64(tv.tv_sec) * kSec + qint64(tv.tv_usec) * 1000;
    };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

// Context switches of this (the GUI) thread: each is a wake-up from a wait.
qint64 voluntarySwitches() {
    QFile status(QStringLiteral("/proc/thread-self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:")) return line.mid(24).trimmed().toLongLong();
    }
    return -1;
}

void runFor(qint64 ms) {
    QEventLoop loop;
    QTimer::singleShot(int(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

double toMs(qint64 ns) {
    return double(ns) / 1e6;
}

bool runScenario(TickScheduler& scheduler, const char* name, qint64 spreadNs, int seconds) {
    Clock& clock = systemClock();
    std::vector<std::shared_ptr<TickSource>> handles;
    std::vector<qint64> remaining(kSources, 1'000'000);
    std::vector<qint64> latenessNs;
    latenessNs.reserve(size_t(kSources) * size_t(seconds + 2));
    qint64 digits = 0;  // keeps the formatting from being optimised away
    bool measuring = false;

    auto startOne = [&](int i) {
        handles.push_back(scheduler.schedule([&, i] {
            --remaining[i];
            digits += QString::number(remaining[i]).size();
            if (measuring) latenessNs.push_back(clock.nowNs() - scheduler.currentTickDueNs());
        }));
    };

    // Starting: at once, or one source every spreadNs / kSources.
    const qint64 t0 = clock.nowNs();
    if (spreadNs == 0) {
        for (int i = 0; i < kSources; ++i) startOne(i);
    } else {
        QEventLoop loop;
        QTimer starter;
        starter.setTimerType(Qt::PreciseTimer);
        QObject::connect(&starter, &QTimer::timeout, [&] {
            const qint64 elapsed = clock.nowNs() - t0;
            while (int(handles.size()) < kSources &&
                   qint64(handles.size()) * spreadNs / kSources <= elapsed) {
                startOne(int(handles.size()));
            }
            if (int(handles.size()) == kSources) loop.quit();
        });
        starter.start(0);
        loop.exec();
    }

    QTimer* timer = scheduler.findChild<QTimer*>();
    qint64 wakeUps = 0;
    auto counting = QObject::connect(timer, &QTimer::timeout, [&] { ++wakeUps; });

    // One countdown of ten seconds among them, timed against the clock alone.
    qint64 finishLateNs = -1;
    int countdown = 10;
    std::shared_ptr<TickSource> tenSeconds;
    const qint64 tenStart = clock.nowNs();
    tenSeconds = scheduler.schedule([&] {
        if (--countdown == 0) {
            finishLateNs = clock.nowNs() - (tenStart + 10 * kSec);
            tenSeconds->invalidate();
        }
    });

    measuring = true;
    const qint64 cpu0 = cpuNs(), wall0 = clock.nowNs();
    runFor(qint64(seconds) * 1000);
    const qint64 cpu = cpuNs() - cpu0, wall = clock.nowNs() - wall0;
    measuring = false;
    QObject::disconnect(counting);
    for (auto& handle : handles) handle->invalidate();
    tenSeconds->invalidate();

    std::sort(latenessNs.begin(), latenessNs.end());
    const qint64 median = latenessNs.empty() ? 0 : latenessNs[latenessNs.size() / 2];
    const qint64 worst = latenessNs.empty() ? 0 : latenessNs.back();
    const double cpuPerSec = toMs(cpu) / (double(wall) / kSec);
    std::printf("%s: %d sources, %.1f s\n", name, kSources, double(wall) / kSec);
    std::printf("  ticks delivered      %zu (%.0f/s), wake-ups %.0f/s\n", latenessNs.size(),
                double(latenessNs.size()) * kSec / double(wall),
                double(wakeUps) * kSec / double(wall));
    std::printf("  CPU per wall second  %.2f ms (target <= 20)\n", cpuPerSec);
    std::printf("  tick lateness        median %.3f ms, max %.3f ms (targets <= 2, <= 20)\n",
                toMs(median), toMs(worst));
    if (finishLateNs >= 0) {
        std::printf("  10 s finish late by  %.3f ms (target <= 50)\n", toMs(finishLateNs));
    } else {
        std::printf("  10 s finish          not reached in %d s\n", seconds);
    }
    std::printf("  (checksum %lld)\n", static_cast<long long>(digits));
    return cpuPerSec <= 20 && toMs(median) <= 2 && toMs(worst) <= 20 &&
           (finishLateNs < 0 || toMs(finishLateNs) <= 50);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    TickScheduler scheduler;

    bool met = runScenario(scheduler, "started together", 0, seconds);
    met = runScenario(scheduler, "spread over one second", kSec, seconds) && met;

    // Idle: no source, so no timer may be armed and none may fire.
    QTimer* timer = scheduler.findChild<QTimer*>();
    qint64 idleTimeouts = 0;
    QObject::connect(timer, &QTimer::timeout, [&] { ++idleTimeouts; });
    const bool armed = scheduler.isArmed();
    const qint64 switches0 = voluntarySwitches();
    runFor(2000);
    const qint64 switches = voluntarySwitches() - switches0;
    std::printf(
        "idle 2 s: %d sources, timer armed %s, scheduler timeouts %lld, "
        "GUI-thread wake-ups %lld (the 2-s wait itself is one)\n",
        scheduler.activeCount(), armed ? "yes" : "no", static_cast<long long>(idleTimeouts),
        static_cast<long long>(switches));
    met = met && !armed && idleTimeouts == 0 && scheduler.activeCount() == 0;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak RSS %ld KiB\n", usage.ru_maxrss);
    std::printf("%s\n", met ? "all targets met" : "TARGETS MISSED");
    return met ? 0 : 1;
}
