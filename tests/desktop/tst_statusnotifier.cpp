// The tray icon as a status-notifier tray reads it over the bus. DUNOK_TEST_NEEDS_DBUS
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "desktop/DBusMenu.h"
#include "desktop/StatusNotifierItem.h"
#include "desktop/TrayIcon.h"

using namespace dunok;

static const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");

// Signals as another program on the bus receives them.
class Heard : public QObject {
    Q_OBJECT
public:
    QList<QDBusMessage> messages;
public slots:
    void hear(const QDBusMessage& message) { messages << message; }
};

// A tray's watcher, which may refuse what registers.
class FakeWatcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
public:
    QStringList registered;
    bool refuse = false;
public slots:
    Q_SCRIPTABLE void RegisterStatusNotifierItem(const QString& service) {
        if (refuse)
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("not here"));
        else
            registered << service;
    }
};

class TestStatusNotifier : public QObject {
    Q_OBJECT
    QDBusConnection client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "client");
    QString dunok = QDBusConnection::sessionBus().baseService();

    // Asked as another program asks, while this one goes on answering.
    QDBusMessage ask(const QString& path, const QString& interface, const QString& method,
                     const QVariantList& args = {}) {
        QDBusMessage call = QDBusMessage::createMethodCall(dunok, path, interface, method);
        call.setArguments(args);
        QDBusPendingCall pending = client.asyncCall(call);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 5000)) return {};
        return pending.reply();
    }
    QDBusMessage click(int id) {
        return ask("/MenuBar", menuInterface, "Event",
                   {id, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u});
    }
    // The host opens the menu; whether it has to fetch it again.
    bool opened() {
        return ask("/MenuBar", menuInterface, "AboutToShow", {0}).arguments().value(0).toBool();
    }
    DBusMenuLayout layout(int parent = 0) {
        const QDBusMessage reply =
            ask("/MenuBar", menuInterface, "GetLayout", {parent, -1, QStringList()});
        DBusMenuLayout root{-1, {}, {}};
        if (reply.signature() == "u(ia{sv}av)") {
            revision = reply.arguments().at(0).toUInt();
            reply.arguments().at(1).value<QDBusArgument>() >> root;
        } else
            qWarning() << "GetLayout answered" << reply.signature() << reply.errorMessage();
        return root;
    }
    uint revision = 0;  // of the layout last read
    // Whether the host has been told of the layout it last read. The signal of
    // an earlier change may still be on its way; only the one that names this
    // layout's revision is about it.
    bool toldOfLayout(const Heard& heard) const {
        for (const QDBusMessage& message : heard.messages)
            if (message.member() == "LayoutUpdated" &&
                message.arguments().value(0).toUInt() == revision)
                return true;
        return false;
    }
    static QStringList labels(const DBusMenuLayout& node) {
        QStringList out;
        for (const DBusMenuLayout& child : node.children)
            out << child.properties.value("label", "—").toString() +
                       (child.properties.value("children-display") == "submenu" ? " >" : "");
        return out;
    }

