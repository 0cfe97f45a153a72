// How long after a timer's finish is due its alarm reaches the sound server and its notification
// reaches the notification service: the real engine (list model, tick scheduler, alarm ring,
// shared player, sound module) and the real notification sender, wired as the program wires
// them, run a one-second timer again and again. dunok_sound_probe, listening to the default
// sink's monitor, and dunok_notify_service, the session bus's notification service, each a
// process of its own, say when sound and the Notify call arrive. The first finish of the process
// is the cold one: it loads the sound module, decodes the sound, opens the output and sends the
// first Notify of the process. The later ones are warm.
// Run it on a sound server and session bus of its own with a null sink as the default:
// bench/alarm_latency.sh.
//
//   QT_QPA_PLATFORM=offscreen dunok_alarm_latency [FINISHES [SOUND]]   (1, the default sound)
//       one line per finish and path: "cold sound MS", "cold notify MS", "warm sound MS"...,
//       and "cold|warm steps TICK POSTED PLAY PLAYED": when, in ms from due, the finish's tick
//       ran, the Notify was handed to Qt, and the alarm's play() began and returned
//   dunok_alarm_latency busfloor RUNS
//       "floor MS" per Notify sent straight from this process: what the bus and the service's
//       own reading add to every notify figure
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariantMap>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "desktop/Alarm.h"
#include "desktop/DesktopNotifications.h"
#include "domain/Clock.h"
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

// A helper program of the bench that reports on its standard output, a line at a time.
struct Helper {
    QProcess process;
    QByteArray pending;
    std::function<void(const QList<QByteArray>&)> onLine;

    bool start(const QString& name, const QStringList& arguments) {
        QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] { read(); });
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name, arguments);
        return process.waitForStarted(5000);
    }
    void read() {
        pending += process.readAllStandardOutput();
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1))
            onLine(pending.left(end).split(' '));
    }
    bool running() const { return process.state() != QProcess::NotRunning; }
    void stop() {
        process.kill();
        process.waitForFinished(5000);
    }
};

// Runs the event loop until done() holds, the time is up or a helper has gone.
bool waitFor(const std::function<bool()>& done, int ms, std::initializer_list<Helper*> helpers) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > ms) return false;
        for (Helper* helper : helpers)
            if (!helper->running()) return false;
        QEventLoop loop;
        QTimer::singleShot(1, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// What the sound probe last said.
struct SoundProbe : Helper {
    bool ready = false;
    bool sounding = false;
    int sounds = 0;
    qint64 lastSoundNs = -1;

    SoundProbe() {
        onLine = [this](const QList<QByteArray>& words) {
            if (words[0] == "ready") ready = true;
            if (words[0] == "sound" && words.size() == 2) {
                sounding = true;
                ++sounds;
                lastSoundNs = words[1].toLongLong();
            }
            if (words[0] == "quiet") sounding = false;
        };
    }
};

// What the stand-in notification service last said.
struct NotifyService : Helper {
    bool ready = false;
    bool askedCapabilities = false;
    int notifies = 0;
    qint64 lastNotifyNs = -1;

    NotifyService() {
        onLine = [this](const QList<QByteArray>& words) {
            if (words[0] == "ready") ready = true;
            if (words[0] == "capabilities") askedCapabilities = true;
            if (words[0] == "notify" && words.size() == 3) {
                ++notifies;
                lastNotifyNs = words[1].toLongLong();
            }
        };
    }
};

bool startService(NotifyService& service) {
    if (service.start(QStringLiteral("dunok_notify_service"), {}) &&
        waitFor([&] { return service.ready; }, 10000, {&service}))
        return true;
    std::fprintf(stderr, "dunok_alarm_latency: the notification service did not start\n");
    return false;
}

// Notify calls sent straight from here, each timed from the moment just before it is sent.
int busFloor(int runs) {
    NotifyService service;
    if (!startService(service)) return 2;
    QDBusConnection bus = QDBusConnection::sessionBus();
    int status = 0;
    for (int run = 0; run < runs; ++run) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            DesktopNotifications::serviceName, DesktopNotifications::objectPath,
            DesktopNotifications::interfaceName, QStringLiteral("Notify"));
        call << QStringLiteral("Dunok") << 0u << QStringLiteral("dunok") << QStringLiteral("Floor")
             << QStringLiteral("body") << QStringList() << QVariantMap() << 0;
        const int before = service.notifies;
        const qint64 sentNs = systemClock().nowNs();
        bus.asyncCall(call, 5000);
        if (!waitFor([&] { return service.notifies > before; }, 5000, {&service})) {
            std::fprintf(stderr, "dunok_alarm_latency: Notify %d never arrived\n", run + 1);
            status = 1;
            break;
        }
        std::printf("floor %.3f\n", double(service.lastNotifyNs - sentNs) / 1e6);
        std::fflush(stdout);
        // Spaced as finishes are, not back to back.
        QEventLoop pause;
        QTimer::singleShot(200, &pause, &QEventLoop::quit);
        pause.exec();
    }
    service.stop();
    return status;
}

