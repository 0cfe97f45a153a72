#include "desktop/DBusMenu.h"

#include <QActionEvent>
#include <QActionGroup>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

namespace dunok {

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuLayout& item) {
    arg.beginStructure();
    arg << item.id << item.properties;
    // The children are variants, not structures: the type would otherwise
    // have to contain itself, which the bus's type system cannot say.
    arg.beginArray(qMetaTypeId<QDBusVariant>());
    for (const DBusMenuLayout& child : item.children)
        arg << QDBusVariant(QVariant::fromValue(child));
    arg.endArray();
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuLayout& item) {
    arg.beginStructure();
    arg >> item.id >> item.properties;
    item.children.clear();
    arg.beginArray();
    while (!arg.atEnd()) {
        QDBusVariant wrapped;
        arg >> wrapped;
        DBusMenuLayout child;
        wrapped.variant().value<QDBusArgument>() >> child;
        item.children << child;
    }
    arg.endArray();
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuItem& item) {
    arg.beginStructure();
    arg << item.id << item.properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuItem& item) {
    arg.beginStructure();
    arg >> item.id >> item.properties;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuRemoved& item) {
    arg.beginStructure();
    arg << item.id << item.names;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuRemoved& item) {
    arg.beginStructure();
    arg >> item.id >> item.names;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuEvent& event) {
    arg.beginStructure();
    arg << event.id << event.eventId << event.data << event.timestamp;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuEvent& event) {
    arg.beginStructure();
    arg >> event.id >> event.eventId >> event.data >> event.timestamp;
    arg.endStructure();
    return arg;
}

namespace {
// Qt marks a mnemonic with "&" ("&&" for the sign itself), the bus with "_"
// ("__" for the underscore itself).
QString busLabel(const QString& text) {
    QString label;
    label.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('_')) {
            label += QStringLiteral("__");
        } else if (c == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
                ++i;
            else if (i + 1 < text.size()) {
                label += QLatin1Char('_');
                continue;
            }
            label += QLatin1Char('&');
        } else {
            label += c;
        }
    }
    return label;
}
}  // namespace

DBusMenu::DBusMenu(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu) {
    qDBusRegisterMetaType<DBusMenuLayout>();
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<DBusMenuItemList>();
    qDBusRegisterMetaType<DBusMenuRemoved>();
    qDBusRegisterMetaType<DBusMenuRemovedList>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<DBusMenuEventList>();
    watch(menu);
}

bool DBusMenu::exportOn(QDBusConnection bus, const QString& path) {
    return bus.registerObject(path, this,
                              QDBusConnection::ExportScriptableSlots |
                                  QDBusConnection::ExportScriptableSignals |
                                  QDBusConnection::ExportAllProperties);
}

QString DBusMenu::textDirection() const {
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                                 : QStringLiteral("ltr");
}

int DBusMenu::idOf(QAction* action) {
    if (const auto found = ids_.constFind(action); found != ids_.constEnd()) return *found;
    const int id = nextId_++;
    ids_.insert(action, id);
    actions_.insert(id, action);
    connect(action, &QObject::destroyed, this,
            [this, action] { actions_.remove(ids_.take(action)); });
    return id;
}

QAction* DBusMenu::actionOf(int id) const {
    return actions_.value(id);
}

QMenu* DBusMenu::menuOf(int id) const {
    if (id == 0) return menu_;
    QAction* action = actionOf(id);
    return action ? action->menu() : nullptr;
}

void DBusMenu::watch(QMenu* menu) {
    // Installing the same filter again keeps one, so a menu seen in every
    // layout is not heard twice.
    if (menu) menu->installEventFilter(this);
}

QVariantMap DBusMenu::properties(QAction* action, const QStringList& names) const {
    QVariantMap all;
    if (action->isSeparator()) {
        all.insert(QStringLiteral("type"), QStringLiteral("separator"));
    } else {
        all.insert(QStringLiteral("label"), busLabel(action->text()));
        if (action->menu())
            all.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
        if (action->isCheckable()) {
            all.insert(QStringLiteral("toggle-type"),
                       action->actionGroup() && action->actionGroup()->isExclusive()
                           ? QStringLiteral("radio")
                           : QStringLiteral("checkmark"));
            all.insert(QStringLiteral("toggle-state"), action->isChecked() ? 1 : 0);
        }
    }
    // Said even at their defaults, so that a change back to a default needs
    // no list of removed properties.
    all.insert(QStringLiteral("enabled"), action->isEnabled());
    all.insert(QStringLiteral("visible"), action->isVisible());
    if (names.isEmpty()) return all;
    QVariantMap asked;
    for (const QString& name : names)
        if (all.contains(name)) asked.insert(name, all.value(name));
    return asked;
}

