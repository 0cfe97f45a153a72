#include "desktop/ProcessActivity.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>

namespace dunok {

namespace {
constexpr int inhibitTimeoutMs = 5000;
}

ProcessActivity::ProcessActivity(QObject* parent) : QObject(parent) {}

void ProcessActivity::begin(const QString& appName, const QString& reason) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qWarning().noquote() << "Idle sleep is not held off: no D-Bus session bus.";
        emit settled(false);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"),
        QStringLiteral("/org/freedesktop/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Inhibit"));
    call << appName << reason;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, inhibitTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        QDBusPendingReply<quint32> reply = *w;
        w->deleteLater();
        if (reply.isError()) {
            qWarning().noquote() << "Idle sleep is not held off: no screen-saver "
                                    "service answered (" +
                                        reply.error().message() + ").";
            emit settled(false);
            return;
        }
        cookie_ = reply.value();
        held_ = true;
        emit settled(true);
    });
}

}  // namespace dunok
