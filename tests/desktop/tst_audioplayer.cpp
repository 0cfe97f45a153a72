// The alarm player. The output is picked once per process: only a child run reaches a server.
#include <dlfcn.h>
#include <sndfile.h>

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <numeric>

#include "desktop/Alarm.h"
#include "desktop/AudioPlayer.h"
#include "desktop/SoundBackend.h"
#include "desktop/sound/SampleCodec.h"
#include "domain/Preferences.h"
#include "support/MessageLog.h"

using namespace dunok;

// Mean squares of the loud 10 ms windows of each sound in a mono 16-bit recording at 44.1 kHz;
// a gap under 200 ms (an underrun) does not split a sound.
static std::vector<std::vector<double>> sounds(const QByteArray& bytes, int* quietWindowsAtEnd) {
    const auto* pcm = reinterpret_cast<const qint16*>(bytes.constData());
    std::vector<std::vector<double>> found;
    *quietWindowsAtEnd = 0;
    for (const qint16* w = pcm; w + 441 <= pcm + bytes.size() / 2; w += 441) {
        const double meanSquare = std::inner_product(w, w + 441, w, 0.0) / 441 / 32768 / 32768;
        const bool loud = meanSquare >= 0.02 * 0.02;
        if (loud && (found.empty() || *quietWindowsAtEnd > 20)) found.emplace_back();
        if (loud) found.back().push_back(meanSquare);
        *quietWindowsAtEnd = loud ? 0 : *quietWindowsAtEnd + 1;
    }
    return found;
}

class TestAudioPlayer : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString tone_ = dir_.filePath("tone.caf");  // 0.4 s of 440 Hz at half of full scale
    const bool child_ = QCoreApplication::arguments().contains("playForRecording") ||
                        QCoreApplication::arguments().contains("letGoWhilePlaying");
