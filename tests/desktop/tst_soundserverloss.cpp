// An alarm playing when the sound server dies (a logout, a crash, a restart of the server) ends
// as one that could not play: the program goes on, and can quit.
#include <dlfcn.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestSoundServerLoss : public QObject {
    Q_OBJECT
private slots:
    void writeAfterLoss() {
        const QByteArray server = qgetenv("DUNOK_TEST_SOUND_SERVER_PID");
        if (server.isEmpty()) QSKIP("run by aDeadServerLetsTheProgramGoOn");
        void* module = dlopen(DUNOK_SERVERLOSS_MODULE, RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(module, dlerror());
        const auto run =
            reinterpret_cast<int (*)(long)>(dlsym(module, "dunokWriteAfterServerLoss"));
        QVERIFY(run);
        QCOMPARE(run(server.toLong()), 0);
    }
    void aDeadServerLetsTheProgramGoOn() {
        QTemporaryDir dir;  // the server's home and socket
        qputenv("HOME", QFile::encodeName(dir.path()));
        qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(dir.path()));
        qputenv("PULSE_SERVER", QFile::encodeName("unix:" + dir.filePath("native")));
        QProcess server, player;
        server.start("pulseaudio",
                     {"-n", "--exit-idle-time=-1", "--load=module-native-protocol-unix",
                      "--load=module-null-sink sink_name=test"});
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(dir.filePath("native")),
                                  "needs the packages pulseaudio, pulseaudio-utils", 10000);
        player.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DUNOK_TEST_SOUND_SERVER_PID", QString::number(server.processId()));
        player.setProcessEnvironment(env);
        player.start(QCoreApplication::applicationFilePath(), {"writeAfterLoss"});
        // Hung, the player would wait for ever on a lock its own thread holds.
        const bool ended = player.waitForFinished(60000);
        if (!ended) player.kill();
        QVERIFY2(ended, "the player hung when the sound server died");
        QVERIFY2(player.exitStatus() == QProcess::NormalExit && player.exitCode() == 0,
                 player.readAll().constData());
    }
};

QTEST_GUILESS_MAIN(TestSoundServerLoss)
#include "tst_soundserverloss.moc"
