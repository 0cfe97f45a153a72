// What 1,500 running timers cost in the real engine, with the timer list on
// screen (offscreen): CPU per wall second, how late their ticks arrive, how
// late a 10-second timer finishes, peak memory; and that with nothing running
// the engine never wakes the process.
//
//   QT_QPA_PLATFORM=offscreen dunok_tick_bench [seconds]   (default 60, per scenario)
#include <sys/resource.h>
#include <time.h>

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "desktop/Alarm.h"
#include "domain/Constants.h"
#include "domain/ListLoading.h"
#include "domain/Preferences.h"
#include "domain/TickScheduler.h"
#include "domain/TimerEngine.h"
#include "domain/TimerList.h"
#include "domain/TimerModel.h"
#include "storage/Store.h"
#include "storage/TimerStore.h"
#include "ui/TimerTableModel.h"
#include "ui/TimerTableView.h"

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

// The list on screen, as the user has it: the engine redraws one row per tick.
struct Screen {
    explicit Screen(TimerList& timers) : list(timers) {
        model.setRunning(&engine.alertsArray());
        view.setModel(&model);
        view.resize(460, 640);
        view.show();
    }
    TimerList& list;
    // The finish signal times the 10-s timer; no bus is asked.
    Preferences prefs{nullptr, [] {
                          Settings settings = startSettings();
                          settings.sendNotification = true;
                          settings.bringToFront = false;
                          return settings;
                      }()};
    SharedPlayer player;  // the finish rings as in the program
    TimerTableModel model{prefs, list};
    TimerTableView view;
    TimerEngine engine{list, model, prefs, player};
};

bool runScenario(Screen& screen, const char* name, qint64 spreadNs, int seconds) {
    const Clock& clock = systemClock();
    TickScheduler& scheduler = screen.engine.scheduler();
    std::vector<qint64> latenessNs;
    latenessNs.reserve(size_t(kSources) * size_t(seconds + 2));
    bool measuring = false;
    // Every tick ends in a redraw of its row: that is where its lateness is read.
    auto onRow = QObject::connect(&screen.model, &QAbstractItemModel::dataChanged, [&] {
        if (measuring && scheduler.currentTickDueNs() >= 0)
            latenessNs.push_back(clock.nowNs() - scheduler.currentTickDueNs());
    });

    // Row 0 is the 10-second timer; the others count down for a long time.
    qint64 finishLateNs = -1;
    qint64 tenStart = 0;
    auto onFinish = QObject::connect(&screen.engine, &TimerEngine::finishNotification, [&] {
        finishLateNs = clock.nowNs() - (tenStart + 10 * kSec);
    });

    int started = 0;
    auto startNext = [&] {
        if (started == 0) tenStart = clock.nowNs();
        screen.engine.toggle(timerId(screen.list.at(started++)));
    };
    const qint64 t0 = clock.nowNs();
    if (spreadNs == 0) {
        while (started <= kSources) startNext();
    } else {
        QEventLoop loop;
        QTimer starter;
        starter.setTimerType(Qt::PreciseTimer);
        QObject::connect(&starter, &QTimer::timeout, [&] {
            const qint64 elapsed = clock.nowNs() - t0;
            while (started <= kSources && qint64(started) * spreadNs / kSources <= elapsed)
                startNext();
            if (started > kSources) loop.quit();
        });
        starter.start(0);
        loop.exec();
    }

    QTimer* timer = scheduler.findChild<QTimer*>();
    qint64 wakeUps = 0;
    auto counting = QObject::connect(timer, &QTimer::timeout, [&] { ++wakeUps; });

    measuring = true;
    const qint64 cpu0 = cpuNs(), wall0 = clock.nowNs();
    runFor(qint64(seconds) * 1000);
    const qint64 cpu = cpuNs() - cpu0, wall = clock.nowNs() - wall0;
    measuring = false;
    QObject::disconnect(counting);
    QObject::disconnect(onRow);
    QObject::disconnect(onFinish);
    screen.engine.stopAll();
    // With no timer left this only ends the mouse watch of the finish.
    screen.engine.shutDown();

    std::sort(latenessNs.begin(), latenessNs.end());
    const qint64 median = latenessNs.empty() ? 0 : latenessNs[latenessNs.size() / 2];
    const qint64 worst = latenessNs.empty() ? 0 : latenessNs.back();
    const double cpuPerSec = toMs(cpu) / (double(wall) / kSec);
    std::printf("%s: %d timers, %.1f s\n", name, kSources + 1, double(wall) / kSec);
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
    return cpuPerSec <= 20 && toMs(median) <= 2 && toMs(worst) <= 20 &&
           (finishLateNs < 0 || toMs(finishLateNs) <= 50);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;

    // A store of its own: the 10-second timer first, then the long ones.
    QTemporaryDir dir;
    TimerStore store;
    StoreError error;
    if (!store.open(dir.filePath(QStringLiteral("TimerModel.sqlite")), &error)) return 2;
    QList<Timer> timers;
    auto add = [&](const QString& desc, qint64 duration) {
        timers << newTimer(desc, duration, QStringLiteral("No Such Sound"));
    };
    add(QStringLiteral("Ten seconds"), 10);
    for (int i = 0; i < kSources; ++i) add(QStringLiteral("Timer %1").arg(i), 1'000'000 + i);
    if (!store.add(timers, &error)) return 2;
    TimerList list;
    populateArray(list, store, sortNone);

    bool met = true;
    {
        Screen screen(list);
        screen.model.reloadData();
        met = runScenario(screen, "started together", 0, seconds) && met;
        screen.model.reloadData();
        met = runScenario(screen, "spread over one second", kSec, seconds) && met;
    }
    Preferences idlePrefs;
    SharedPlayer idlePlayer;
    TimerList idleList;
    TimerTableModel idleModel(idlePrefs, idleList);
    TimerEngine idleEngine(idleList, idleModel, idlePrefs, idlePlayer);
    TickScheduler& scheduler = idleEngine.scheduler();

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