// The shared player, with the moments each play() of an alarm began and returned: where a
// finish's time goes between the tick and the sound.
class TimedOutput final : public AlarmOutput {
public:
    explicit TimedOutput(AlarmOutput& output) : output_(output) {}
    bool play(const QString& soundName, const Settings& settings, MissingSound missing,
              Fade fade) override {
        playNs = systemClock().nowNs();
        const bool played = output_.play(soundName, settings, missing, fade);
        playedNs = systemClock().nowNs();
        return played;
    }
    SoundPlay* player() const override { return output_.player(); }
    void stop() override { output_.stop(); }
    void prepare(const QString& soundName, const Settings& settings) override {
        output_.prepare(soundName, settings);
    }
    bool isPlaying() const override { return output_.isPlaying(); }

    qint64 playNs = -1;
    qint64 playedNs = -1;

private:
    AlarmOutput& output_;
};

// Prints one "cold|warm PATH MS" line, or says why it cannot.
bool report(int run, const char* path, qint64 arrivedNs, qint64 dueNs) {
    if (arrivedNs < dueNs) {
        std::fprintf(stderr, "dunok_alarm_latency: %s before finish %d was due\n", path, run + 1);
        return false;
    }
    std::printf("%s %s %.2f\n", run == 0 ? "cold" : "warm", path, double(arrivedNs - dueNs) / 1e6);
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // The engine names each finished timer on the debug channel; only the figures are wanted.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "busfloor") == 0)
        return busFloor(std::max(1, std::atoi(argv[2])));
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
    Settings settings = startSettings();
    settings.sendNotification = true;
    settings.bringToFront = false;
    settings.quietWithMouse = false;
    settings.repeatAlarm = false;
    settings.volume = 1.0;
    Preferences prefs(nullptr, settings);

    SoundProbe probe;
    if (!probe.start(QStringLiteral("dunok_sound_probe"), {QStringLiteral("record")}) ||
        !waitFor([&] { return probe.ready; }, 10000, {&probe})) {
        std::fprintf(stderr, "dunok_alarm_latency: the sound probe did not start listening\n");
        return 2;
    }
    NotifyService service;
    if (!startService(service)) {
        probe.stop();
        return 2;
    }

    int status = 0;
    {
        // As the program has it by the time a timer can finish: connected to the bus, and the
        // service asked what it shows.
        DesktopNotifications notifications;
        notifications.requestAuthorization();
        if (!waitFor([&] { return service.askedCapabilities; }, 10000, {&service})) {
            std::fprintf(stderr, "dunok_alarm_latency: the service was never asked\n");
            return 2;
        }
        SharedPlayer shared;
        TimedOutput player(shared);
        TimerTableModel model(prefs, list);
        model.reloadData();
        TimerEngine engine(list, model, prefs, player);
        model.setRunning(&engine.alertsArray());
        qint64 dueNs = -1;
        qint64 tickNs = -1;
        qint64 postedNs = -1;
        QObject::connect(&engine, &TimerEngine::finishNotification, [&](const FinishNotice& n) {
            tickNs = systemClock().nowNs();
            dueNs = engine.scheduler().currentTickDueNs();
            notifications.post({n.title, n.subtitle, n.body, n.timerId, n.snoozeLabel});
            postedNs = systemClock().nowNs();
        });

        for (int run = 0; run < finishes && status == 0; ++run) {
            if (!waitFor([&] { return !probe.sounding; }, 10000, {&probe, &service})) {
                std::fprintf(stderr, "dunok_alarm_latency: the sink never fell quiet\n");
                status = 2;
                break;
            }
            const int soundsBefore = probe.sounds;
            const int notifiesBefore = service.notifies;
            dueNs = -1;
            engine.toggle(timerId(list.at(0)));
            if (!waitFor(
                    [&] {
                        return dueNs >= 0 && probe.sounds > soundsBefore &&
                               service.notifies > notifiesBefore;
                    },
                    5000, {&probe, &service})) {
                std::fprintf(stderr, "dunok_alarm_latency: finish %d was %s\n", run + 1,
                             dueNs < 0                      ? "never reached"
                             : probe.sounds == soundsBefore ? "not heard within 4 s"
                                                            : "not notified within 4 s");
                status = 1;
                break;
            }
            if (!report(run, "sound", probe.lastSoundNs, dueNs) ||
                !report(run, "notify", service.lastNotifyNs, dueNs))
                status = 1;
            // Each step's end, from due: the finish's tick running, the Notify handed to Qt,
            // play() called and returned.
            std::printf("%s steps %.2f %.2f %.2f %.2f\n", run == 0 ? "cold" : "warm",
                        double(tickNs - dueNs) / 1e6, double(postedNs - dueNs) / 1e6,
                        double(player.playNs - dueNs) / 1e6, double(player.playedNs - dueNs) / 1e6);
            std::fflush(stdout);
            // Silenced as soon as it is heard, as a user at the desk would.
            engine.silence();
        }
        engine.shutDown();
    }
    probe.stop();
    service.stop();
    return status;
}
