// The window's commands: each is one action wherever it is offered, and its
// enabling follows the list, the selection and the running timers everywhere
// at once; the right-click menu names the clicked timer and offers Snooze only
// for a row that rang; the quick-help icon.
#include <QtTest>
#include <QtWidgets>

#include "domain/CountdownText.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "support/TestEnvironment.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"
#include "ui/QuickHelp.h"
#include "ui/TimerActions.h"
#include "ui/TimerContextMenu.h"
#include "ui/TimerTableModel.h"
#include "ui/TimerTableView.h"
#include "ui/TimerToolbar.h"
#include "ui/ViewController.h"

using namespace dunok;
using namespace dunok::ToolbarIds;

namespace {
struct Window : testing::ReturningUser {
    std::unique_ptr<MainWindow> window;
    ViewController* vc = nullptr;
    TimerContextMenu* menu = nullptr;

    Window() {
        for (const char* name : {"Tea", "Pasta"}) store.addTimer(name, 60);
        Timer eggs = store.addTimer("Eggs", 1);  // rings at once, and snoozes
        eggs.snoozeOn = true;
        eggs.snooze = 120;
        store.store().update(eggs, nullptr);
        window = std::make_unique<MainWindow>(prefs, player, store.store());
        vc = window->viewController();
        menu = window->findChild<TimerContextMenu*>();
        window->show();
        vc->reloadTable();
    }
    // The menu bar's items, by object name.
    QMap<QString, QAction*> menuBarItems() const {
        QMap<QString, QAction*> items;
        for (QAction* top : window->menuBar()->actions())
            for (QAction* item : top->menu()->actions())
                if (!item->isSeparator()) items.insert(item->objectName(), item);
        return items;
    }
    // Right-clicks row (below the rows for -1) and closes the menu again;
    // texts gets the items' texts, "(off)" when disabled.
    QList<QAction*> contextItems(int row, QStringList* texts = nullptr) const {
        TimerTableView* table = vc->myTable();
        QWidget* viewport = table->viewport();
        const QPoint pos = row >= 0 ? table->visualRect(vc->tableModel()->index(row, 0)).center()
                                    : QPoint(10, viewport->height() - 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
        QCoreApplication::sendEvent(viewport, &event);
        QList<QAction*> items;
        for (QAction* item : menu->actions())
            if (!item->isSeparator()) items << item;
        if (texts)  // as they read while the menu is open
            for (QAction* item : items)
                *texts << item->text() + (item->isEnabled() ? "" : " (off)");
        menu->hide();
        return items;
    }
    QStringList contextTexts(int row) const {
        QStringList texts;
        contextItems(row, &texts);
        return texts;
    }
};
}  // namespace

class TestActions : public QObject {
    Q_OBJECT
private slots:
    void everyCommandIsOneActionWhereverItIsOffered() {
        Window w;
        QVERIFY(w.menu);
        const auto& owned = w.vc->actions()->all();
        const QSet<QAction*> ownedSet(owned.begin(), owned.end());
        QCOMPARE(ownedSet.size(), commandCount);

        // Where each action is offered; an action that the commands do not
        // own would be a second one for some command.
        QMap<QAction*, QStringList> places;
        for (QAction* item : w.menuBarItems()) places[item] << "menu";
        for (const ToolbarItem& entry : toolbarItems()) {
            QToolButton* button = w.vc->toolbar()->button(entry.identifier);
            if (!entry.command) {
                QVERIFY(!button);
                continue;
            }
            QVERIFY2(button, qPrintable(entry.identifier));
            QAction* action = w.vc->toolbar()->actionOf(button);
            QCOMPARE(action, w.vc->actions()->action(*entry.command));
            places[action] << "toolbar";
        }
        for (QAction* item : w.contextItems(0)) places[item] << "context";
        for (auto it = places.cbegin(); it != places.cend(); ++it)
            QVERIFY2(ownedSet.contains(it.key()),
                     qPrintable(it.key()->objectName() + " is a command's second action"));

        QStringList offered;
        for (Command command :
             {Command::EditTimer, Command::Delete, Command::StartStop, Command::Duplicate,
              Command::PauseResume, Command::Reset, Command::Sort, Command::Snooze})
            offered << places.value(w.vc->actions()->action(command)).join(' ');
        QCOMPARE(offered, QStringList({"menu toolbar context", "menu toolbar context",
                                       "menu context", "menu context", "menu context",
                                       "menu toolbar", "toolbar", "context"}));

        // A button runs the menu's own command, after its click.
        w.vc->myTable()->selectRowExactly(0);
        w.vc->tableViewDoubleClick();
        QSignalSpy reset(w.menuBarItems().value("miReset"), &QAction::triggered);
        w.vc->toolbar()->button(tbResetToolbarItem)->click();
        QCOMPARE(reset.size(), 0);
        QTRY_COMPARE(reset.size(), 1);
        QVERIFY(w.vc->engine()->alertsArray().isEmpty());
    }

