// Checks the alarm player: the files it must refuse, the sample conversions, keeping time when
// there is no sound output, and - through a PulseAudio server of the test's own, recorded from
// its monitor - that the alarm is really heard, whole, at the level asked for.
//
// The test process itself runs with no audio server reachable. The real playback happens in a
// child run of this same program ("--play-for-recording FILE"), pointed at the private server,
// because the sound output is picked once per process.

#include <sndfile.h>
#include <sys/prctl.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <csignal>
#include <cstring>
#include <numbers>
#include <vector>

#include "platform/AudioPlayer.h"
#include "support/MessageLog.h"

namespace dunok {
namespace {

constexpr double kToneSeconds = 0.4;
constexpr double kToneAmplitude = 0.5;
constexpr int kRecordRate = 44100;

bool writeTone(const QString& path, int format, int rate, int channels) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) return false;
    const auto frames = static_cast<std::size_t>(kToneSeconds * rate);
    std::vector<float> samples(frames * channels);
    for (std::size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[i * channels + c] = static_cast<float>(
                kToneAmplitude * std::sin(2 * std::numbers::pi * 440.0 * i / rate));
    const bool ok = sf_writef_float(file, samples.data(), static_cast<sf_count_t>(frames)) ==
                    static_cast<sf_count_t>(frames);
    sf_close(file);
    return ok;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Burst {
    double heardSeconds = 0;  // from its first loud sample to its last
    double rms = 0;           // full scale = 1, without the partly filled first and last window
};

struct Recording {
    std::vector<Burst> bursts;
    double floorRms = 0;        // over the quiet windows
    double quietAfterLast = 0;  // seconds recorded after the last burst
};

// Sound is told from quiet in 10 ms windows of mono 16-bit samples. Loud windows a short
// underrun apart still make one burst; the gap the player leaves between two plays is longer.
Recording analyse(const QByteArray& bytes) {
    constexpr int kWindow = kRecordRate / 100;
    constexpr double kLoud = 0.02;
    constexpr int kMergeGap = 20;  // windows
    std::vector<qint16> pcm(static_cast<std::size_t>(bytes.size()) / 2);
    std::memcpy(pcm.data(), bytes.constData(), pcm.size() * 2);
    const int windows = static_cast<int>(pcm.size()) / kWindow;

    struct Span {
        int first = 0, last = 0;
        std::vector<double> meanSquares;  // of its loud windows
    };
    std::vector<Span> spans;
    double floorSum = 0;
    int floorWindows = 0;
    for (int w = 0; w < windows; ++w) {
        double sum = 0;
        for (int i = w * kWindow; i < (w + 1) * kWindow; ++i) sum += double(pcm[i]) * pcm[i];
        const double meanSquare = sum / kWindow / (32768.0 * 32768.0);
        if (meanSquare < kLoud * kLoud) {
            floorSum += meanSquare;
            ++floorWindows;
            continue;
        }
        if (spans.empty() || w - spans.back().last > kMergeGap) spans.push_back({w, w, {}});
        spans.back().last = w;
        spans.back().meanSquares.push_back(meanSquare);
    }

    Recording rec;
    const auto loud = [&](int i) { return std::abs(pcm[i]) > kLoud * 32768; };
    for (const Span& s : spans) {
        // The sound may start or end a few samples into the quiet windows either side.
        int begin = std::max(0, (s.first - 1) * kWindow);
        int end = std::min(windows * kWindow, (s.last + 2) * kWindow) - 1;
        while (!loud(begin)) ++begin;
        while (!loud(end)) --end;
        const auto& ms = s.meanSquares;
        double sum = 0;
        for (std::size_t i = 1; i + 1 < ms.size(); ++i) sum += ms[i];
        rec.bursts.push_back({double(end - begin + 1) / kRecordRate,
                              ms.size() > 2 ? std::sqrt(sum / (ms.size() - 2)) : 0});
    }
    rec.floorRms = floorWindows ? std::sqrt(floorSum / floorWindows) : 0;
    rec.quietAfterLast = spans.empty() ? 0 : (windows - 1 - spans.back().last) * 0.01;
    return rec;
}

QString describe(const Recording& rec) {
    QStringList parts;
    for (const Burst& b : rec.bursts)
        parts << QStringLiteral("%1 s at RMS %2").arg(b.heardSeconds).arg(b.rms);
    return QStringLiteral("bursts: [%1], floor RMS %2, quiet after last %3 s")
        .arg(parts.join(QStringLiteral("; ")))
        .arg(rec.floorRms)
        .arg(rec.quietAfterLast);
}

// A process that is always ended by its own PID, also when a check fails half-way, and that the
// kernel ends should this test be killed (a time-out, a sanitizer abort) before it can.
class Child {
public:
    explicit Child(const QProcessEnvironment& env) {
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    }
    ~Child() { end(); }
    void end() {
        if (process.state() == QProcess::NotRunning) return;
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
    QProcess process;
};

bool runTool(const QProcessEnvironment& env, const QString& program, const QStringList& args,
             QString* output = nullptr) {
    Child tool(env);
    tool.process.start(program, args);
    const bool ok = tool.process.waitForFinished(5000) &&
                    tool.process.exitStatus() == QProcess::NormalExit &&
                    tool.process.exitCode() == 0;
    if (output) *output = QString::fromLocal8Bit(tool.process.readAll());
    return ok;
}

// The child run: plays the tone loud, then at half volume, then checks stopping and destroying
// a real playback. Exit code 0 means everything behaved; the reason is printed otherwise.
int playForRecording(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const auto failed = [](const char* why) {
        fprintf(stderr, "player child: %s\n", why);
        return 1;
    };
    QString error;
    auto player = AudioPlayer::create(QString::fromLocal8Bit(argv[2]), &error);
    if (!player) return failed(qPrintable(error));
    QSignalSpy spy(player.get(), &AudioPlayer::finished);
    const int soundMs = static_cast<int>(player->duration() * 1000);

    for (double volume : {1.0, 0.5}) {
        player->setVolume(volume);
        player->play();
        if (player->isSilent()) return failed("no audio output could be opened");
        if (!player->isPlaying()) return failed("not playing after play()");
        if (!spy.wait(30000)) return failed("finished() never came");
        if (!spy.takeFirst().at(0).toBool()) return failed("finished(false)");
        if (player->isPlaying()) return failed("still playing after finished()");
        // Keeps the two plays apart in the recording.
        QTest::qWait(400);
    }

    // Stopped part-way, a real playback must not report an end. At volume 0 so that it leaves
    // nothing in the recording.
    player->setVolume(0.0);
    player->play();
    QTest::qWait(soundMs / 4);
    player->stop();
    if (player->isPlaying()) return failed("still playing after stop()");
    if (spy.wait(soundMs + 500)) return failed("finished() after stop()");

    player->play();
    player.reset();  // destroyed while playing
    QTest::qWait(100);
    return 0;
}

}  // namespace

class TestAudioPlayer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        tone_ = dir_.filePath(QStringLiteral("tone.caf"));
        QVERIFY(writeTone(tone_, SF_FORMAT_CAF | SF_FORMAT_PCM_16, 44100, 1));
    }

