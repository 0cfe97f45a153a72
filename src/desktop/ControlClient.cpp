#include "desktop/ControlClient.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QThread>

#include "desktop/SingleInstance.h"

namespace dunok {

namespace {
// A running Dunok answers at once; a hung one must not hang the shell.
constexpr int callTimeoutMs = 5000;

ControlClient::Reply replyOf(const QDBusMessage& answer) {
    ControlClient::Reply reply;
    if (answer.type() == QDBusMessage::ReplyMessage) {
        reply.ok = true;
        reply.arguments = answer.arguments();
        return reply;
    }
    reply.error = DBusControl::errorOf(answer.errorName());
    reply.noReply = answer.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
                    answer.errorName() == QLatin1String("org.freedesktop.DBus.Error.Timeout");
    reply.message = answer.errorMessage();
    return reply;
}
}  // namespace

bool ControlClient::busAvailable() const {
    return QDBusConnection::sessionBus().isConnected();
}

bool ControlClient::serviceRunning() const {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    const QDBusReply<bool> owned =
        bus.interface()->isServiceRegistered(SingleInstance::serviceName);
    return owned.isValid() && owned.value();
}

bool ControlClient::waitForService(int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    while (!serviceRunning()) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(20);
    }
    return true;
}

ControlClient::Reply ControlClient::call(const QString& method,
                                         const QVariantList& arguments) const {
    QDBusMessage message =
        QDBusMessage::createMethodCall(SingleInstance::serviceName, SingleInstance::objectPath,
                                       SingleInstance::serviceName, method);
    message.setArguments(arguments);
    return replyOf(QDBusConnection::sessionBus().call(message, QDBus::Block, callTimeoutMs));
}

ControlClient::Reply ControlClient::list(QList<RemoteTimer>* timers) const {
    qDBusRegisterMetaType<RemoteListedTimer>();
    qDBusRegisterMetaType<QList<RemoteListedTimer>>();
    QDBusMessage message =
        QDBusMessage::createMethodCall(SingleInstance::serviceName, SingleInstance::objectPath,
                                       SingleInstance::serviceName, QStringLiteral("Listing"));
    const QDBusMessage answer =
        QDBusConnection::sessionBus().call(message, QDBus::Block, callTimeoutMs);
    Reply reply = replyOf(answer);
    if (reply.ok) {
        const QDBusReply<QList<RemoteListedTimer>> typed(answer);
        if (!typed.isValid()) {
            reply.ok = false;
            reply.error = RemoteError::Failed;
            reply.message = typed.error().message();
        }
        timers->clear();
        for (const RemoteListedTimer& timer : typed.value()) *timers << timer;
    }
    return reply;
}

}  // namespace dunok
