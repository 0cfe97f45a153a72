// A stand-in for the desktop's notification service on the test's private
// session bus: it records what it is asked to show and answers as a daemon does.
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QVariantMap>

#include "desktop/DesktopNotifications.h"

namespace dunok::testing {

class FakeNotificationService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown {
        uint id, replacesId;
        QString app, icon, summary, body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout;
    };
    QList<Shown> shown;
    QList<uint> closed;  // by CloseNotification
    QStringList capabilities{"body", "actions"};
    QString failWith;  // when set, Notify fails with this message
    uint lastId = 6;

public slots:
    uint Notify(const QString& app, uint replacesId, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints,
                int expireTimeout) {
        if (!failWith.isEmpty()) {
            sendErrorReply(QDBusError::Failed, failWith);
            return 0;
        }
        // A fresh id even when replacing, as some daemons give.
        shown.append(
            {++lastId, replacesId, app, icon, summary, body, actions, hints, expireTimeout});
        return lastId;
    }
    QStringList GetCapabilities() { return capabilities; }
    void CloseNotification(uint id) {
        closed.append(id);
        emit NotificationClosed(id, 3);
    }
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = version = specVersion = "1.2";
        return "fake";
    }

signals:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);
};

// The service on a connection of its own, as the daemon would be.
struct ServiceOnBus {
    ServiceOnBus() : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake")) {}
    ~ServiceOnBus() {
        bus.unregisterService(DesktopNotifications::serviceName);
        QDBusConnection::disconnectFromBus("fake");
    }
    bool start() {
        return bus.registerObject(
                   DesktopNotifications::objectPath, &service,
                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
               bus.registerService(DesktopNotifications::serviceName);
    }
    QDBusConnection bus;
    FakeNotificationService service;
};

}  // namespace dunok::testing
