#include "desktop/StatusNotifierItem.h"

#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QtEndian>

#include "desktop/DBusMenu.h"

namespace dunok {

namespace {
const QString itemPath = QStringLiteral("/StatusNotifierItem");
const QString menuObjectPath = QStringLiteral("/MenuBar");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
}  // namespace

QDBusArgument& operator<<(QDBusArgument& arg, const SniPixmap& pixmap) {
    arg.beginStructure();
    arg << pixmap.width << pixmap.height << pixmap.data;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, SniPixmap& pixmap) {
    arg.beginStructure();
    arg >> pixmap.width >> pixmap.height >> pixmap.data;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const SniToolTip& tip) {
    arg.beginStructure();
    arg << tip.iconName << tip.pixmaps << tip.title << tip.text;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, SniToolTip& tip) {
    arg.beginStructure();
    arg >> tip.iconName >> tip.pixmaps >> tip.title >> tip.text;
    arg.endStructure();
    return arg;
}

StatusNotifierItem::StatusNotifierItem(QMenu* menu, QObject* parent)
    : QObject(parent),
      bus_(QDBusConnection::sessionBus()),
      qmenu_(menu),
      title_(QGuiApplication::applicationDisplayName()) {
    qDBusRegisterMetaType<SniPixmap>();
    qDBusRegisterMetaType<SniPixmapList>();
    qDBusRegisterMetaType<SniToolTip>();
    menu_ = new DBusMenu(menu, this);
    if (!bus_.isConnected()) return;
    exported_ = bus_.registerObject(itemPath, this,
                                    QDBusConnection::ExportScriptableSlots |
                                        QDBusConnection::ExportScriptableSignals |
                                        QDBusConnection::ExportAllProperties);
    if (!exported_ || !menu_->exportOn(bus_, menuObjectPath)) {
        qWarning("The tray icon could not be offered on the session bus: %s is taken.",
                 qUtf8Printable(exported_ ? menuObjectPath : itemPath));
        if (exported_) bus_.unregisterObject(itemPath);
        exported_ = false;
        return;
    }
    // The tray may start after Dunok, or start again: each new watcher is
    // told of the item, for as long as Dunok runs.
    auto* watcher = new QDBusServiceWatcher(QString::fromLatin1(watcherService), bus_,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& owner) {
                watcherOwnerChanged(owner);
            });
    // Asked at once rather than later, so that whoever draws the icon knows
    // before it is shown whether a status-notifier tray takes it.
    if (QDBusConnectionInterface* daemon = bus_.interface()) {
        const QDBusReply<QString> owner = daemon->serviceOwner(QString::fromLatin1(watcherService));
        if (owner.isValid()) watcherOwnerChanged(owner.value());
    }
}

StatusNotifierItem::~StatusNotifierItem() {
    if (!exported_) return;
    bus_.unregisterObject(itemPath);
    bus_.unregisterObject(menuObjectPath);
}

QDBusObjectPath StatusNotifierItem::menuPath() const {
    return QDBusObjectPath(menuObjectPath);
}

void StatusNotifierItem::watcherOwnerChanged(const QString& owner) {
    ++attempt_;
    if (owner.isEmpty()) {
        setInTray(false);
        return;
    }
    // Counted as in the tray while the watcher answers: a second icon in
    // another kind of tray meanwhile would only flash.
    setInTray(true);
    registerWithWatcher();
}

void StatusNotifierItem::registerWithWatcher() {
    // The connection's own name: the watcher keeps it and the path is the
    // one hosts ask for when none is named.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(watcherService), watcherPath, QString::fromLatin1(watcherService),
        QStringLiteral("RegisterStatusNotifierItem"));
    call << bus_.baseService();
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    const int attempt = attempt_;
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, attempt](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<> reply = *done;
                if (attempt != attempt_ || !reply.isError()) return;
                qWarning("The status-notifier tray refused Dunok's icon: %s",
                         qUtf8Printable(reply.error().message()));
                setInTray(false);
            });
}

void StatusNotifierItem::setInTray(bool inTray) {
    if (inTray == inTray_) return;
    inTray_ = inTray;
    emit inTrayChanged(inTray);
}

void StatusNotifierItem::setIcon(const QIcon& icon) {
    icon_ = icon;
    pixmaps_.reset();
    if (inTray_) emit NewIcon();
}

SniPixmapList StatusNotifierItem::iconPixmap() const {
    if (!pixmaps_) pixmaps_ = pixmaps(icon_, trayIconSizes);
    return *pixmaps_;
}

void StatusNotifierItem::setToolTip(const QString& title, const QString& text) {
    if (title == tipTitle_ && text == tipText_) return;
    tipTitle_ = title;
    tipText_ = text;
    if (inTray_) emit NewToolTip();
}

SniPixmapList StatusNotifierItem::pixmaps(const QIcon& icon, const QList<int>& sizes) {
    SniPixmapList list;
    for (int size : sizes) {
        // At a ratio of one: a tray asks for the pixels it draws, whatever
        // the scale of Dunok's own screen.
        QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        if (image.isNull()) continue;
        if (image.size() != QSize(size, size))
            image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        image = image.convertToFormat(QImage::Format_ARGB32);
        SniPixmap pixmap{image.width(), image.height(), {}};
        pixmap.data.resize(qsizetype(image.width()) * image.height() * 4);
        auto* out = reinterpret_cast<quint32*>(pixmap.data.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) *out++ = qToBigEndian(line[x]);
        }
        list << pixmap;
    }
    return list;
}

void StatusNotifierItem::Activate(int, int) {
    emit activated();
}

void StatusNotifierItem::SecondaryActivate(int, int) {
    // A middle click does nothing in a tray's own window either.
}

void StatusNotifierItem::ContextMenu(int x, int y) {
    // A host that cannot draw the bus menu asks for Dunok's own. Wayland
    // places no popup at a screen position without a window to hang it on.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qmenu_->popup(QPoint(x, y));
}

void StatusNotifierItem::Scroll(int, const QString&) {
    // Nothing of Dunok's changes by a step.
}

}  // namespace dunok
