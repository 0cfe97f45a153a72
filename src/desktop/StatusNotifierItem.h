// Dunok's icon as an item that a status-notifier tray draws: offered on the
// session bus, and registered with the tray's watcher whenever one is there,
// also when the tray starts after Dunok or is started again.
#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QIcon>
#include <QObject>
#include <optional>

class QMenu;

namespace dunok {

// The sizes trays draw their icons at.
inline const QList<int> trayIconSizes{16, 22, 24, 32, 48, 64};

class DBusMenu;

// An image as the item sends it: ARGB, 32 bits a pixel, most significant
// byte first.
struct SniPixmap {
    int width = 0;
    int height = 0;
    QByteArray data;
};
using SniPixmapList = QList<SniPixmap>;
struct SniToolTip {
    QString iconName;
    SniPixmapList pixmaps;
    QString title;
    QString text;
};
QDBusArgument& operator<<(QDBusArgument& arg, const SniPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& arg, SniPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& arg, const SniToolTip& tip);
const QDBusArgument& operator>>(const QDBusArgument& arg, SniToolTip& tip);

class StatusNotifierItem : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconThemePath READ none)
    Q_PROPERTY(QString IconName READ none)
    Q_PROPERTY(dunok::SniPixmapList IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ none)
    Q_PROPERTY(dunok::SniPixmapList OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ none)
    Q_PROPERTY(dunok::SniPixmapList AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ none)
    Q_PROPERTY(dunok::SniToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menuPath)
public:
    static constexpr const char* watcherService = "org.kde.StatusNotifierWatcher";
    // Offers the item and the menu on the session bus and registers the item
    // with a watcher as one appears. Without a bus it stays out of any tray.
    explicit StatusNotifierItem(QMenu* menu, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // Whether a watcher is there and has not refused the item: a tray host
    // draws it, or is about to.
    bool inTray() const { return inTray_; }

    // Sent as images at the sizes trays draw, so that what is painted over
    // the icon shows in every tray. Made into images only when a tray asks,
    // and a change is announced only while one is there: with no tray, the
    // once-a-second refresh costs nothing here.
    void setIcon(const QIcon& icon);
    void setToolTip(const QString& title, const QString& text);
    // The images of an icon at each of these sizes, as the bus carries them.
    static SniPixmapList pixmaps(const QIcon& icon, const QList<int>& sizes);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("Dunok"); }
    QString title() const { return title_; }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString none() const { return {}; }
    SniPixmapList iconPixmap() const;
    SniPixmapList noPixmaps() const { return {}; }
    SniToolTip toolTip() const { return {{}, {}, tipTitle_, tipText_}; }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menuPath() const;

public slots:
    Q_SCRIPTABLE void Activate(int x, int y);
    Q_SCRIPTABLE void SecondaryActivate(int x, int y);
    Q_SCRIPTABLE void ContextMenu(int x, int y);
    Q_SCRIPTABLE void Scroll(int delta, const QString& orientation);

signals:
    Q_SCRIPTABLE void NewTitle();
    Q_SCRIPTABLE void NewIcon();
    Q_SCRIPTABLE void NewToolTip();
    Q_SCRIPTABLE void NewStatus(const QString& status);
    // A click on the item.
    void activated();
    void inTrayChanged(bool inTray);

private:
    void watcherOwnerChanged(const QString& owner);
    void registerWithWatcher();
    void setInTray(bool inTray);

    QDBusConnection bus_;
    QMenu* qmenu_ = nullptr;
    DBusMenu* menu_ = nullptr;
    bool exported_ = false;
    bool inTray_ = false;
    // Counts the registrations, so that the answer to one made for an
    // earlier watcher is ignored.
    int attempt_ = 0;
    const QString title_;
    QIcon icon_;
    // The icon's images, made at the first ask after a change.
    mutable std::optional<SniPixmapList> pixmaps_;
    QString tipTitle_;
    QString tipText_;
};

}  // namespace dunok

Q_DECLARE_METATYPE(dunok::SniPixmap)
Q_DECLARE_METATYPE(dunok::SniToolTip)