DBusMenuLayout DBusMenu::layout(int parentId, int depth, const QStringList& names) {
    DBusMenuLayout node;
    node.id = parentId;
    QMenu* menu = menuOf(parentId);
    if (parentId == 0) {
        node.properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else if (QAction* action = actionOf(parentId)) {
        node.properties = properties(action, names);
    } else {
        node.id = -1;
        return node;
    }
    if (!menu || depth == 0) return node;
    watch(menu);
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions)
        node.children << layout(idOf(action), depth < 0 ? -1 : depth - 1, names);
    return node;
}

uint DBusMenu::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                         DBusMenuLayout& layoutOut) {
    layoutOut = layout(parentId, recursionDepth, propertyNames);
    if (layoutOut.id < 0 && calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("No menu entry %1").arg(parentId));
    return revision_;
}

DBusMenuItemList DBusMenu::GetGroupProperties(const QList<int>& ids,
                                              const QStringList& propertyNames) {
    DBusMenuItemList items;
    for (int id : ids)
        if (QAction* action = actionOf(id))
            items << DBusMenuItem{id, properties(action, propertyNames)};
    return items;
}

QDBusVariant DBusMenu::GetProperty(int id, const QString& name) {
    QAction* action = actionOf(id);
    const QVariantMap all = action ? properties(action) : QVariantMap();
    if (!all.contains(name) && calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs,
                       QStringLiteral("No property %1 of %2").arg(name).arg(id));
    return QDBusVariant(all.value(name, QString()));
}

bool DBusMenu::deliver(int id, const QString& eventId) {
    QAction* action = actionOf(id);
    if (!action) return false;
    // After the answer has left: a command may quit, or open a dialog that
    // waits for the user, and the host must not wait with it.
    if (eventId == QLatin1String("clicked") && action->isEnabled() && !action->menu())
        QTimer::singleShot(0, action, &QAction::trigger);
    return true;
}

void DBusMenu::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    if (!deliver(id, eventId) && calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("No menu entry %1").arg(id));
}

QList<int> DBusMenu::EventGroup(const DBusMenuEventList& events) {
    QList<int> errors;
    for (const DBusMenuEvent& event : events)
        if (!deliver(event.id, event.eventId)) errors << event.id;
    if (!events.isEmpty() && errors.size() == events.size() && calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("No such menu entries"));
    return errors;
}

bool DBusMenu::open(QMenu* menu) {
    // The menu fills itself as it opens, as it does in a tray's own window.
    const quint64 before = changes_;
    emit menu->aboutToShow();
    return changes_ != before;
}

bool DBusMenu::AboutToShow(int id) {
    QMenu* menu = menuOf(id);
    if (!menu && calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("No menu %1").arg(id));
    return menu && open(menu);
}

QList<int> DBusMenu::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    QList<int> updated;
    for (int id : ids) {
        if (QMenu* menu = menuOf(id); !menu)
            idErrors << id;
        else if (open(menu))
            updated << id;
    }
    return updated;
}

bool DBusMenu::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ActionAdded:
        case QEvent::ActionRemoved:
            ++changes_;
            if (!layoutChanged_) ++revision_;
            layoutChanged_ = true;
            tellSoon_.ask();
            break;
        case QEvent::ActionChanged:
            if (const int id = ids_.value(static_cast<QActionEvent*>(event)->action(), -1);
                id > 0) {
                ++changes_;
                changedIds_ << id;
                tellSoon_.ask();
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void DBusMenu::tell() {
    // A new layout carries the new properties too.
    if (layoutChanged_) {
        layoutChanged_ = false;
        changedIds_.clear();
        emit LayoutUpdated(revision_, 0);
        return;
    }
    DBusMenuItemList updated;
    for (int id : std::as_const(changedIds_))
        if (QAction* action = actionOf(id)) updated << DBusMenuItem{id, properties(action)};
    changedIds_.clear();
    if (!updated.isEmpty()) emit ItemsPropertiesUpdated(updated, {});
}

}  // namespace dunok
