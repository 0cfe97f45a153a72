#include "desktop/LauncherEntry.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace dunok {

LauncherEntry::LauncherEntry(QObject* parent) : QObject(parent) {}

void LauncherEntry::showCount(int count) {
    sendUpdate(
        {{QStringLiteral("count"), qint64(count)}, {QStringLiteral("count-visible"), count > 0}});
}

void LauncherEntry::showNextFinish(const std::optional<NextFinish>& next) {
    // Whole percents: a bar a dock draws shows no finer step, and each
    // update wakes every listener on the bus.
    const int percent = next ? int(next->progress() * 100.0) : -1;
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    if (percent < 0)
        sendUpdate({{QStringLiteral("progress-visible"), false}});
    else
        sendUpdate({{QStringLiteral("progress"), percent / 100.0},
                    {QStringLiteral("progress-visible"), true}});
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
