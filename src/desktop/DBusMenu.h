// A QMenu offered on the session bus as a menu that a status-notifier host
// draws itself: the same actions as the menu a tray window pops up, so that
// the two never drift apart.
#pragma once

#include <QDBusArgument>
#include <QDBusContext>
#include <QDBusVariant>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QVariantMap>

#include "domain/CoalescedCall.h"

class QAction;
class QMenu;

namespace dunok {

// One entry and what hangs below it, as the bus carries it: (id, its
// properties, its children each wrapped in a variant).
struct DBusMenuLayout {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayout> children;
};
// An entry's properties, as ItemsPropertiesUpdated and GetGroupProperties
// send them.
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItemList = QList<DBusMenuItem>;
// Properties an entry no longer has, by name.
struct DBusMenuRemoved {
    int id = 0;
    QStringList names;
};
using DBusMenuRemovedList = QList<DBusMenuRemoved>;
// One of the events that EventGroup delivers at once.
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEventList = QList<DBusMenuEvent>;

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuLayout& item);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuLayout& item);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuItem& item);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuRemoved& item);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuRemoved& item);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuEvent& event);

class DBusMenu : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
    // The menu stays its owner's; entries are known by ids that last as
    // long as their actions.
    explicit DBusMenu(QMenu* menu, QObject* parent = nullptr);
    // Offers the menu at this path; false when the bus refuses it.
    bool exportOn(QDBusConnection bus, const QString& path);

    uint version() const { return 3; }
    QString textDirection() const;
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    // Output parameters are found by the name written here, so it is written
    // in full.
    Q_SCRIPTABLE uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                dunok::DBusMenuLayout& layout);
    Q_SCRIPTABLE QList<dunok::DBusMenuItem> GetGroupProperties(const QList<int>& ids,
                                                               const QStringList& propertyNames);
    Q_SCRIPTABLE QDBusVariant GetProperty(int id, const QString& name);
    Q_SCRIPTABLE void Event(int id, const QString& eventId, const QDBusVariant& data,
                            uint timestamp);
    Q_SCRIPTABLE QList<int> EventGroup(const QList<dunok::DBusMenuEvent>& events);
    Q_SCRIPTABLE bool AboutToShow(int id);
    Q_SCRIPTABLE QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

signals:
    Q_SCRIPTABLE void ItemsPropertiesUpdated(const QList<dunok::DBusMenuItem>& updatedProps,
                                             const QList<dunok::DBusMenuRemoved>& removedProps);
    Q_SCRIPTABLE void LayoutUpdated(uint revision, int parent);
    Q_SCRIPTABLE void ItemActivationRequested(int id, uint timestamp);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int idOf(QAction* action);
    QAction* actionOf(int id) const;
    QMenu* menuOf(int id) const;
    void watch(QMenu* menu);
    bool deliver(int id, const QString& eventId);
    // Fills the menu as it opens; whether that changed anything.
    bool open(QMenu* menu);
    // The layout from the entry with this id down, depth levels deep (-1:
    // all), with only these properties (none named: all); empty id -1 when
    // no entry has that id.
    DBusMenuLayout layout(int parentId, int depth, const QStringList& names);
    QVariantMap properties(QAction* action, const QStringList& names = {}) const;
    void tell();

    QPointer<QMenu> menu_;
    QHash<QAction*, int> ids_;
    QHash<int, QPointer<QAction>> actions_;
    int nextId_ = 1;
    uint revision_ = 1;
    // Grows with every change, so that AboutToShow can say whether one came.
    quint64 changes_ = 0;
    bool layoutChanged_ = false;
    QSet<int> changedIds_;
    // Changes are told once per turn of the event loop, however many came.
    CoalescedCall tellSoon_{this, [this] { tell(); }};
};

}  // namespace dunok

Q_DECLARE_METATYPE(dunok::DBusMenuLayout)
Q_DECLARE_METATYPE(dunok::DBusMenuItem)
Q_DECLARE_METATYPE(dunok::DBusMenuRemoved)
Q_DECLARE_METATYPE(dunok::DBusMenuEvent)
