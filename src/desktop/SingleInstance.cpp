#include "desktop/SingleInstance.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>

namespace dunok {

namespace {
// A second launch waits this long for the running Dunok to answer; a hung
// first process must not leave the user with a launch that never returns.
constexpr int reopenTimeoutMs = 3000;
// The bus daemon itself answers at once; this only bounds a hung one.
constexpr int requestNameTimeoutMs = 3000;
// RequestName's flag and answers (D-Bus specification).
constexpr quint32 doNotQueue = 4;
constexpr quint32 primaryOwner = 1;
constexpr quint32 alreadyOwner = 4;
}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() {
    if (claiming_.joinable()) claiming_.join();
    if (registered_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(objectPath);
        bus.unregisterService(serviceName);
    }
}

SingleInstance::Outcome SingleInstance::claim() {
    beginClaim();
    return finishClaim();
}

void SingleInstance::beginClaim() {
    if (!claiming_.joinable()) claiming_ = std::thread(&SingleInstance::claimOnThread, this);
}

void SingleInstance::claimOnThread() {
    // Connecting and asking for the name are two round trips to the bus
    // daemon, made while the window is built.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        busError_ = bus.lastError().message();
        claimed_ = Claimed::NoBus;
        return;
    }
    // Registered before the name is ours, so that a second launch never
    // finds the name without the object that answers it.
    bus.registerObject(objectPath, exported_, QDBusConnection::ExportScriptableSlots);
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    request << serviceName << quint32(doNotQueue);
    const QDBusMessage reply = bus.call(request, QDBus::Block, requestNameTimeoutMs);
    const quint32 result =
        reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
            ? reply.arguments().constFirst().toUInt()
            : 0;
    if (result == primaryOwner || result == alreadyOwner) {
        registered_ = true;
        claimed_ = Claimed::Owned;
        return;
    }
    bus.unregisterObject(objectPath);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        // A bus that does not answer is as good as none.
        busError_ = reply.errorMessage();
        claimed_ = Claimed::NoBus;
        return;
    }
    claimed_ = Claimed::Taken;
}

SingleInstance::Outcome SingleInstance::finishClaim() {
    if (!claiming_.joinable()) beginClaim();
    claiming_.join();
    if (claimed_ == Claimed::NoBus) {
        qWarning().noquote() << "No D-Bus session bus (" + busError_ +
                                    "); a second launch will start a second Dunok.";
        return Outcome::Primary;
    }
    if (claimed_ == Claimed::Owned) return Outcome::Primary;

    if (handOver_.isEmpty()) return Outcome::OtherReopened;
    QDBusMessage call =
        QDBusMessage::createMethodCall(serviceName, objectPath, serviceName, handOver_);
    QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, reopenTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage) return Outcome::OtherReopened;

    qWarning().noquote() << "Dunok seems to be running already but did not answer (" +
                                reply.errorMessage() + "); starting anyway.";
    return Outcome::Primary;
}

void SingleInstance::Reopen() {
    emit reopenRequested();
}

}  // namespace dunok