private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName("Dunok"); }

    // The menu a host draws: Show, a submenu per running timer, Quit; a timer
    // keeps its entry's id while it runs, so a click on an entry read before
    // the menu opened again still lands.
    void menuReachesTheHostAsOneMenu() {
        QList<RunningLine> lines{{"1", "Tea", 300, false, 600}, {"2", "Rice", 500, false, 600}};
        TrayIcon tray;
        tray.setRunningSource([&] { return lines; });
        QSignalSpy paused(&tray, &TrayIcon::pauseOrResumeRequested);
        Heard heard;
        for (const char* name : {"ItemsPropertiesUpdated", "LayoutUpdated"})
            QVERIFY(client.connect(dunok, "/MenuBar", menuInterface, name, &heard,
                                   SLOT(hear(QDBusMessage))));
        QCOMPARE(opened(), true);
        const DBusMenuLayout root = layout();
        QCOMPARE(root.id, 0);
        QCOMPARE(labels(root), QStringList({"Show Dunok", "—", "Tea — 5:00 left >",
                                            "Rice — 8:20 left >", "—", "Quit Dunok"}));
        QCOMPARE(root.children[1].properties.value("type"), "separator");
        QCOMPARE(labels(root.children[2]), QStringList({"Pause", "Stop"}));
        // Opened again with nothing changed: the same ids, nothing to fetch.
        QCOMPARE(opened(), false);
        DBusMenuLayout again = layout();
        QCOMPARE(again.children.size(), root.children.size());
        for (int i = 0; i < root.children.size(); ++i)
            QCOMPARE(again.children[i].id, root.children[i].id);
        QTRY_VERIFY(toldOfLayout(heard));
        heard.messages.clear();
        // Tea paused, Rice sooner: the same entries, moved and renamed.
        lines = {{"2", "Rice", 200, false, 600}, {"1", "Tea", 280, true, 600}};
        QCOMPARE(opened(), true);
        again = layout();
        QCOMPARE(labels(again)[3], "Tea — paused, 4:40 left >");
        QCOMPARE(again.children[2].id, root.children[3].id);
        QCOMPARE(again.children[3].id, root.children[2].id);
        const DBusMenuLayout tea = again.children[3];
        QCOMPARE(labels(tea), QStringList({"Resume", "Stop"}));
        QTRY_VERIFY(toldOfLayout(heard));
        QCOMPARE(heard.messages.size(), 1);  // the new layout carries the new labels
        // Only labels changed: the host hears the new properties of those entries.
        heard.messages.clear();
        lines[1].paused = false;
        QCOMPARE(opened(), true);
        QTRY_COMPARE(heard.messages.size(), 1);
        QCOMPARE(heard.messages[0].member(), "ItemsPropertiesUpdated");
        QCOMPARE(heard.messages[0].signature(), "a(ia{sv})a(ias)");
        // The click on the entry as it was read before the menu opened again.
        QCOMPARE(click(tea.children[0].id).type(), QDBusMessage::ReplyMessage);
        QTRY_COMPARE(paused.size(), 1);
        QCOMPARE(paused[0][0], "1");
        // A stopped timer's entry is gone, and its id answers no more.
        lines.removeFirst();
        opened();
        QCOMPARE(labels(layout()),
                 QStringList({"Show Dunok", "—", "Tea — 4:40 left >", "—", "Quit Dunok"}));
        QCOMPARE(click(root.children[3].id).type(), QDBusMessage::ErrorMessage);
        QCOMPARE(layout(root.children[3].id).id, -1);
    }
    // Hosts that batch their calls open and click through the group calls, an
    // unknown entry named back as the error; a host that draws no bus menu
    // asks for Dunok's own.
    void groupCallsAndTheItemsOwnMenu() {
        qDBusRegisterMetaType<DBusMenuEvent>();
        qDBusRegisterMetaType<DBusMenuEventList>();
        QList<RunningLine> lines{{"1", "Tea", 300, false, 600}};
        TrayIcon tray;
        tray.setRunningSource([&] { return lines; });
        QSignalSpy shown(&tray, &TrayIcon::showRequested);
        QSignalSpy paused(&tray, &TrayIcon::pauseOrResumeRequested);
        const QDBusMessage opened = ask("/MenuBar", menuInterface, "AboutToShowGroup",
                                        {QVariant::fromValue(QList<int>{0, 4242})});
        QCOMPARE(opened.signature(), "aiai");
        QCOMPARE(qdbus_cast<QList<int>>(opened.arguments().value(0)), QList<int>{0});
        QCOMPARE(qdbus_cast<QList<int>>(opened.arguments().value(1)), QList<int>{4242});
        const DBusMenuLayout root = layout();
        QCOMPARE(labels(root.children[2]), QStringList({"Pause", "Stop"}));
        const auto event = [](int id) { return DBusMenuEvent{id, "clicked", QDBusVariant(0), 0}; };
        const QDBusMessage clicked = ask(
            "/MenuBar", menuInterface, "EventGroup",
            {QVariant::fromValue(DBusMenuEventList{
                event(root.children[0].id), event(root.children[2].children[0].id), event(4242)})});
        QCOMPARE(qdbus_cast<QList<int>>(clicked.arguments().value(0)), QList<int>{4242});
        QTRY_COMPARE(shown.size(), 1);
        QTRY_COMPARE(paused.size(), 1);
        QCOMPARE(paused[0][0], "1");
        QCOMPARE(ask("/MenuBar", menuInterface, "EventGroup",
                     {QVariant::fromValue(DBusMenuEventList{event(4242)})})
                     .type(),
                 QDBusMessage::ErrorMessage);
        ask("/StatusNotifierItem", "org.kde.StatusNotifierItem", "ContextMenu", {10, 20});
        QTRY_VERIFY(tray.menu()->isVisible());
        tray.menu()->hide();
    }
    // What the user cannot choose says so; when it can again, the host hears.
    void disabledEntriesAreSaidDisabled() {
        QMenu menu;
        QAction* save = menu.addAction("&Save && close_up");
        save->setEnabled(false);
        QAction* mode = menu.addAction("Mode");
        mode->setCheckable(true);
        mode->setChecked(true);
        DBusMenu exported(&menu);
        QVERIFY(exported.exportOn(QDBusConnection::sessionBus(), "/MenuBar"));
        const DBusMenuLayout root = layout();
        QCOMPARE(root.children.size(), 2);
        QCOMPARE(root.children[0].properties.value("label"), "_Save & close__up");
        QCOMPARE(root.children[0].properties.value("enabled"), false);
        QCOMPARE(root.children[1].properties.value("enabled"), true);
        QCOMPARE(root.children[1].properties.value("toggle-type"), "checkmark");
        QCOMPARE(root.children[1].properties.value("toggle-state"), 1);
        // Asked one property at a time, or some of several entries at once.
        const QDBusMessage one =
            ask("/MenuBar", menuInterface, "GetProperty", {root.children[0].id, "enabled"});
        QCOMPARE(one.arguments().value(0).value<QDBusVariant>().variant(), false);
        const QDBusMessage group = ask("/MenuBar", menuInterface, "GetGroupProperties",
                                       {QVariant::fromValue(QList<int>{root.children[1].id}),
                                        QStringList{"label", "toggle-state"}});
        QCOMPARE(group.signature(), "a(ia{sv})");
        DBusMenuItemList some;
        group.arguments().value(0).value<QDBusArgument>() >> some;
        QVERIFY(some.size() == 1 && some[0].id == root.children[1].id);
        QCOMPARE(some[0].properties.keys(), QStringList({"label", "toggle-state"}));
        QSignalSpy triggered(save, &QAction::triggered);
        click(root.children[0].id);
        QTest::qWait(50);
        QCOMPARE(triggered.size(), 0);
        QSignalSpy updated(&exported, &DBusMenu::ItemsPropertiesUpdated);
        save->setEnabled(true);
        QTRY_COMPARE(updated.size(), 1);
        const auto items = updated[0][0].value<DBusMenuItemList>();
        QVERIFY(items.size() == 1 && items[0].id == root.children[0].id);
        QCOMPARE(items[0].properties.value("enabled"), true);
        QDBusConnection::sessionBus().unregisterObject("/MenuBar");
    }
    // Pixels go most significant byte first whatever the machine: alpha, red, green, blue.
    void iconIsSentAlphaRedGreenBlue() {
        QPixmap red(16, 16);
        red.fill(QColor(255, 0, 0, 255));
        const SniPixmapList sent = StatusNotifierItem::pixmaps(QIcon(red), {16, 32});
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[1].width, 32);
        QCOMPARE(sent[1].data.size(), 32 * 32 * 4);
        QCOMPARE(sent[0].data.left(4), QByteArray("\xff\xff\x00\x00", 4));
        TrayIcon tray;
        const QDBusMessage reply = ask("/StatusNotifierItem", "org.freedesktop.DBus.Properties",
                                       "Get", {"org.kde.StatusNotifierItem", "IconPixmap"});
        QCOMPARE(reply.signature(), "v");
        SniPixmapList pixmaps;
        reply.arguments()[0].value<QDBusVariant>().variant().value<QDBusArgument>() >> pixmaps;
        QCOMPARE(pixmaps.size(), 6);
        QCOMPARE(pixmaps.first().width, 16);
        QCOMPARE(pixmaps.last().width, 64);
    }
    // A tray's watcher that comes after Dunok takes the item, and so does the
    // next one after a restart; a watcher that refuses it leaves the icon to a
    // tray that embeds it.
    void registersWithEachWatcherThatComes() {
        TrayIcon tray;
        tray.show();
        QVERIFY(!tray.item()->inTray());
        int started = 0;
        for (bool refuse : {false, false, true}) {
            const QString name = QString("watcher%1").arg(++started);
            {
                QSignalSpy changed(tray.item(), &StatusNotifierItem::inTrayChanged);
                QDBusConnection bus =
                    QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
                FakeWatcher watcher;
                watcher.refuse = refuse;
                QVERIFY(bus.registerObject("/StatusNotifierWatcher", &watcher,
                                           QDBusConnection::ExportScriptableSlots));
                QVERIFY(bus.registerService(StatusNotifierItem::watcherService));
                if (refuse) {
                    QTRY_COMPARE(changed.size(), 2);
                    QVERIFY(!tray.item()->inTray());
                } else {
                    QTRY_COMPARE(watcher.registered, QStringList({dunok}));
                    QVERIFY(tray.available());
                }
            }
            QDBusConnection::disconnectFromBus(name);
            QTRY_VERIFY(!tray.item()->inTray());
            QVERIFY(!tray.available());  // and the closed window's note says how to get it back
        }
    }
};

QTEST_MAIN(TestStatusNotifier)
#include "tst_statusnotifier.moc"
