// The window's sheets: editing stops a running timer; saved timers start, selected.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "editing/AddMultipleController.h"
#include "editing/Sheets.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "mainwindow/ViewController.h"
#include "model/Preferences.h"
#include "model/TimerModel.h"
#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestWindowSheets : public QObject {
    Q_OBJECT
private slots:
    void sheetsStopStartAndSelectTimers() {
        testing::TestHome home;
        testing::StoreFixture store(home.storePath());
        PreferenceStore prefs(home.prefsPath());
        prefs.setValue(PrefKeys::havePrefs, 100);
        prefs.setValue(PrefKeys::sort, sortNone);
        prefs.setValue(PrefKeys::newDatabase, false);
        for (const char* name : {"Tea", "Egg", "Pasta"}) store.addTimer(name, 300);
        MainWindow window(prefs);
        window.show();
        ViewController* vc = window.viewController();
        TimerTableView* table = vc->myTable();
        const auto command = [&](const char* name) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed sheets
            window.findChild<QAction*>(name)->trigger();
            return vc->sheets()->openSheet();
        };
        // The running timers, by name and seconds left.
        const auto started = [] {
            QStringList list;
            for (const Alert& alert : std::as_const(alertsArray))
                list << timerDesc(timersArray[alert.row]) + " " + QString::number(alert.value);
            list.sort();
            return list;
        };
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint egg = table->visualRect(vc->tableModel()->index(1, 0)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, egg);  // a double-click starts it
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, egg);
        QCOMPARE(started(), QStringList{"Egg 300"});
        QDialog* editor = command("miEditTimer");
        QVERIFY(editor);
        QVERIFY(alertsArray.isEmpty());  // stopped before the editor opened
        QCOMPARE(vc->tableModel()->cell(1, 1).text, "5m");
        editor->reject();  // cancelled: it stays stopped
        QVERIFY(alertsArray.isEmpty());

        editor = command("miNewTimer");
        editor->findChild<QLineEdit*>("edDescription")->setText("Bread");
        editor->findChild<QCheckBox*>("cbStart")->setChecked(true);
        editor->findChild<QPushButton*>("btnSave")->click();
        QCOMPARE(started(), QStringList{"Bread 300"});  // the editor's default time
        QCOMPARE(table->selectedRow(), 3);              // custom order: at the bottom
        QCOMPARE(timersArray.size(), 4);

        // Sorted, an edit keeps the selected row and an addition selects the last.
        prefsSort = sortDesc;
        vc->reloadTable();  // Bread, Egg, Pasta, Tea
        table->selectRowExactly(1);
        vc->ncReturnedFromEdit();
        QCOMPARE(table->selectedRow(), 1);
        auto* adder = qobject_cast<AddMultipleController*>(command("miAddMultiple"));
        QVERIFY(adder);
        TimerRowsTable* rows = adder->theTable();
        rows->timeField(0)->setText("1:30");
        rows->descriptionField(0)->setText("Steep");
        rows->timeField(rows->addRow())->setText("2h");
        rows->descriptionField(1)->setText("Roast");
        adder->cbStart()->setChecked(true);
        adder->btnSave()->click();
        QCOMPARE(started(), QStringList({"Bread 300", "Roast 7200", "Steep 90"}));
        QCOMPARE(table->selectedRow(), 5);
        QCOMPARE(vc->lblCount()->text(), "3 active timers");
    }

    void ctrlQQuitsOnceFromTheWindowAndFromASheet() {
        testing::TestHome home;
        testing::StoreFixture store(home.storePath());
        PreferenceStore prefs(home.prefsPath());
        prefs.setValue(PrefKeys::havePrefs, 100);
        prefs.setValue(PrefKeys::newDatabase, false);
        MainWindow window(prefs);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy quits(&window, &MainWindow::quitRequested);
        QTest::keyClick(window.viewController()->myTable(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quits.count(), 1);  // the menu's shortcut, and only it

        // The sheet blocks the window and with it the menu's shortcut.
        window.findChild<QAction*>("miNewTimer")->trigger();
        QDialog* editor = window.viewController()->sheets()->openSheet();
        QVERIFY(editor);
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        auto* description = editor->findChild<QLineEdit*>("edDescription");
        QTest::keyClick(description, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quits.count(), 2);
        QCOMPARE(description->text(), QString());  // the key went no further
        QTest::keyClick(description, Qt::Key_Q);   // a plain q is typed as ever
        QCOMPARE(description->text(), "q");
        QCOMPARE(quits.count(), 2);
        editor->reject();
    }
};

QTEST_MAIN(TestWindowSheets)
#include "tst_windowsheets.moc"
