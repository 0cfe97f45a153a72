// A logout takes the X display away while Dunok quits. The last moment it can go is as Qt
// closes its connection, after Dunok's own last look at it: Xlib then meets the broken
// connection, and Qt's handler ends the program with status 1. A quit that was asked for must
// still end with 0, saying why; an unasked one stays Qt's failure.
#include <dlfcn.h>
#include <signal.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include "desktop/DisplayLoss.h"

namespace {
constexpr char serverVariable[] = "DUNOK_TEST_X_SERVER_PID";

bool processEnded(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return true;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');  // after the command's name
    return close >= 0 && line.mid(close + 2, 1) == "Z";
}

void takeTheDisplayAway() {
    const qint64 server = qEnvironmentVariableIntValue(serverVariable);
    ::kill(pid_t(server), SIGKILL);
    QDeadlineTimer deadline(10000);
    while (!processEnded(server) && !deadline.hasExpired()) QThread::msleep(10);
}
}  // namespace

// Qt's own last words to the X server, as the application object goes: its event reader has
// stopped, and Dunok has had its last look at the display. Taken in here, the display goes
// at that moment, where a logout rarely hits it.
extern "C" int XCloseDisplay(void* display) {
    if (qEnvironmentVariableIsSet(serverVariable)) takeTheDisplayAway();
    using Close = int (*)(void*);
    static const auto close = reinterpret_cast<Close>(::dlsym(RTLD_NEXT, "XCloseDisplay"));
    return close(display);
}

namespace {
// The program's quit as far as the display is concerned, in a process of its own.
int quitWhileTheDisplayGoes(int argc, char* argv[], bool quitAsked) {
    QGuiApplication app(argc, argv);
    dunok::watchDisplayOnQuit();
    if (quitAsked) dunok::quitRequested();
    return 0;
}
}  // namespace

class TestDisplayLoss : public QObject {
    Q_OBJECT
private slots:
    void displayGoesAsQtClosesIt_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("said");
        QTest::newRow("quit asked")
            << "--quit" << 0 << QByteArray("The display went away while Dunok was quitting");
        QTest::newRow("no quit asked")
            << "--no-quit" << 1 << QByteArray("The X11 connection broke");
    }
    void displayGoesAsQtClosesIt() {
        QFETCH(QString, mode);
        QFETCH(int, status);
        QFETCH(QByteArray, said);
        QProcess server, program;
        const auto stopServer = qScopeGuard([&server] {
            server.kill();
            server.waitForFinished();
        });
        // A high display number: tools of other people on a machine take the low ones, and
        // some remove locks they think their own. Xvfb refuses a number in use, then another is
        // tried; it writes the number once it takes clients.
        QByteArray display;
        for (int attempt = 0; attempt < 5 && display.isEmpty(); ++attempt) {
            const QString number = QString::number(300 + QRandomGenerator::global()->bounded(600));
            server.start(QStringLiteral("Xvfb"),
                         {':' + number, QStringLiteral("-displayfd"), QStringLiteral("1"),
                          QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            QVERIFY2(server.waitForStarted(), "needs the package xvfb");
            QDeadlineTimer deadline(20000);
            while (!server.canReadLine() && server.state() == QProcess::Running &&
                   !deadline.hasExpired())
                server.waitForReadyRead(100);
            if (server.canReadLine()) display = ':' + server.readLine().trimmed();
            if (display.isEmpty()) {
                server.kill();
                server.waitForFinished();
            }
        }
        QVERIFY2(!display.isEmpty(), "Xvfb did not start");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QString::fromLatin1(serverVariable), QString::number(server.processId()));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QCoreApplication::applicationFilePath(), {mode});
        const bool ended = program.waitForFinished(60000);
        if (!ended) program.kill();
        const QByteArray output = program.readAll();
        QVERIFY2(ended, output.constData());
        QVERIFY2(program.exitStatus() == QProcess::NormalExit, output.constData());
        QVERIFY2(output.contains(said), output.constData());
        QCOMPARE(program.exitCode(), status);
    }
};

int main(int argc, char* argv[]) {
    for (const char* mode : {"--quit", "--no-quit"})
        if (argc == 2 && qstrcmp(argv[1], mode) == 0)
            return quitWhileTheDisplayGoes(argc, argv, qstrcmp(mode, "--quit") == 0);
    QCoreApplication app(argc, argv);
    TestDisplayLoss test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_displayloss.moc"
