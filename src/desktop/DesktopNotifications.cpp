#include "desktop/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDebug>
#include <QStringList>
#include <QVariantMap>

#include "domain/Constants.h"
#include "domain/Logging.h"

namespace dunok {

namespace {
// Long enough for a busy desktop shell, short enough that a hung service does
// not leave calls hanging around for the default 25 s.
constexpr int callTimeoutMs = 5000;

// A finished timer must not slip away unseen: critical urgency, and no expiry
// so it stays until the user acts on it.
constexpr uchar urgencyCritical = 2;
constexpr int expireNever = 0;
// A heads-up is a quiet word ahead: low urgency, no sound, gone when the
// service's own time runs out.
constexpr uchar urgencyLow = 0;
constexpr int expireAsTheServiceDoes = -1;

const QString defaultAction = QStringLiteral("default");
const QString snoozeAction = QStringLiteral("snooze");
const QString stopAction = QStringLiteral("stop");
const QString addMinuteAction = QStringLiteral("add-minute");
// NotificationClosed's reason when the user dismissed it.
constexpr uint closedByUser = 2;

// Services that render markup in the body would eat what the user typed as
// "<b>" or "&"; these three are the ones that markup reacts to.
QString escapeMarkup(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            out += QLatin1String("&amp;");
        else if (c == u'<')
            out += QLatin1String("&lt;");
        else if (c == u'>')
            out += QLatin1String("&gt;");
        else
            out += c;
    }
    return out;
}

QString describe(const QDBusError& error) {
    const QString message = error.message();
    return message.isEmpty() ? QStringLiteral("some unknown error") : message;
}

QDBusMessage serviceCall(const QString& method) {
    return QDBusMessage::createMethodCall(DesktopNotifications::serviceName,
                                          DesktopNotifications::objectPath,
                                          DesktopNotifications::interfaceName, method);
}
}  // namespace

DesktopNotifications::DesktopNotifications(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    busAvailable_ = bus.isConnected();
    if (!busAvailable_) {
        qWarning().noquote() << "Notifications are off: no D-Bus session bus";
        return;
    }
    // Naming the service keeps other programs from clicking our notifications
    // with look-alike signals.
    bus.connect(serviceName, objectPath, interfaceName, QStringLiteral("ActionInvoked"), this,
                SLOT(onActionInvoked(uint, QString)));
    bus.connect(serviceName, objectPath, interfaceName, QStringLiteral("NotificationClosed"), this,
                SLOT(onNotificationClosed(uint, uint)));
    // A restarted or swapped notification daemon knows none of our ids and
    // may render differently.
    serviceWatcher_ =
        new QDBusServiceWatcher(serviceName, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(serviceWatcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this] { forgetService(); });
}

void DesktopNotifications::requestAuthorization() {
    if (!busAvailable_) {
        qWarning().noquote() << "Permission not granted";
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(serviceCall(QStringLiteral("GetServerInformation")),
                                                callTimeoutMs),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [](QDBusPendingCallWatcher* w) {
        QDBusPendingReply<QString, QString, QString, QString> reply = *w;
        w->deleteLater();
        if (reply.isError()) {
            qWarning().noquote() << describe(reply.error());
            qWarning().noquote() << "Permission not granted";
            return;
        }
        qCDebug(lcNotifications).noquote() << "Permission granted";
    });
    // Learn early how the service renders text, so the first alarm goes out
    // without a round trip first.
    if (capabilities_ == Capabilities::Unknown || capabilities_ == Capabilities::Uncached)
        askCapabilities();
}

void DesktopNotifications::post(const Content& content) {
    if (!busAvailable_) return;
    // A service that did not answer last time may have started since.
    if (capabilities_ == Capabilities::Uncached) capabilities_ = Capabilities::Unknown;
    if (content.headsUp)
        headsUpWanted_.insert(content.timerId);
    else
        headsUpWanted_.remove(content.timerId);
    queue_.append(content);
    sendNext();
}

void DesktopNotifications::withdrawHeadsUp(const QString& timerId) {
    headsUpWanted_.remove(timerId);
    queue_.removeIf([&](const Content& c) { return c.headsUp && c.timerId == timerId; });
    if (const uint id = headsUpIds_.take(timerId)) close(id);
}

void DesktopNotifications::askCapabilities() {
    capabilities_ = Capabilities::Asking;
    const quint64 generation = serviceGeneration_;
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(serviceCall(QStringLiteral("GetCapabilities")),
                                                callTimeoutMs),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, generation](QDBusPendingCallWatcher* w) {
                QDBusPendingReply<QStringList> reply = *w;
                w->deleteLater();
                // The service changed hands meanwhile; forgetService() left the
                // state at Unknown and sendNext() asks the new owner.
                if (generation != serviceGeneration_) {
                    sendNext();
                    return;
                }
                if (reply.isError()) {
                    // Plain text is safe with any service; the Notify that
                    // follows reports the error itself.
                    bodyMarkup_ = false;
                    actions_ = false;
                    capabilities_ = Capabilities::Uncached;
                } else {
                    bodyMarkup_ = reply.value().contains(QStringLiteral("body-markup"));
                    actions_ = reply.value().contains(QStringLiteral("actions"));
                    capabilities_ = Capabilities::Cached;
                }
                sendNext();
            });
}

