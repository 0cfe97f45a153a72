// The timer list's right-click menu and the quick-help icon.
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTest>

#include "mainwindow/QuickHelp.h"
#include "mainwindow/TimerContextMenu.h"
#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "model/Globals.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "platform/MessageBox.h"
#include "platform/ResourceFolder.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
Alert entryFor(int row, bool paused) {
    return testing::runningAlert(timersArray[row], 60, paused);
}
}  // namespace

class TestContextMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<TimerTableView> table;
    TimerTableModel* model = nullptr;
    TimerContextMenu* menu = nullptr;

    // A right-click as the window system delivers it; below the rows for -1.
    void rightClick(int row) {
        QWidget* viewport = table->viewport();
        const QPoint pos = row >= 0 ? table->visualRect(model->index(row, 0)).center()
                                    : QPoint(10, viewport->height() - 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
        QApplication::sendEvent(viewport, &event);
    }

    void reload() {
        QVERIFY(populateArray(sortNone));
        model->reloadData();
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        MessageBox::clearLastAlert();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        store->addTimer("Tea", 180);
        store->addTimer("Pasta", 540);
        store->addTimer("Eggs", 90);
        table = std::make_unique<TimerTableView>();
        model = new TimerTableModel(table.get());
        table->setModel(model);
        menu = new TimerContextMenu(table.get());
        menu->install(table.get());
        reload();
        table->resize(400, 400);
        table->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.get()));
    }

    void cleanup() {
        table.reset();
        testing::resetGlobals();
        MessageBox::clearLastAlert();
        store.reset();
        home.reset();
    }

    void rightClickSelectsTheRowAndNamesItsTimer() {
        table->selectRowExactly(0);
        rightClick(2);
        QVERIFY(menu->isVisible());
        QCOMPARE(table->selectedRow(), 2);
        QCOMPARE(table->selectedRows(), QList<int>({2}));
        QCOMPARE(menu->miDuplicate()->text(), QString("Duplicate \"Eggs\""));
        QVERIFY(menu->miDuplicate()->isEnabled());
        // Nothing runs: the pause item is off and keeps its plain title.
        QVERIFY(!menu->miPause()->isEnabled());
        QCOMPARE(menu->miPause()->text(), QString("Pause timer"));

        QSignalSpy duplicate(menu, &TimerContextMenu::duplicateRequested);
        menu->miDuplicate()->trigger();
        QCOMPARE(duplicate.size(), 1);
        QCOMPARE(duplicate.first().first().toInt(), 2);
    }

    void pauseItemFollowsTheClickedTimer() {
        alertsArray << entryFor(0, false);  // Tea counts down
        QSignalSpy pause(menu, &TimerContextMenu::pauseRequested);

        rightClick(0);
        QCOMPARE(menu->miPause()->text(), QString("Pause timer \"Tea\""));
        QVERIFY(menu->miPause()->isEnabled());
        menu->miPause()->trigger();
        QCOMPARE(pause.size(), 1);
        QCOMPARE(pause.first().first().toInt(), 0);

        // Another timer runs, not this one.
        rightClick(1);
        QCOMPARE(menu->miPause()->text(), QString("Pause timer \"Pasta\""));
        QVERIFY(!menu->miPause()->isEnabled());

        // A paused timer can be resumed from the menu.
        alertsArray << entryFor(1, true);
        rightClick(1);
        QCOMPARE(menu->miPause()->text(), QString("Resume timer \"Pasta\""));
        QVERIFY(menu->miPause()->isEnabled());
        QCOMPARE(menu->miDuplicate()->text(), QString("Duplicate \"Pasta\""));

        // Finished: its entry is gone, so there is nothing to pause.
        alertsArray.removeLast();
        model->setCellText(1, 1, "Finished 10:00:00", tSize);
        rightClick(1);
        QCOMPARE(menu->miPause()->text(), QString("Pause timer \"Pasta\""));
        QVERIFY(!menu->miPause()->isEnabled());
    }

    void clickBelowTheRows() {
        table->selectRowExactly(1);
        rightClick(-1);
        QCOMPARE(table->selectedRow(), 1);
        QCOMPARE(menu->miDuplicate()->text(), QString("Duplicate \"Pasta\""));
        QVERIFY(menu->miDuplicate()->isEnabled());

        // With nothing selected nothing can be done, whatever the last
        // opening enabled.
        alertsArray << entryFor(0, false);
        rightClick(0);
        QVERIFY(menu->miPause()->isEnabled());
        menu->hide();
        table->clearSelection();
        rightClick(-1);
        QCOMPARE(table->selectedRow(), -1);
        QVERIFY(!menu->miDuplicate()->isEnabled());
        QVERIFY(!menu->miPause()->isEnabled());

        // An empty list: the click selects nothing.
        timersArray.clear();
        model->reloadData();
        rightClick(-1);
        QVERIFY(!menu->miDuplicate()->isEnabled());
    }

    void descriptionsAreShownAsTheyAre() {
        store->addTimer("Say \"cheese\" & smile", 5);
        reload();
        rightClick(3);
        // The quote stays unescaped; the ampersand is not an accelerator.
        QCOMPARE(menu->miDuplicate()->iconText(), QString("Duplicate \"Say \"cheese\" & smile\""));
    }

    void quickHelpExplainsTheList() {
        QuickHelp help;
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QTRY_VERIFY(!help.pixmap().isNull());  // read at the first paint
        QVERIFY(!namedImage("help80").isNull());
        QCOMPARE(help.cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseClick(&help, Qt::RightButton);
        QVERIFY(MessageBox::shownAlerts().isEmpty());

        MessageBox::setNextAnswer(0);
        QTest::mouseClick(&help, Qt::LeftButton);
        QCOMPARE(MessageBox::shownAlerts().size(), 1);
        const AlertSpec alert = *MessageBox::lastAlert();
        QCOMPARE(alert.windowTitle, QString("Dunok Quick Help"));
        QCOMPARE(alert.iconImage, QString("help80"));
        QCOMPARE(alert.buttons, QStringList({"OK"}));
        QCOMPARE(alert.message.split('\n'),
                 QStringList({"Double-click a timer to start or stop it.",
                              "Right-click a timer to duplicate it, pause or resume it.",
                              "You can resume a paused timer by double-clicking it."}));
        QCOMPARE(alert.informativeText,
                 QString("For comprehensive help, select 'Dunok Help' from the 'Help' menu."));

        // Keyboard users get the same.
        MessageBox::setNextAnswer(0);
        QTest::keyClick(&help, Qt::Key_Space);
        QCOMPARE(MessageBox::shownAlerts().size(), 2);
    }
};

QTEST_MAIN(TestContextMenu)
#include "tst_contextmenu.moc"