    void enablingFollowsTheStateInEveryPlace() {
        Window w;
        const auto button = [&](const QString& id) { return w.vc->toolbar()->button(id); };
        // The commands on the selected timer that can be used, as each place
        // offers them.
        const auto usable = [&](int rightClicked) {
            QStringList menuBar, toolbar, context;
            // The right-click first: it selects the row for all three.
            for (QAction* item : w.contextItems(rightClicked))
                if (item->isEnabled()) context << item->objectName();
            const auto items = w.menuBarItems();
            for (const char* name : {"miStartStop", "miPause", "miEditTimer", "miDuplicate",
                                     "miDeleteTimers", "miReset"})
                if (items.value(name)->isEnabled()) menuBar << name;
            for (const QString& id : {tbEditToolbarItem, tbDeleteToolbarItem, tbResetToolbarItem})
                if (button(id)->isEnabled()) toolbar << QString(id).remove("ToolbarItem");
            return QStringList{menuBar.join(' '), toolbar.join(' '), context.join(' ')};
        };
        QCOMPARE(usable(-1), QStringList({"", "", ""}));
        QCOMPARE(usable(1),
                 QStringList({"miStartStop miEditTimer miDuplicate miDeleteTimers", "Edit Delete",
                              "miStartStop miEditTimer miDuplicate miDeleteTimers"}));
        w.vc->tableViewDoubleClick();  // Pasta runs
        const QString all = "miStartStop miPause miEditTimer miDuplicate miDeleteTimers";
        const QStringList running = {all + " miReset", "Edit Delete Reset", all};
        QCOMPARE(usable(1), running);
        // Another timer has nothing to pause.
        QCOMPARE(usable(0)[0], "miStartStop miEditTimer miDuplicate miDeleteTimers miReset");
        w.vc->myTable()->clearSelection();
        QCOMPARE(usable(-1), QStringList({"miReset", "Reset", ""}));
        // A paused timer can be resumed from both menus.
        w.vc->myTable()->selectRowExactly(1);
        w.vc->miPauseClicked();
        QCOMPARE(usable(1), running);
        QCOMPARE(w.menuBarItems().value("miPause")->text(), "&Pause or Resume");
        w.vc->resetAlerts();
        QCOMPARE(usable(1)[1], "Edit Delete");
    }

    // The window's own actions, named for the clicked timer; start or stop
    // follows the timer's state, not its row's text.
    void windowCommandsForTheClickedTimer() {
        Window w;
        const auto action = [&](const char* name) { return w.window->findChild<QAction*>(name); };
        QCOMPARE(w.contextTexts(1),
                 QStringList({"&Start timer \"Pasta\"", "Pause timer (off)", "Snooze (off)",
                              "&Edit Timer...", "Duplicate \"Pasta\"", "De&lete..."}));
        QCOMPARE(action("miStartStop")->text(), "&Start or Stop");  // the menu bar's own name
        action("miStartStop")->trigger();                           // as a double-click: Pasta runs
        QCOMPARE(w.vc->engine()->alertsArray().getNumAlerts(), 1);
        QCOMPARE(w.contextTexts(1).mid(0, 2),
                 QStringList({"&Stop timer \"Pasta\"", "Pause timer \"Pasta\""}));
        // A finish text written into the row does not make it a stopped timer.
        w.vc->tableModel()->setDurationText(1, finishedText("10:00:00 AM"), 13);
        QCOMPARE(w.contextTexts(1).first(), "&Stop timer \"Pasta\"");
        w.vc->miPauseClicked();
        QCOMPARE(w.contextTexts(1)[1], "Resume timer \"Pasta\"");
        QCOMPARE(w.contextTexts(0).first(), "&Start timer \"Tea\"");
        w.vc->myTable()->clearSelection();
        QCOMPARE(
            w.contextTexts(-1),
            QStringList({"&Start or Stop (off)", "Pause timer \"Tea\" (off)", "Snooze (off)",
                         "&Edit Timer... (off)", "Duplicate \"Tea\" (off)", "De&lete... (off)"}));
        // Snooze is offered for a snoozing timer whose row rang and was silenced,
        // not for one that only reads finished.
        w.vc->resetAlerts();
        QCOMPARE(w.contextTexts(2)[2], "Snooze 2m (off)");
        w.vc->tableModel()->setDurationText(2, finishedText("10:00:00 AM"), 13);
        QCOMPARE(w.contextTexts(2)[2], "Snooze 2m (off)");
        w.vc->tableViewDoubleClick();
        w.vc->engine()->tick(timerId(w.vc->timers().at(2)));
        QVERIFY(w.vc->engine()->isRinging());
        w.vc->engine()->silence();
        QCOMPARE(w.contextTexts(2)[2], "Snooze 2m");
        w.contextItems(2);
        w.menu->miSnooze()->trigger();
        QCOMPARE(w.vc->engine()->alertsArray().getNumAlerts(), 1);
        QCOMPARE(w.vc->engine()->alertsArray().at(0).value, qint64(120));
        w.vc->resetAlerts();
    }

    void quickHelpExplainsTheList() {
        QuickHelp help;
        help.show();
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        QTest::mouseClick(&help, Qt::LeftButton);
        QCOMPARE(MessageBox::shownAlerts().size(), 1);
    }
};

QTEST_MAIN(TestActions)
#include "tst_actions.moc"
