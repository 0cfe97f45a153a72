#include "desktop/ColorSchemePortal.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QTimer>

namespace dunok {

namespace {
// A portal that was not running yet is started by the bus for our question,
// which may take longer than the start waits; its answer still counts then.
constexpr int lateAnswerMs = 20000;
}  // namespace

ColorSchemePortal::ColorSchemePortal(QDBusConnection bus, int patienceMs, const QString& service,
                                     QObject* parent)
    : ColorSchemeSource(parent), bus_(std::move(bus)), service_(service), patienceMs_(patienceMs) {}

void ColorSchemePortal::start() {
    if (!bus_.isConnected()) {
        settle();
        return;
    }
    // Heard from any sender: naming the portal's service here would have Qt
    // look up its owner with a call that blocks the start until the bus
    // answers. Only the settings portal sends this signal on its path.
    bus_.connect(QString(), objectPath, interfaceName, QStringLiteral("SettingChanged"), this,
                 SLOT(settingChanged(QDBusMessage)));
    QTimer::singleShot(patienceMs_, this, &ColorSchemePortal::settle);
    // Read first: every portal version has it, while ReadOne came only with
    // the second, so the first question is answered in time for the window's
    // first picture. A portal that has dropped Read is asked with ReadOne.
    ask(QStringLiteral("Read"), QStringLiteral("ReadOne"));
}

void ColorSchemePortal::ask(const QString& method, const QString& otherwise) {
    QDBusMessage call = QDBusMessage::createMethodCall(service_, objectPath, interfaceName, method);
    call << settingNamespace << settingKey;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, lateAnswerMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, otherwise] {
        watcher->deleteLater();
        answered(watcher->reply(), otherwise);
    });
}

void ColorSchemePortal::answered(const QDBusMessage& reply, const QString& otherwise) {
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (!otherwise.isEmpty() &&
            reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")) {
            ask(otherwise);
            return;
        }
        settle();
        return;
    }
    if (!heardChange_ && !reply.arguments().isEmpty())
        if (const auto scheme = schemeOf(reply.arguments().constFirst())) adopt(*scheme);
    settle();
}

// Taken as the whole message: a slot with the signal's own argument types is
// refused when the variant type has not been registered by then.
void ColorSchemePortal::settingChanged(const QDBusMessage& signal) {
    const QList<QVariant> args = signal.arguments();
    if (args.size() < 3 || args.at(0).toString() != settingNamespace ||
        args.at(1).toString() != settingKey)
        return;
    if (const auto scheme = schemeOf(args.at(2))) {
        heardChange_ = true;
        adopt(*scheme);
    }
}

void ColorSchemePortal::settle() {
    if (settled_) return;
    settled_ = true;
    emit settledChanged();
}

void ColorSchemePortal::adopt(ColorScheme scheme) {
    if (scheme == scheme_) return;
    scheme_ = scheme;
    emit schemeChanged(scheme);
}

std::optional<ColorScheme> ColorSchemePortal::schemeOf(const QVariant& value) {
    QVariant inner = value;
    // Read wraps the value in one variant more than ReadOne does.
    for (int depth = 0; depth < 4 && inner.metaType() == QMetaType::fromType<QDBusVariant>();
         ++depth)
        inner = inner.value<QDBusVariant>().variant();
    bool ok = false;
    const uint number = inner.toUInt(&ok);
    if (!ok || inner.metaType() == QMetaType::fromType<QString>()) return std::nullopt;
    switch (number) {
        case 1:
            return ColorScheme::Dark;
        case 2:
            return ColorScheme::Light;
        case 0:
            return ColorScheme::NoPreference;
        default:
            // A scheme added later: nothing we know to show differently.
            return ColorScheme::NoPreference;
    }
}

}  // namespace dunok
