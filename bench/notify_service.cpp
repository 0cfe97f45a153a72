// A stand-in notification service for bench/alarm_latency.sh: it owns the notification service's
// name on the session bus, answers as a desktop's daemon does (capabilities, server information,
// an id for each notification) and says on standard output when each call arrived, read from
// CLOCK_BOOTTIME (the clock Dunok's timers run on). No real daemon tells when a call came in.
//
//   dunok_notify_service   "ready", then "capabilities NS" and "notify NS ID", one a line
//
// A moment is read when the call reaches this process's main thread, after the bus daemon has
// passed it on and Qt's D-Bus thread has handed it over: the "bus floor" of alarm_latency.sh
// measures what that path adds to a call sent at a known moment.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <cstdio>
#include <ctime>

namespace {

qint64 nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public slots:
    QStringList GetCapabilities() {
        std::printf("capabilities %lld\n", static_cast<long long>(nowNs()));
        // What a common daemon offers, so that Dunok sends its buttons and escapes its text.
        return {QStringLiteral("actions"), QStringLiteral("body"), QStringLiteral("body-markup")};
    }
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = QStringLiteral("Dunok bench");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("dunok-notify-service");
    }
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout) {
        const qint64 arrived = nowNs();
        Q_UNUSED(appName)
        Q_UNUSED(appIcon)
        Q_UNUSED(summary)
        Q_UNUSED(body)
        Q_UNUSED(actions)
        Q_UNUSED(hints)
        Q_UNUSED(expireTimeout)
        // A replaced notification keeps its id, as the daemons do.
        const uint id = replacesId != 0 ? replacesId : ++lastId_;
        std::printf("notify %lld %u\n", static_cast<long long>(arrived), id);
        return id;
    }
    void CloseNotification(uint id) { emit NotificationClosed(id, closedByCall); }

signals:
    void NotificationClosed(uint id, uint reason);
    void ActionInvoked(uint id, const QString& actionKey);

private:
    static constexpr uint closedByCall = 3;
    uint lastId_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Each line goes out as it is written: the reader times nothing, but waits for it.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QDBusConnection bus = QDBusConnection::sessionBus();
    NotificationService service;
    if (!bus.isConnected() ||
        !bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "dunok_notify_service: could not take the service: %s\n",
                     qPrintable(bus.lastError().message()));
        return 2;
    }
    std::printf("ready\n");
    return app.exec();
}

#include "notify_service.moc"
