// The Wayland module as the window opens it, against compositors that are not there or never
// answer; a compositor that answers is the real one of the Wayland script test.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "desktop/OwnModule.h"
#include "desktop/WaylandModule.h"

using namespace dunok;

class TestWaylandModule : public QObject {
    Q_OBJECT
    QTemporaryDir runtime_;
    DunokWaylandConnectFunction connect_ = nullptr;

    std::unique_ptr<wayland::CompositorConnection> connectTo(const QByteArray& display) {
        qputenv("WAYLAND_DISPLAY", display);
        return std::unique_ptr<wayland::CompositorConnection>(
            connect_(wayland::kInterfaceVersion, 50));
    }

private slots:
    void initTestCase() {
#ifndef DUNOK_TEST_WAYLAND_MODULE
        QSKIP("built without the Wayland client library, so without the module");
#else
        QString error;
        const OpenedModule module =
            openOwnModule(QStringLiteral(DUNOK_TEST_WAYLAND_MODULE), DUNOK_WAYLAND_CONNECT_FUNCTION,
                          QStringLiteral("Wayland"), &error);
        QVERIFY2(module.function, qPrintable(error));
        connect_ = reinterpret_cast<DunokWaylandConnectFunction>(module.function);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
#endif
    }

    void refusesAnotherVersion() {
        QVERIFY(!connect_(wayland::kInterfaceVersion + 1, 50));
    }

    // No compositor at all, and one that takes the connection but never answers (a hung one):
    // either way the connection offers nothing, gives no token, and the caller goes on.
    void offersNothingWithoutAnAnsweringCompositor() {
        auto absent = connectTo("dunok-no-compositor");
        QVERIFY(absent && !absent->offersActivation());
        QCOMPARE(absent->activationToken("org.dunok.Dunok"), std::string());

        const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(runtime_.filePath("silent-0"));
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        QVERIFY(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        QVERIFY(listen(listener, 4) == 0);
        auto silent = connectTo("silent-0");
        QVERIFY(silent && !silent->offersActivation());
        QCOMPARE(silent->activationToken("org.dunok.Dunok"), std::string());
        close(listener);
    }
};

QTEST_GUILESS_MAIN(TestWaylandModule)
#include "tst_waylandmodule.moc"
