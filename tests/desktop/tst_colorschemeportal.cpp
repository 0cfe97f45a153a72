// The desktop's colour preference from a stand-in settings portal on a private bus, one that
// has only ReadOne, as a portal that has dropped Read would; the real portal, which has only
// Read, is tested by scripts/test_color_scheme.sh. DUNOK_TEST_NEEDS_DBUS
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>

#include "desktop/ColorSchemePortal.h"

using namespace dunok;

namespace {
const QString appearance = ColorSchemePortal::settingNamespace;
const QString colorSchemeKey = ColorSchemePortal::settingKey;

class Portal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint scheme = 0;
    int asked = 0;
    bool holdReply = false;  // keeps the answer back until it is sent by hand
    QDBusMessage held;

public slots:
    QDBusVariant ReadOne(const QString& group, const QString& key) {
        ++asked;
        if (holdReply) {
            setDelayedReply(true);
            held = message();
            return {};
        }
        if (group == appearance && key == colorSchemeKey) return QDBusVariant(scheme);
        sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), key);
        return {};
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};

// The portal on a connection of its own, as the real one would be.
struct PortalOnBus {
    PortalOnBus() : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal")) {}
    ~PortalOnBus() {
        bus.unregisterService(ColorSchemePortal::serviceName);
        QDBusConnection::disconnectFromBus("portal");
    }
    bool start() {
        return bus.registerObject(
                   ColorSchemePortal::objectPath, &service,
                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
               bus.registerService(ColorSchemePortal::serviceName);
    }
    QDBusConnection bus;
    Portal service;
};
}  // namespace

class TestColorSchemePortal : public QObject {
    Q_OBJECT
private slots:
    // The start is not held up for the answer; the user switching in the desktop's settings
    // reaches a running client, other settings do not count.
    void readsAndFollowsTheSetting() {
        PortalOnBus portal;
        portal.service.scheme = 1;
        QVERIFY(portal.start());
        ColorSchemePortal client(QDBusConnection::sessionBus());
        QSignalSpy changed(&client, &ColorSchemeSource::schemeChanged);
        client.start();
        QVERIFY(client.scheme() == ColorScheme::NoPreference && !client.settled());
        QVERIFY(changed.wait(5000));
        QCOMPARE(changed.first().first().value<ColorScheme>(), ColorScheme::Dark);
        QVERIFY(client.settled() && portal.service.asked == 1);
        changed.clear();
        Portal& service = portal.service;
        emit service.SettingChanged(appearance, QStringLiteral("accent-color"), QDBusVariant(2u));
        emit service.SettingChanged(QStringLiteral("org.gnome.desktop.interface"), colorSchemeKey,
                                    QDBusVariant(2u));
        emit service.SettingChanged(appearance, colorSchemeKey, QDBusVariant(2u));
        QVERIFY(changed.wait(5000));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(client.scheme(), ColorScheme::Light);
    }

    // Nobody answers at the portal's name: settled at the bus's refusal, not at the end of a
    // patience far longer than the test waits. Without a bus, settled at once.
    void noPortalOrNoBusMeansNoPreference() {
        ColorSchemePortal client(QDBusConnection::sessionBus(), 1000000,
                                 QStringLiteral("org.dunok.NoSuchPortal"));
        QSignalSpy settled(&client, &ColorSchemePortal::settledChanged);
        QSignalSpy changed(&client, &ColorSchemeSource::schemeChanged);
        client.start();
        QVERIFY(settled.wait(5000));
        QVERIFY(client.scheme() == ColorScheme::NoPreference && changed.isEmpty());
        ColorSchemePortal busless(QDBusConnection(QStringLiteral("never connected")));
        busless.start();
        QVERIFY(busless.settled() && busless.scheme() == ColorScheme::NoPreference);
    }

    // A portal that does not answer: the start gives up after its patience (well before the
    // call itself would time out), and an answer that comes later still switches.
    void silentPortalIsNotWaitedFor() {
        PortalOnBus portal;
        portal.service.holdReply = true;
        QVERIFY(portal.start());
        ColorSchemePortal client(QDBusConnection::sessionBus(), 50);
        QSignalSpy settled(&client, &ColorSchemePortal::settledChanged);
        QSignalSpy changed(&client, &ColorSchemeSource::schemeChanged);
        client.start();
        QVERIFY(settled.wait(3000));
        QVERIFY(client.scheme() == ColorScheme::NoPreference && portal.service.asked == 1);
        portal.bus.send(portal.service.held.createReply(QVariant::fromValue(QDBusVariant(1u))));
        QVERIFY(changed.wait(5000));
        QCOMPARE(client.scheme(), ColorScheme::Dark);
    }

    void valuesOfTheSetting() {
        using V = QVariant;
        const auto read = [](const QVariant& value) {
            const auto scheme = ColorSchemePortal::schemeOf(value);
            return scheme ? int(*scheme) : -1;
        };
        QCOMPARE(read(V(2)), int(ColorScheme::Light));
        QCOMPARE(read(V::fromValue(QDBusVariant(V::fromValue(QDBusVariant(V(1u)))))),
                 int(ColorScheme::Dark));
        QCOMPARE(read(V(7u)), int(ColorScheme::NoPreference));  // one this version does not know
        QCOMPARE(read(V(QStringLiteral("1"))), -1);
        QCOMPARE(read(V()), -1);
    }
};

QTEST_GUILESS_MAIN(TestColorSchemePortal)
#include "tst_colorschemeportal.moc"
