// The main window with its sheets: the menu commands open them, the editor
// stops a running timer first, saved timers appear, start and get selected.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "editing/AddMultipleController.h"
#include "editing/EditController.h"
#include "editing/Sheets.h"
#include "engine/RunningTimers.h"
#include "engine/TimerEngine.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "mainwindow/ViewController.h"
#include "model/Globals.h"
#include "model/Preferences.h"
#include "model/TimerModel.h"
#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestWindowSheets : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<PreferenceStore> prefs;
    std::unique_ptr<MainWindow> window;

    ViewController* vc() const { return window->viewController(); }
    QAction* menu(const char* name) const { return window->findChild<QAction*>(name); }
    QDialog* sheet() const { return vc()->sheets()->openSheet(); }
    int rowOf(const QString& desc) const {
        for (int r = 0; r < timersArray.size(); ++r)
            if (timerDesc(timersArray[r]) == desc) return r;
        return -1;
    }
    void closeSheet() {
        if (QDialog* d = sheet()) d->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        prefs = std::make_unique<PreferenceStore>(home->prefsPath());
        prefs->setValue(PrefKeys::havePrefs, 100);
        prefs->setValue(PrefKeys::sort, sortNone);
        prefs->setValue(PrefKeys::newDatabase, false);
        store->addTimer("Tea", 180);
        store->addTimer("Egg", 300);
        store->addTimer("Pasta", 540);
        window = std::make_unique<MainWindow>(*prefs);
        window->show();
    }
    void cleanup() {
        closeSheet();
        window.reset();
        testing::resetGlobals();
        store.reset();
    }

    void menuCommandsOpenOneSheetAtATime() {
        menu("miNewTimer")->trigger();
        auto* editor = qobject_cast<EditController*>(sheet());
        QVERIFY(editor);
        QCOMPARE(editor->windowModality(), Qt::WindowModal);
        QCOMPARE(editor->parentWidget(), window.get());
        menu("miAddMultiple")->trigger();  // the open sheet stays the one
        QCOMPARE(sheet(), editor);
        closeSheet();
        QVERIFY(!sheet());

        menu("miAddMultiple")->trigger();
        QVERIFY(qobject_cast<AddMultipleController*>(sheet()));
        closeSheet();
        menu("miPreferences")->trigger();
        QCOMPARE(sheet()->objectName(), QStringLiteral("PrefsController"));
        closeSheet();

        // Edit needs a selected timer.
        vc()->myTable()->clearSelection();
        menu("miEditTimer")->trigger();
        QVERIFY(!sheet());
    }

    void editingARunningTimerStopsItFirst() {
        const int egg = rowOf("Egg");
        vc()->myTable()->selectRowExactly(egg);
        vc()->tableViewDoubleClick();
        QCOMPARE(alertsArray.size(), 1);
        menu("miEditTimer")->trigger();
        QVERIFY(qobject_cast<EditController*>(sheet()));
        QVERIFY(alertsArray.isEmpty());
        QCOMPARE(vc()->tableModel()->cell(egg, 1).text, QStringLiteral("5m"));
        closeSheet();  // cancelled: it stays stopped
        QVERIFY(alertsArray.isEmpty());
    }

    void aSavedTimerAppearsStartsAndIsSelected() {
        menu("miNewTimer")->trigger();
        QDialog* editor = sheet();
        editor->findChild<QLineEdit*>("edDescription")->setText("Bread");
        editor->findChild<QCheckBox*>("cbStart")->setChecked(true);
        editor->findChild<QPushButton*>("btnSave")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(timersArray.size(), 4);
        const int bread = rowOf("Bread");
        QCOMPARE(bread, 3);  // custom order: at the bottom
        QCOMPARE(alertsArray.size(), 1);
        QCOMPARE(alertsArray[0].row, qint64(bread));
        QCOMPARE(alertsArray[0].value, defDuration);
        QCOMPARE(vc()->myTable()->selectedRow(), bread);
    }

    void inASortedListTheSelectionStays() {
        prefsSort = sortDesc;
        vc()->reloadTable();
        vc()->myTable()->selectRowExactly(0);
        vc()->ncReturnedFromEdit();
        QCOMPARE(vc()->myTable()->selectedRow(), 0);
        vc()->ncReturnedFromAddMultiple();  // always goes to the last row
        QCOMPARE(vc()->myTable()->selectedRow(), 2);
    }

    void addedTimersStartWhenAsked() {
        menu("miAddMultiple")->trigger();
        auto* sheetView = qobject_cast<AddMultipleController*>(sheet());
        QVERIFY(sheetView);
        TimerRowsTable* rows = sheetView->theTable();
        rows->timeField(0)->setText("1:30");
        rows->descriptionField(0)->setText("Steep");
        rows->timeField(rows->addRow())->setText("2h");
        rows->descriptionField(1)->setText("Roast");
        sheetView->cbStart()->setChecked(true);
        sheetView->btnSave()->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(timersArray.size(), 5);
        QCOMPARE(alertsArray.size(), 2);
        QCOMPARE(alertsArray[haveAlertForRow(rowOf("Steep"))].value, 90);
        QCOMPARE(alertsArray[haveAlertForRow(rowOf("Roast"))].value, 7200);
        QCOMPARE(vc()->myTable()->selectedRow(), 4);
        QCOMPARE(vc()->lblCount()->text(), QStringLiteral("2 active timers"));
    }
};

QTEST_MAIN(TestWindowSheets)
#include "tst_windowsheets.moc"
