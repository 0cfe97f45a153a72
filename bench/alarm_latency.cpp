// How long after a timer's finish is due its alarm reaches the sound server: the real engine
// (list model, tick scheduler, alarm ring, shared player, sound module) runs a one-second timer
// again and again, and dunok_sound_probe, listening to the default sink's monitor in a process
// of its own, says when sound arrives there. The first finish of the process is the cold one:
// it loads the sound module, decodes the sound and opens the output. The later ones are warm.
// Run it on a sound server of its own with a null sink as the default: bench/alarm_latency.sh.
//
//   QT_QPA_PLATFORM=offscreen dunok_alarm_latency [FINISHES [SOUND]]   (1, the default sound)
//
// One line per finish: "cold MS" or "warm MS".
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

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

using namespace dunok;

namespace {

// What the probe last said.
struct Probe {
    QProcess process;
    QByteArray pending;
    bool ready = false;
    bool sounding = false;
    int sounds = 0;
    qint64 lastSoundNs = -1;

    bool start(const QString& program) {
        QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] { read(); });
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, {QStringLiteral("record")});
        return process.waitForStarted(5000) && waitFor([this] { return ready; }, 10000);
    }
    void read() {
        pending += process.readAllStandardOutput();
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1)) {
            const QList<QByteArray> words = pending.left(end).split(' ');
            if (words[0] == "ready") ready = true;
            if (words[0] == "sound" && words.size() == 2) {
                sounding = true;
                ++sounds;
                lastSoundNs = words[1].toLongLong();
            }
            if (words[0] == "quiet") sounding = false;
        }
    }
    // Runs the event loop until done() holds or the time is up.
    bool waitFor(const std::function<bool()>& done, int ms) {
        QElapsedTimer elapsed;
        elapsed.start();
        while (!done()) {
            if (elapsed.elapsed() > ms || process.state() == QProcess::NotRunning) return false;
            QEventLoop loop;
            QTimer::singleShot(1, Qt::PreciseTimer, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return true;
    }
};

}  // namespace

int main(int argc, char** argv) {
    // The engine names each finished timer on the debug channel; only the figures are wanted.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int finishes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const QString sound = argc > 2 ? QString::fromLocal8Bit(argv[2]) : Constants::defSound;

    QTemporaryDir dir;
    TimerStore store;
    StoreError error;
    if (!store.open(dir.filePath(QStringLiteral("TimerModel.sqlite")), &error)) return 2;
    QList<Timer> timers{newTimer(QStringLiteral("One second"), 1, sound)};
    if (!store.add(timers, &error)) return 2;
    TimerList list;
    populateArray(list, store, sortNone);
    // The finish signal tells when the finish was due; nobody sends it on to a desktop.
    Settings settings = startSettings();
    settings.sendNotification = true;
    settings.bringToFront = false;
    settings.quietWithMouse = false;
    settings.repeatAlarm = false;
    settings.volume = 1.0;
    Preferences prefs(nullptr, settings);

    Probe probe;
    if (!probe.start(QCoreApplication::applicationDirPath() +
                     QStringLiteral("/dunok_sound_probe"))) {
        std::fprintf(stderr, "dunok_alarm_latency: the sound probe did not start listening\n");
        return 2;
    }

    int status = 0;
    {
        SharedPlayer player;
        TimerTableModel model(prefs, list);
        model.reloadData();
        TimerEngine engine(list, model, prefs, player);
        model.setRunning(&engine.alertsArray());
        qint64 dueNs = -1;
        QObject::connect(&engine, &TimerEngine::finishNotification,
                         [&] { dueNs = engine.scheduler().currentTickDueNs(); });

        for (int run = 0; run < finishes && status == 0; ++run) {
            if (!probe.waitFor([&] { return !probe.sounding; }, 10000)) {
                std::fprintf(stderr, "dunok_alarm_latency: the sink never fell quiet\n");
                status = 2;
                break;
            }
            const int soundsBefore = probe.sounds;
            dueNs = -1;
            engine.toggle(timerId(list.at(0)));
            if (!probe.waitFor([&] { return dueNs >= 0 && probe.sounds > soundsBefore; }, 5000)) {
                std::fprintf(stderr, "dunok_alarm_latency: finish %d was %s\n", run + 1,
                             dueNs < 0 ? "never reached" : "not heard within 4 s");
                status = 1;
                break;
            }
            if (probe.lastSoundNs < dueNs) {
                std::fprintf(stderr, "dunok_alarm_latency: sound before finish %d was due\n",
                             run + 1);
                status = 1;
                break;
            }
            std::printf("%s %.2f\n", run == 0 ? "cold" : "warm",
                        double(probe.lastSoundNs - dueNs) / 1e6);
            std::fflush(stdout);
            // Silenced as soon as it is heard, as a user at the desk would.
            engine.silence();
        }
        engine.shutDown();
    }
    probe.process.kill();
    probe.process.waitForFinished(5000);
    return status;
}