private slots:
    void initTestCase() {
        if (!child_) qputenv("PULSE_SERVER", "unix:/nonexistent/dunok-no-sound-server");
        SF_INFO info{0, 44100, 1, SF_FORMAT_CAF | SF_FORMAT_PCM_16, 0, 0};
        SNDFILE* file = sf_open(QFile::encodeName(tone_).constData(), SFM_WRITE, &info);
        std::vector<float> samples(17640);
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = float(0.5 * std::sin(2 * M_PI * 440.0 * double(i) / 44100));
        QCOMPARE(sf_writef_float(file, samples.data(), 17640), 17640);
        sf_close(file);
    }
    void refusesWhatIsNotSoundOrHasNoModule() {
        QVERIFY(QFile(dir_.filePath("empty.caf")).open(QIODevice::WriteOnly));
        const std::pair<QString, QString> cases[] = {
            {dir_.filePath("missing.caf"), "does not exist"},
            {QCoreApplication::applicationFilePath(), "not a sound file"},  // this test program
            {dir_.filePath("empty.caf"), "is empty"}};
        for (const auto& [path, reason] : cases) {
            QString error;
            QVERIFY(!AudioPlayer::create(path, &error));
            QVERIFY2(error.contains(reason) && error.contains(path), qPrintable(error));
        }
        // A sound module that cannot be loaded is named, with the loader's reason.
        const QString missing = dir_.filePath("no-such-module.so");
        QVERIFY(!dlopen(QFile::encodeName(missing).constData(), RTLD_NOW));
        const QString loaderSays = QString::fromLocal8Bit(dlerror());
        QString error;
        QVERIFY(!sound::openBackend(missing, &error));
        QVERIFY2(error.contains(missing) && error.contains(loaderSays), qPrintable(error));
        QVERIFY(AudioPlayer::create(tone_, &error));  // the program's search finds the real one
    }
    // Without an output the player still takes as long as the sound, so that an alarm ends on time.
    void keepsTimeWithoutOutput() {
        auto player = AudioPlayer::create(tone_, nullptr);
        QSignalSpy spy(player.get(), &AudioPlayer::finished);
        player->play();
        QVERIFY(player->isSilent() && player->isPlaying());
        QVERIFY(!spy.wait(300) && spy.wait(30000) && !player->isPlaying());
        QVERIFY(spy.takeFirst().at(0).toBool());
        player->play();  // stopped before its end: no finished, then or later
        player->stop();
        QVERIFY(!player->isPlaying() && !spy.wait(700));
        player->play();  // restarted while playing: one end, for the second play
        player->play();
        QVERIFY(spy.wait(30000) && !spy.wait(300) && spy.size() == 1);
        // Clipping comes after scaling: 1.5 at half volume is 0.75, not a clipped 1.0 halved.
        const float in[] = {0.9f, 1.5f};
        qint16 out[2];
        audio::encode(in, 2, 0.5, audio::SampleFormat::Int16, reinterpret_cast<char*>(out));
        QVERIFY(out[0] == 14745 && out[1] == 24575);
        // The quiet a sound begins with is not waited through, in whole frames of two channels.
        QCOMPARE(audio::leadingSilence({0, 0.00001f, 0, 0.2f, 0.5f, 0.5f}, 2), 2u);
        QCOMPARE(audio::leadingSilence({0, 0, 0, 0, 0.3f, 0.3f}, 2), 4u);
        QCOMPARE(audio::leadingSilence({0, 0}, 2), 0u);  // all silence plays as it is
        // A fade's share of the volume, taken where it stands before the next play.
        auto fading = AudioPlayer::create(tone_, nullptr);
        QCOMPARE(fading->fadeGain(), 1.0);
        fading->setFadeIn(2.5, 10);
        QCOMPARE(fading->fadeGain(), 0.25);
        fading->setFadeIn(12, 10);
        QCOMPARE(fading->fadeGain(), 1.0);
    }
    // Told once a run, not at every alarm: the player that lasts the run remembers.
    void noOutputIsToldOncePerRun() {
        testing::MessageLog log;
        const auto told = [&] { return log.countStartingWith("No audio output could be opened"); };
        {
            SharedPlayer run;
            for (int play = 0; play < 2; ++play) {
                run.replace(AudioPlayer::create(tone_, nullptr));
                QSignalSpy noOutput(run.player(), &AudioPlayer::noOutput);
                run.player()->play();
                QCOMPARE(noOutput.size(), 1);
            }
            QCOMPARE(told(), 1);
        }
        SharedPlayer nextRun;
        nextRun.replace(AudioPlayer::create(tone_, nullptr));
        nextRun.player()->play();
        QCOMPARE(told(), 2);
        // Once closed at quit, nothing plays any more, and the console says why.
        nextRun.close();
        QVERIFY(!nextRun.play("Chimes", startSettings(), MissingSound::PlaysDefault));
        QVERIFY(!nextRun.player() && !nextRun.isPlaying());
        QCOMPARE(log.countStartingWith("Couldn't load sound file no sound can play while Dunok"),
                 1);
    }
    // The alarm of a timer whose sound is gone, or that names none, plays the default sound: that
    // is the sound got ready for it, so that it too starts at once; what the console says of it
    // waits for the alarm.
    void preparesTheSoundTheAlarmPlays() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath("Sounds"));
        const QString shipped = folder.filePath("Sounds/Tone.caf");
        Settings settings = startSettings();
        settings.defSound = QStringLiteral("Tone");
        for (const QString& named : {QStringLiteral("Gone"), QString()}) {
            testing::MessageLog log;
            QFile::remove(shipped);
            QVERIFY(QFile::copy(tone_, shipped));
            SharedPlayer run{SoundLibrary(folder.path())};
            run.prepare(named, settings);
            QCOMPARE(log.countStartingWith("Playing the default sound"), 0);
            // Emptied: only a sound decoded beforehand can still play.
            QVERIFY(QFile(shipped).resize(0));
            QVERIFY2(run.play(named, settings, MissingSound::PlaysDefault), qPrintable(named));
            QCOMPARE(log.countStartingWith("Playing the default sound \"Tone\""), 1);
        }
    }
    void playForRecording() {
        if (!child_) QSKIP("run by isHeardAtTheRightLevel");
        auto player = AudioPlayer::create(tone_, nullptr);
        QSignalSpy spy(player.get(), &AudioPlayer::finished);
        for (double volume : {1.0, 0.5}) {
            player->setVolume(volume);
            player->play();
            QVERIFY(!player->isSilent() && spy.wait(30000) && spy.takeFirst().at(0).toBool());
            QTest::qWait(400);  // keeps the two plays apart in the recording
        }
    }
    // A player let go while it plays, as a timer's finish replaces the alarm before, handles no
    // events there: what was waiting runs from the event loop, after.
    void letGoWhilePlaying() {
        if (!child_) QSKIP("run by isHeardAtTheRightLevel");
        auto player = AudioPlayer::create(tone_, nullptr);
        player->play();
        QVERIFY(!player->isSilent());
        bool letGo = false, ranInside = false, ran = false;
        QMetaObject::invokeMethod(
            this,
            [&] {
                ranInside = letGo;
                ran = true;
            },
            Qt::QueuedConnection);
        letGo = true;
        player.reset();
        letGo = false;
        QVERIFY(!ranInside);
        QTRY_VERIFY(ran);
    }
    void isHeardAtTheRightLevel() {
        QTemporaryDir dir;  // the server's home and socket, for the programs started below
        qputenv("HOME", QFile::encodeName(dir.path()));
        qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(dir.path()));
        qputenv("PULSE_SERVER", QFile::encodeName("unix:" + dir.filePath("native")));
        QProcess server, recorder, player;
        // Should this test die, the recorder dies on its broken pipe, and the idle server after.
        server.start("pulseaudio", {"-n", "--load=module-native-protocol-unix",
                                    "--load=module-null-sink sink_name=test"});
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(dir.filePath("native")),
                                  "needs the packages pulseaudio, pulseaudio-utils", 10000);
        // A new stream joins the sink by rewinding it: the recording misses as much of a sound's
        // start as its own latency.
        recorder.start("parec", {"-d", "test.monitor", "--format=s16le", "--rate=44100",
                                 "--channels=1", "--latency-msec=2"});
        QTRY_VERIFY_WITH_TIMEOUT(recorder.bytesAvailable() > 0, 15000);
        player.start(QCoreApplication::applicationFilePath(), {"playForRecording"});
        QTRY_COMPARE_WITH_TIMEOUT(player.state(), QProcess::NotRunning, 90000);
        QVERIFY2(player.exitCode() == 0, player.readAll().constData());
        // The recorder runs behind: wait for both plays and a second of quiet after them.
        std::vector<std::vector<double>> heard;
        int quiet = 0;
        QTRY_VERIFY_WITH_TIMEOUT((heard = sounds(recorder.peek(recorder.bytesAvailable()), &quiet),
                                  heard.size() >= 2 && quiet >= 100),
                                 20000);
        QCOMPARE(heard.size(), std::size_t(2));
        for (const auto& s : heard)  // whole and once: neither start nor tail lost, no repeat
            QVERIFY2(s.size() >= 39 && s.size() <= 50, qPrintable(QString::number(s.size())));
        const auto rms = [](const auto& s) {  // without the partly filled first and last window
            return std::sqrt(std::accumulate(s.begin() + 1, s.end() - 1, 0.0) / (s.size() - 2));
        };
        QVERIFY(std::abs(rms(heard[0]) / (0.5 / std::sqrt(2)) - 1) < 0.1);  // the file's own level
        QVERIFY(std::abs(rms(heard[0]) / rms(heard[1]) - 2) < 0.2);
        // Last, as it plays a sound of its own.
        player.start(QCoreApplication::applicationFilePath(), {"letGoWhilePlaying"});
        QTRY_COMPARE_WITH_TIMEOUT(player.state(), QProcess::NotRunning, 90000);
        QVERIFY2(player.exitCode() == 0, player.readAll().constData());
    }
};

QTEST_GUILESS_MAIN(TestAudioPlayer)
#include "tst_audioplayer.moc"
