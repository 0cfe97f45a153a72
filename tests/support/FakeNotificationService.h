// A stand-in for the desktop's notification service, registered on the
// test's private session bus under the real service name.
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include "platform/DesktopNotifications.h"

namespace dunok::testing {

// Records what it is asked to show and answers the way a desktop's
// notification daemon does.
class FakeNotificationService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown {
        uint id;
        QString app;
        uint replacesId;
        QString icon, summary, body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout;
    };
    QList<Shown> shown;
    QStringList capabilities{"body", "actions"};
    bool failNotify = false;
    QString failMessage;
    uint lastId = 6;

public slots:
    uint Notify(const QString& app, uint replacesId, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints,
                int expireTimeout) {
        if (failNotify) {
            sendErrorReply(QDBusError::Failed, failMessage);
            return 0;
        }
        // Some daemons hand out a fresh id even when replacing; that is
        // allowed to the client and shows which id each post was given.
        shown.append(
            {++lastId, app, replacesId, icon, summary, body, actions, hints, expireTimeout});
        return lastId;
    }
    QStringList GetCapabilities() { return capabilities; }
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = "Test";
        version = "1";
        specVersion = "1.2";
        return "fake";
    }
    void CloseNotification(uint id) { emit NotificationClosed(id, 3); }

signals:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);
};

// The service on a connection of its own, as the daemon would be.
struct ServiceOnBus {
    explicit ServiceOnBus(const QString& name = "fake")
        : name(name), bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name)) {}
    ~ServiceOnBus() { stop(); }
    bool start() {
        return bus.registerObject(
                   DesktopNotifications::objectPath, &service,
                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
               bus.registerService(DesktopNotifications::serviceName);
    }
    void stop() {
        if (stopped) return;
        stopped = true;
        bus.unregisterService(DesktopNotifications::serviceName);
        bus.unregisterObject(DesktopNotifications::objectPath);
        QDBusConnection::disconnectFromBus(name);
    }
    QString name;
    QDBusConnection bus;
    bool stopped = false;
    FakeNotificationService service;
};

}  // namespace dunok::testing
