// The desktop's colour preference from a stand-in settings portal on a
// private bus. DUNOK_TEST_NEEDS_DBUS
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

// The settings a portal keeps; Read only, as portals before ReadOne have.
class OlderPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint scheme = 0;
    QStringList asked;       // the methods called, in order
    bool holdReply = false;  // keeps the answer back until answerHeld()
    QDBusMessage held;

public slots:
    QDBusVariant Read(const QString& group, const QString& key) {
        asked << QStringLiteral("Read");
        // One variant more than ReadOne gives.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(valueOf(group, key))));
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

protected:
    QVariant valueOf(const QString& group, const QString& key) {
        if (group == appearance && key == colorSchemeKey) return scheme;
        sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), key);
        return {};
    }
};

class Portal : public OlderPortal {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public slots:
    QDBusVariant ReadOne(const QString& group, const QString& key) {
        asked << QStringLiteral("ReadOne");
        if (holdReply) {
            setDelayedReply(true);
            held = message();
            return {};
        }
        return QDBusVariant(valueOf(group, key));
    }
};

// The portal on a connection of its own, as the real one would be.
struct PortalOnBus {
    PortalOnBus() : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal")) {}
    ~PortalOnBus() {
        bus.unregisterService(ColorSchemePortal::serviceName);
        QDBusConnection::disconnectFromBus("portal");
    }
    bool start(OlderPortal* service) {
        return bus.registerObject(
                   ColorSchemePortal::objectPath, service,
                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
               bus.registerService(ColorSchemePortal::serviceName);
    }
    QDBusConnection bus;
};
}  // namespace

class TestColorSchemePortal : public QObject {
    Q_OBJECT
private slots:
    // ReadOne's 1 is dark; the start is not held up for it.
    void readOneAnswersDark() {
        Portal service;
        service.scheme = 1;
        PortalOnBus portal;
        QVERIFY(portal.start(&service));
        ColorSchemePortal client(QDBusConnection::sessionBus());
        QSignalSpy changed(&client, &ColorSchemeSource::schemeChanged);
        client.start();
        QCOMPARE(client.scheme(), ColorScheme::NoPreference);
        QVERIFY(!client.settled());
        QVERIFY(changed.wait(5000));
        QCOMPARE(changed.first().first().value<ColorScheme>(), ColorScheme::Dark);
        QCOMPARE(client.scheme(), ColorScheme::Dark);
        QVERIFY(client.settled());
        QCOMPARE(service.asked, QStringList{"ReadOne"});
    }

    void olderPortalIsReadThroughRead() {
        OlderPortal service;
        service.scheme = 1;
        PortalOnBus portal;
        QVERIFY(portal.start(&service));
        ColorSchemePortal client(QDBusConnection::sessionBus());
        QSignalSpy changed(&client, &ColorSchemeSource::schemeChanged);
        client.start();
        QVERIFY(changed.wait(5000));
        QCOMPARE(client.scheme(), ColorScheme::Dark);
        QCOMPARE(service.asked, QStringList{"Read"});
    }

    // The user switching in the desktop's settings reaches a running client;
    // other settings do not count.
    void settingChangedFlipsTheScheme() {
        Portal service;
        service.scheme = 2;
        PortalOnBus portal;
        QVERIFY(portal.start(&service));
        ColorSchemePortal client(QDBusConnection::sessionBus());
        QSignalSpy settled(&client, &ColorSchemePortal::settledChanged);
        QSignalSpy changed(&client, &ColorSchemeSource::schemeChanged);
        client.start();
        QVERIFY(settled.wait(5000));
        QCOMPARE(client.scheme(), ColorScheme::Light);
        changed.clear();

        emit service.SettingChanged(appearance, QStringLiteral("accent-color"), QDBusVariant(1u));
        emit service.SettingChanged(QStringLiteral("org.gnome.desktop.interface"), colorSchemeKey,
                                    QDBusVariant(1u));
        emit service.SettingChanged(appearance, colorSchemeKey, QDBusVariant(1u));
        QVERIFY(changed.wait(5000));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(client.scheme(), ColorScheme::Dark);

        emit service.SettingChanged(appearance, colorSchemeKey, QDBusVariant(0u));
        QVERIFY(changed.wait(5000));
        QCOMPARE(client.scheme(), ColorScheme::NoPreference);
    }

    // Nobody answers at the portal's name: settled at the bus's refusal, not
    // at the end of a patience far longer than the test waits.
    void noPortalMeansNoPreferenceAtOnce() {
        ColorSchemePortal client(QDBusConnection::sessionBus(), 1000000,
                                 QStringLiteral("org.dunok.NoSuchPortal"));
        QSignalSpy settled(&client, &ColorSchemePortal::settledChanged);
        QSignalSpy changed(&client, &ColorSchemeSource::schemeChanged);
        client.start();
        QVERIFY(settled.wait(5000));
        QCOMPARE(client.scheme(), ColorScheme::NoPreference);
        QCOMPARE(changed.size(), 0);
    }

    void noBusMeansNoPreference() {
        ColorSchemePortal client(QDBusConnection(QStringLiteral("never connected")));
        client.start();
        QVERIFY(client.settled());
        QCOMPARE(client.scheme(), ColorScheme::NoPreference);
    }

    // A portal that does not answer: the start gives up after its patience
    // (well before the call itself would time out), and an answer that
    // comes later still switches.
    void silentPortalIsNotWaitedFor() {
        Portal service;
        service.holdReply = true;
        PortalOnBus portal;
        QVERIFY(portal.start(&service));
        ColorSchemePortal client(QDBusConnection::sessionBus(), 50);
        QSignalSpy settled(&client, &ColorSchemePortal::settledChanged);
        QSignalSpy changed(&client, &ColorSchemeSource::schemeChanged);
        client.start();
        QVERIFY(settled.wait(3000));
        QCOMPARE(client.scheme(), ColorScheme::NoPreference);
        QCOMPARE(service.asked, QStringList{"ReadOne"});

        portal.bus.send(service.held.createReply(QVariant::fromValue(QDBusVariant(1u))));
        QVERIFY(changed.wait(5000));
        QCOMPARE(client.scheme(), ColorScheme::Dark);
    }

    void valuesOfTheSetting() {
        using V = QVariant;
        const auto read = [](const QVariant& value) {
            const auto scheme = ColorSchemePortal::schemeOf(value);
            return scheme ? int(*scheme) : -1;
        };
        QCOMPARE(read(V(1u)), int(ColorScheme::Dark));
        QCOMPARE(read(V(2)), int(ColorScheme::Light));
        QCOMPARE(read(V::fromValue(QDBusVariant(V::fromValue(QDBusVariant(V(1u)))))),
                 int(ColorScheme::Dark));
        // A scheme this version does not know shows as no preference.
        QCOMPARE(read(V(7u)), int(ColorScheme::NoPreference));
        QCOMPARE(read(V(QStringLiteral("1"))), -1);
        QCOMPARE(read(V()), -1);
    }
};

QTEST_GUILESS_MAIN(TestColorSchemePortal)
#include "tst_colorschemeportal.moc"
