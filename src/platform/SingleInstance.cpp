#include "platform/SingleInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDebug>

namespace dunok {

namespace {
// A second launch waits this long for the running Dunok to answer; a hung
// first process must not leave the user with a launch that never returns.
constexpr int reopenTimeoutMs = 3000;
}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() {
    if (registered_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(objectPath);
        bus.unregisterService(serviceName);
    }
}

SingleInstance::Outcome SingleInstance::claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qWarning().noquote() << "No D-Bus session bus (" + bus.lastError().message() +
                                    "); a second launch will start a second Dunok.";
        return Outcome::Primary;
    }
    bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableSlots);
    if (bus.registerService(serviceName)) {
        registered_ = true;
        return Outcome::Primary;
    }
    bus.unregisterObject(objectPath);

    QDBusMessage call =
        QDBusMessage::createMethodCall(serviceName, objectPath, serviceName, "Reopen");
    QDBusMessage reply = bus.call(call, QDBus::Block, reopenTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage) return Outcome::OtherReopened;

    qWarning().noquote() << "Dunok seems to be running already but did not answer (" +
                                reply.errorMessage() + "); starting anyway.";
    return Outcome::Primary;
}

void SingleInstance::Reopen() {
    emit reopenRequested();
}

}  // namespace dunok