    void refusesWhatIsNotSound_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");  // null: not created
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.caf" << QByteArray() << "does not exist";
        QTest::newRow("text renamed .caf")
            << "notes.caf" << QByteArray("Buy milk.\nCall the plumber at noon.\n")
            << "not a sound file";
        QTest::newRow("empty") << "empty.caf" << QByteArray("") << "is empty";
    }

    void refusesWhatIsNotSound() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = dir_.filePath(name);
        if (!content.isNull()) QVERIFY(writeFile(path, content));
        QString error;
        auto player = AudioPlayer::create(path, &error);
        QVERIFY(!player);
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY2(error.contains(path), qPrintable(error));
    }

    void decodesWholeSound() {
        const QString stereo = dir_.filePath(QStringLiteral("stereo.wav"));
        QVERIFY(writeTone(stereo, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 2));
        for (const QString& path : {tone_, stereo}) {
            QString error;
            auto player = AudioPlayer::create(path, &error);
            QVERIFY2(player, qPrintable(error));
            QCOMPARE(std::lround(player->duration() * 1000), std::lround(kToneSeconds * 1000));
            QVERIFY(!player->isPlaying());
        }
    }

    void volumeIsLinearAndClamped() {
        auto player = AudioPlayer::create(tone_, nullptr);
        QVERIFY(player);
        player->setVolume(1.7);
        QCOMPARE(player->volume(), 1.0);
        player->setVolume(-0.3);
        QCOMPARE(player->volume(), 0.0);

        // Half volume halves every sample. Clipping comes after scaling: 1.5 at half volume is
        // 0.75, not a clipped 1.0 halved.
        const float in[] = {0.9f, -0.6f, 0.3f, 1.5f, -1.5f};
        qint16 full[5], half[5];
        audio::encode(in, 5, 1.0, QAudioFormat::Int16, reinterpret_cast<char*>(full));
        audio::encode(in, 5, 0.5, QAudioFormat::Int16, reinterpret_cast<char*>(half));
        for (int i = 0; i < 3; ++i) QVERIFY(std::abs(full[i] - 2 * half[i]) <= 1);
        QCOMPARE(full[0], qint16(29490));
        QCOMPARE(full[3], qint16(32767));
        QCOMPARE(half[3], qint16(24575));
        QCOMPARE(half[4], qint16(-24575));
        // Unsigned 8-bit silence sits at mid-scale.
        const float silenceAndPeak[] = {0.0f, 1.0f};
        quint8 u8[2];
        audio::encode(silenceAndPeak, 2, 1.0, QAudioFormat::UInt8, reinterpret_cast<char*>(u8));
        QCOMPARE(u8[0], quint8(128));
        QCOMPARE(u8[1], quint8(255));
    }

    void convertsRateAndChannels() {
        // Linear interpolation is exact on a ramp: doubling the rate puts midpoints between.
        std::vector<float> ramp;
        for (int i = 0; i < 100; ++i) ramp.push_back(i / 100.0f);
        const auto doubled = audio::convert(ramp, 22050, 1, 44100, 1);
        QCOMPARE(doubled.size(), std::size_t(200));
        for (std::size_t i = 0; i < 198; ++i) QCOMPARE(doubled[i], i / 200.0f);

        // Mono goes to both sides; stereo comes back as the average of its two sides.
        const auto stereo = audio::convert(ramp, 44100, 1, 44100, 2);
        QCOMPARE(stereo.size(), std::size_t(200));
        for (std::size_t i = 0; i < 100; ++i) {
            QCOMPARE(stereo[2 * i], ramp[i]);
            QCOMPARE(stereo[2 * i + 1], ramp[i]);
        }
        const auto mono = audio::convert({0.2f, 0.6f, -1.0f, 0.0f}, 48000, 2, 48000, 1);
        QCOMPARE(mono.size(), std::size_t(2));
        QCOMPARE(mono[0], 0.4f);
        QCOMPARE(mono[1], -0.5f);
    }

    void keepsTimeWithoutOutput() {
        QVERIFY2(QMediaDevices::audioOutputs().isEmpty(),
                 "an audio output is reachable, so this would not test playing without one");
        testing::MessageLog log;
        const QString noOutput = QStringLiteral("No audio output could be opened");

        auto player = AudioPlayer::create(tone_, nullptr);
        QVERIFY(player);
        QSignalSpy spy(player.get(), &AudioPlayer::finished);
        const int soundMs = static_cast<int>(player->duration() * 1000);

        player->play();
        QVERIFY(player->isSilent());
        QVERIFY(player->isPlaying());
        QVERIFY(spy.wait(30000));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QVERIFY(!player->isPlaying());

        // Stopped before its end: no finished, then or later.
        player->play();
        QVERIFY(player->isPlaying());
        player->stop();
        QVERIFY(!player->isPlaying());
        QVERIFY(!spy.wait(soundMs + 300));
        QCOMPARE(spy.count(), 1);

        // Restarted while playing: one end, for the second play.
        player->play();
        player->play();
        QVERIFY(spy.wait(30000));
        QVERIFY(!spy.wait(300));
        QCOMPARE(spy.count(), 2);

        // A second player on the same silent machine says nothing more.
        auto other = AudioPlayer::create(tone_, nullptr);
        QVERIFY(other);
        other->play();
        QVERIFY(other->isSilent());
        QCOMPARE(log.countStartingWith(noOutput), 1);

        // Destroyed while keeping time.
        other.reset();
        player->play();
        player.reset();
        QTest::qWait(soundMs + 100);
    }

    void isHeardWholeAtTheRightLevel() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString runtime = dir.filePath(QStringLiteral("runtime"));
        const QString home = dir.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(home));
        QVERIFY(
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"PULSE_SERVER", "PULSE_RUNTIME_PATH", "PULSE_CLIENTCONFIG"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("HOME"), home);

        Child server(env);
        server.process.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--log-target=stderr"),
             QStringLiteral("--load=module-native-protocol-unix"),
             QStringLiteral("--load=module-null-sink sink_name=test"),
             QStringLiteral("--load=module-always-sink")});
        if (!server.process.waitForStarted(10000))
            QFAIL(qPrintable(QStringLiteral("pulseaudio could not be started (%1); it comes with "
                                            "the packages pulseaudio and pulseaudio-utils")
                                 .arg(server.process.errorString())));

        QString output;
        bool ready = false;
        for (int attempt = 0; attempt < 100 && !ready; ++attempt) {
            if (server.process.state() != QProcess::Running)
                QFAIL(qPrintable(QStringLiteral("pulseaudio stopped at once:\n") +
                                 QString::fromLocal8Bit(server.process.readAll())));
            ready = runTool(env, QStringLiteral("pactl"), {QStringLiteral("info")}, &output);
            if (!ready) QTest::qWait(100);
        }
        QVERIFY2(ready, qPrintable(QStringLiteral("pulseaudio never answered pactl:\n") + output +
                                   QString::fromLocal8Bit(server.process.readAll())));
        QVERIFY2(runTool(env, QStringLiteral("pactl"),
                         {QStringLiteral("set-default-sink"), QStringLiteral("test")}, &output),
                 qPrintable(output));

        const QString recording = dir.filePath(QStringLiteral("monitor.raw"));
        Child recorder(env);
        recorder.process.setProcessChannelMode(QProcess::SeparateChannels);
        recorder.process.setStandardOutputFile(recording);
        recorder.process.start(
            QStringLiteral("parec"),
            {QStringLiteral("-d"), QStringLiteral("test.monitor"), QStringLiteral("--format=s16le"),
             QStringLiteral("--rate=%1").arg(kRecordRate), QStringLiteral("--channels=1"),
             QStringLiteral("--latency-msec=50")});
        QVERIFY2(recorder.process.waitForStarted(10000),
                 qPrintable(recorder.process.errorString()));
        // Only play once the recorder is really taking in sound.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(recording).size() > 0, 15000);

        QProcessEnvironment playerEnv = env;
        playerEnv.insert(QStringLiteral("PULSE_SERVER"),
                         QStringLiteral("unix:") + runtime + QStringLiteral("/pulse/native"));
        Child player(playerEnv);
        player.process.start(QCoreApplication::applicationFilePath(),
                             {QStringLiteral("--play-for-recording"), tone_});
        QVERIFY(player.process.waitForFinished(90000));
        const QString playerOutput = QString::fromLocal8Bit(player.process.readAll());
        QVERIFY2(
            player.process.exitStatus() == QProcess::NormalExit && player.process.exitCode() == 0,
            qPrintable(QStringLiteral("the player run failed:\n") + playerOutput));

        // The recorder runs behind: wait until both plays and some quiet after them are in.
        const auto recorded = [&] {
            QFile file(recording);
            return file.open(QIODevice::ReadOnly) ? analyse(file.readAll()) : Recording();
        };
        Recording rec;
        QTRY_VERIFY2_WITH_TIMEOUT(
            (rec = recorded(), rec.bursts.size() >= 2 && rec.quietAfterLast >= 1.0),
            qPrintable(describe(rec)), 20000);
        recorder.end();
        server.end();
        rec = recorded();
        qInfo("%s", qPrintable(describe(rec)));

        QCOMPARE(rec.bursts.size(), std::size_t(2));
        const Burst& loud = rec.bursts[0];
        const Burst& soft = rec.bursts[1];
        // Heard whole and once: neither the start nor the tail is lost, nothing repeats. (A stall
        // under load would only lengthen it a little.)
        for (const Burst& b : rec.bursts)
            QVERIFY2(b.heardSeconds > kToneSeconds - 0.005 && b.heardSeconds < kToneSeconds + 0.1,
                     qPrintable(describe(rec)));
        // At full volume the sound comes out at the file's own level.
        const double fileRms = kToneAmplitude / std::numbers::sqrt2;
        QVERIFY2(std::abs(loud.rms / fileRms - 1) < 0.1, qPrintable(describe(rec)));
        QVERIFY2(loud.rms > 100 * std::max(rec.floorRms, 1 / 32768.0), qPrintable(describe(rec)));
        const double ratio = loud.rms / soft.rms;
        qInfo("RMS(1.0)/RMS(0.5) = %.4f", ratio);
        QVERIFY2(std::abs(ratio - 2.0) < 0.2, qPrintable(describe(rec)));
    }

private:
    QTemporaryDir dir_;
    QString tone_;
};

}  // namespace dunok

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--play-for-recording") == 0)
        return dunok::playForRecording(argc, argv);

    // No sound server may be reachable from this process, whatever the machine runs, and none may
    // be started on demand: the silent tests rely on it.
    QTemporaryDir noServer;
    const QString clientConfig = noServer.filePath(QStringLiteral("client.conf"));
    if (!noServer.isValid() || !dunok::writeFile(clientConfig, "autospawn = no\n")) return 1;
    qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(clientConfig));
    qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") +
                                              noServer.filePath(QStringLiteral("no-such-socket"))));
    qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(noServer.path()));

    QCoreApplication app(argc, argv);
    dunok::TestAudioPlayer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_audioplayer.moc"
