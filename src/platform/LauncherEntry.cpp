#include "platform/LauncherEntry.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace dunok {

LauncherEntry::LauncherEntry(QObject* parent) : QObject(parent) {}

void LauncherEntry::showCount(int count) {
    sendUpdate(
        {{QStringLiteral("count"), qint64(count)}, {QStringLiteral("count-visible"), count > 0}});
}

bool LauncherEntry::sendUpdate(const QVariantMap& properties) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusMessage signal =
        QDBusMessage::createSignal(objectPath, interfaceName, QStringLiteral("Update"));
    signal << appUri << properties;
    return bus.send(signal);
}

}  // namespace dunok
