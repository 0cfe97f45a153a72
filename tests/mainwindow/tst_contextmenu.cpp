// The timer list's right-click menu, alone and in the window, and the
// quick-help icon.
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTest>

#include "engine/CountdownText.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/QuickHelp.h"
#include "mainwindow/TimerContextMenu.h"
#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "mainwindow/ViewController.h"
#include "model/Preferences.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "platform/MessageBox.h"
#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestContextMenu : public QObject {
    Q_OBJECT
private slots:
    void itemsNameTheClickedTimerAndFollowItsState() {
        testing::TestHome home;
        testing::StoreFixture store(home.storePath());
        for (const char* name : {"Tea", "Pasta"}) store.addTimer(name, 60);
        auto eggs = store.addTimer("Eggs", 60);
        eggs->setValue(TimersKeys::snoozeOn, true);
        eggs->setValue(TimersKeys::snooze, 120);
        QVERIFY(store.context().save(nullptr));
        QVERIFY(populateArray(sortNone));
        TimerTableView table;
        auto* model = new TimerTableModel(&table);
        table.setModel(model);
        model->reloadData();
        auto* menu = new TimerContextMenu(&table);
        menu->install(&table, *model);
        table.show();
        const auto menuAt = [&](int row) {
            QWidget* viewport = table.viewport();
            const QPoint pos = row >= 0 ? table.visualRect(model->index(row, 0)).center()
                                        : QPoint(10, viewport->height() - 5);  // below the rows
            QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
            QCoreApplication::sendEvent(viewport, &event);
            QStringList items;
            for (QAction* item : {menu->miDuplicate(), menu->miPause(), menu->miSnooze()})
                items << item->text() + (item->isEnabled() ? "" : " (off)");
            return items;
        };
        table.selectRowExactly(0);
        QCOMPARE(menuAt(2),
                 QStringList({"Duplicate \"Eggs\"", "Pause timer (off)", "Snooze 2m (off)"}));
        QCOMPARE(table.selectedRow(), 2);
        for (bool paused : {false, true})  // Tea runs, Pasta is paused
            alertsArray << testing::runningAlert(timersArray[paused], 60, paused);
        QCOMPARE(menuAt(0),
                 QStringList({"Duplicate \"Tea\"", "Pause timer \"Tea\"", "Snooze (off)"}));
        table.clearSelection();  // nothing can be done, whatever the last opening enabled
        QCOMPARE(menuAt(-1), QStringList({"Duplicate \"Tea\" (off)", "Pause timer \"Tea\" (off)",
                                          "Snooze (off)"}));
        QCOMPARE(menuAt(1),
                 QStringList({"Duplicate \"Pasta\"", "Resume timer \"Pasta\"", "Snooze (off)"}));
        QCOMPARE(menuAt(2), QStringList({"Duplicate \"Eggs\"", "Pause timer \"Eggs\" (off)",
                                         "Snooze 2m (off)"}));

        // Only a snoozing timer that has rung offers its snooze, for its row:
        // its row was drawn finished, and its alarm has been silenced since.
        const auto rang = [&](int row) {
            alertsArray << testing::runningAlert(timersArray[row], 0);
            model->reloadRows({row});
            alertsArray.removeLast();
        };
        model->setDurationText(2, finishedText("10:00:00 AM"), 13);  // only looks finished
        QCOMPARE(menuAt(2).last(), QString("Snooze 2m (off)"));
        rang(2);
        QCOMPARE(menuAt(2),
                 QStringList({"Duplicate \"Eggs\"", "Pause timer \"Eggs\" (off)", "Snooze 2m"}));
        QSignalSpy snoozed(menu, &TimerContextMenu::snoozeRequested);
        menu->miSnooze()->trigger();
        QCOMPARE(snoozed.size(), 1);
        QCOMPARE(snoozed.first().first().toInt(), 2);
        rang(0);
        QCOMPARE(menuAt(0).last(), QString("Snooze (off)"));  // Tea does not snooze
    }
    // Start or stop, edit and delete are the window's own commands, enabled as
    // in its menus; start or stop follows the timer's state, not its row.
    void windowCommandsForTheClickedTimer() {
        testing::TestHome home;
        testing::resetGlobals();
        testing::StoreFixture store(home.storePath());
        PreferenceStore prefs(home.prefsPath());
        prefs.setValue(PrefKeys::havePrefs, 100);
        prefs.setValue(PrefKeys::sort, sortNone);
        for (const char* name : {"Tea", "Pasta"}) store.addTimer(name, 60);
        MainWindow window(prefs);
        ViewController* vc = window.viewController();
        vc->reloadTable();
        auto* menu = window.findChild<TimerContextMenu*>();
        QVERIFY(menu);
        const auto action = [&](const char* name) { return window.findChild<QAction*>(name); };
        const auto menuAt = [&](int row) {
            QWidget* viewport = vc->myTable()->viewport();
            const QPoint pos =
                row >= 0 ? vc->myTable()->visualRect(vc->tableModel()->index(row, 0)).center()
                         : QPoint(10, viewport->height() - 5);
            QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
            QCoreApplication::sendEvent(viewport, &event);
            QStringList items;
            for (QAction* item : menu->actions())
                if (!item->isSeparator())
                    items << item->text() + (item->isEnabled() ? "" : " (off)");
            menu->hide();
            return items;
        };
        window.show();
        QCOMPARE(menuAt(1),
                 QStringList({"&Start timer \"Pasta\"", "Pause timer (off)", "Snooze (off)",
                              "&Edit Timer...", "Duplicate \"Pasta\"", "De&lete..."}));
        for (const char* name : {"miStartStop", "miEditTimer", "miDeleteTimers"})
            QVERIFY2(menu->actions().contains(action(name)), name);  // the same, not a copy
        QCOMPARE(action("miStartStop")->text(), "&Start or Stop");   // the menu bar's own name
        action("miStartStop")->trigger();  // as a double-click: Pasta runs
        QCOMPARE(alertsArray.size(), 1);
        QCOMPARE(menuAt(1).mid(0, 2),
                 QStringList({"&Stop timer \"Pasta\"", "Pause timer \"Pasta\""}));
        // A finish text written into the row does not make it a stopped timer.
        vc->tableModel()->setDurationText(1, finishedText("10:00:00 AM"), 13);
        QCOMPARE(menuAt(1).first(), "&Stop timer \"Pasta\"");
        QCOMPARE(menuAt(0).first(), "&Start timer \"Tea\"");
        vc->myTable()->clearSelection();
        QCOMPARE(menuAt(-1), QStringList({"&Start or Stop (off)", "Pause timer \"Tea\" (off)",
                                          "Snooze (off)", "&Edit Timer... (off)",
                                          "Duplicate \"Tea\" (off)", "De&lete... (off)"}));
        menuAt(1);
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(1);
        action("miDeleteTimers")->trigger();
        QTRY_COMPARE(MessageBox::shownAlerts().size(), 1);
        QCOMPARE(MessageBox::lastAlert()->message, "Delete “Pasta”?");
        MessageBox::clearLastAlert();
        vc->resetAlerts();
    }
    void quickHelpExplainsTheList() {
        QuickHelp help;
        help.show();
        MessageBox::setNextAnswer(0);
        QTest::mouseClick(&help, Qt::LeftButton);
        QCOMPARE(MessageBox::shownAlerts().size(), 1);
    }
};

QTEST_MAIN(TestContextMenu)
#include "tst_contextmenu.moc"