void DesktopNotifications::sendNext() {
    if (notifyInFlight_ || queue_.isEmpty()) return;
    if (capabilities_ == Capabilities::Unknown) {
        askCapabilities();
        return;
    }
    if (capabilities_ == Capabilities::Asking) return;

    const Content content = queue_.takeFirst();
    // A finish turns its own heads-up into the alarm where it stands, and the
    // finish notification shown before goes.
    uint replaces = content.headsUp ? headsUpIds_.value(content.timerId) : lastId_;
    if (!content.headsUp) {
        if (const uint headsUp = headsUpIds_.take(content.timerId)) {
            if (lastId_ != 0) close(lastId_);
            replaces = headsUp;
            beingReplaced_.insert(headsUp);
        }
    }
    notifyInFlight_ = true;
    const quint64 generation = serviceGeneration_;
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(notifyCall(content, replaces), callTimeoutMs),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, generation, timerId = content.timerId, headsUp = content.headsUp, replaces,
             offered = offeredKeys(content)](QDBusPendingCallWatcher* w) {
                QDBusPendingReply<uint> reply = *w;
                w->deleteLater();
                notifyInFlight_ = false;
                beingReplaced_.remove(replaces);
                if (reply.isError()) {
                    qWarning().noquote() << describe(reply.error());
                } else {
                    // An id from a service that has since gone is worth nothing.
                    if (generation == serviceGeneration_) {
                        const uint id = reply.value();
                        timerIds_.insert(id, timerId);
                        offered_.insert(id, offered);
                        if (!headsUp)
                            lastId_ = id;
                        else if (headsUpWanted_.contains(timerId))
                            headsUpIds_.insert(timerId, id);
                        else
                            close(id);  // withdrawn while it was on its way
                    }
                    qCDebug(lcNotifications).noquote() << "Notification Register Success";
                }
                sendNext();
            });
}

QDBusMessage DesktopNotifications::notifyCall(const Content& content, uint replaces) const {
    QString body =
        content.headsUp ? content.body : content.subtitle + QLatin1Char('\n') + content.body;
    if (bodyMarkup_) body = escapeMarkup(body);

    QStringList actions;
    for (const QString& key : offeredKeys(content)) {
        actions << key;
        if (key == defaultAction)
            actions << tr("Show Dunok");
        else if (key == snoozeAction)
            actions << content.snoozeLabel;
        else if (key == addMinuteAction)
            actions << tr("+1 min");
        else
            actions << tr("Stop");
    }
    QVariantMap hints{
        {QStringLiteral("urgency"),
         QVariant::fromValue(content.headsUp ? urgencyLow : urgencyCritical)},
        {QStringLiteral("desktop-entry"), Constants::appId},
        {QStringLiteral("x-dunok-timer-id"), content.timerId},
    };
    if (content.headsUp) hints.insert(QStringLiteral("suppress-sound"), true);

    QDBusMessage call = serviceCall(QStringLiteral("Notify"));
    call << QStringLiteral("Dunok") << replaces << Constants::appId << content.title << body
         << actions << hints << (content.headsUp ? expireAsTheServiceDoes : expireNever);
    return call;
}

QStringList DesktopNotifications::offeredKeys(const Content& content) const {
    // A service without buttons would offer the extra actions nowhere, or
    // in a menu of its own that the user never asked for.
    if (!actions_ || content.headsUp) return {defaultAction};
    if (content.snoozeLabel.isEmpty()) return {defaultAction, addMinuteAction};
    return {defaultAction, snoozeAction, addMinuteAction, stopAction};
}

void DesktopNotifications::forgetService() {
    ++serviceGeneration_;
    capabilities_ = Capabilities::Unknown;
    bodyMarkup_ = false;
    actions_ = false;
    lastId_ = 0;
    headsUpIds_.clear();
    beingReplaced_.clear();
    timerIds_.clear();
    offered_.clear();
}

void DesktopNotifications::onActionInvoked(uint id, const QString& actionKey) {
    // Other programs' notifications come through the same service, and only
    // what ours offered can be chosen on them.
    const auto it = timerIds_.constFind(id);
    if (it == timerIds_.constEnd()) return;
    if (!offered_.value(id, {defaultAction}).contains(actionKey)) return;
    const QString timerId = it.value();
    const bool headsUp = headsUpIds_.value(timerId) == id;
    if (headsUp) {
        headsUpIds_.remove(timerId);
        headsUpWanted_.remove(timerId);
    }
    close(id);
    if (headsUp)
        emit headsUpClicked(timerId);
    else if (actionKey == snoozeAction)
        emit snoozeChosen(timerId);
    else if (actionKey == addMinuteAction)
        emit addMinuteChosen(timerId);
    else if (actionKey == stopAction)
        emit stopChosen(timerId);
    else
        emit clicked(timerId);
}

void DesktopNotifications::onNotificationClosed(uint id, uint reason) {
    const QString timerId = timerIds_.take(id);
    // A heads-up gone by itself or by the user's hand stops nothing.
    if (beingReplaced_.contains(id) || (!timerId.isEmpty() && headsUpIds_.value(timerId) == id)) {
        headsUpIds_.remove(timerId);
        headsUpWanted_.remove(timerId);
        offered_.remove(id);
        return;
    }
    offered_.remove(id);
    // Nothing is left on screen to replace.
    if (id == lastId_) lastId_ = 0;
    if (reason == closedByUser && !timerId.isEmpty()) emit dismissed(timerId);
}

void DesktopNotifications::close(uint id) {
    // Forgotten first: the service's NotificationClosed for it is then no
    // dismissal by the user.
    timerIds_.remove(id);
    offered_.remove(id);
    if (id == lastId_) lastId_ = 0;
    QDBusMessage call = serviceCall(QStringLiteral("CloseNotification"));
    call << id;
    QDBusConnection::sessionBus().asyncCall(call, callTimeoutMs);
}

}  // namespace dunok
