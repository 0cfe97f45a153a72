// The toolbar and the status line as the list and the timers change: which
// commands can be used when, what each button does, what the line says.
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "editing/Sheets.h"
#include "engine/Alarm.h"
#include "engine/TimerEngine.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/TimerTableView.h"
#include "mainwindow/TimerToolbar.h"
#include "mainwindow/ViewController.h"
#include "model/Globals.h"
#include "model/Preferences.h"
#include "model/TimerModel.h"
#include "platform/PreferenceStore.h"
#include "platform/ResourceFolder.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;
using namespace dunok::ToolbarIds;

class TestToolbar : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<PreferenceStore> prefs;
    std::unique_ptr<MainWindow> window;

    ViewController* vc() const { return window->viewController(); }
    TimerToolbar* bar() const { return vc()->toolbar(); }
    // The items that can be clicked now, in toolbar order.
    QStringList enabled() const {
        QStringList ids;
        for (const ToolbarItem& item : toolbarItems())
            if (QToolButton* b = bar()->button(item.identifier); b && b->isEnabled())
                ids << item.identifier;
        return ids;
    }
    QString status() const { return vc()->lblCount()->text(); }
    void open(bool withTimers) {
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        prefs = std::make_unique<PreferenceStore>(home->prefsPath());
        prefs->setValue(PrefKeys::havePrefs, 100);
        prefs->setValue(PrefKeys::newDatabase, false);  // no defaults for an empty list
        if (withTimers) {
            store->addTimer("Tea", 1);
            store->addTimer("Egg", 300);
        }
        window = std::make_unique<MainWindow>(*prefs);
        window->show();
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
    }
    void cleanup() {
        window.reset();
        testing::resetGlobals();
        store.reset();
    }

    void itemsInOrderWithTheirTexts() {
        open(false);
        QStringList ids, labels;
        for (QToolButton* b : bar()->findChildren<QToolButton*>()) {
            if (b->objectName().startsWith("qt_")) continue;  // the toolbar's own overflow button
            ids << b->objectName();
            labels << b->text();
        }
        QCOMPARE(ids, QStringList({tbAddToolbarItem, tbAddMultipleToolbarItem, tbEditToolbarItem,
                                   tbDeleteToolbarItem, tbSortToolbarItem, tbResetToolbarItem,
                                   tbSilcenceToolbarItem, tbPreferencesToolbarItem}));
        QCOMPARE(labels.first(), QStringLiteral("Add"));
        QCOMPARE(bar()->button(tbAddMultipleToolbarItem)->accessibleName(),
                 QStringLiteral("Add multiple"));
        QCOMPARE(bar()->button(tbSilcenceToolbarItem)->toolTip(),
                 QStringLiteral("Silence any active alarms"));
        QCOMPARE(bar()->button(tbEditToolbarItem)->toolTip(), QString());
        QVERIFY(!bar()->button(tbAddToolbarItem)->icon().isNull());
        QVERIFY(!bar()->isMovable());
    }

    void enablingFollowsTheListTheSelectionAndTheTimers() {
        open(false);
        QCOMPARE(enabled(), QStringList({tbAddToolbarItem, tbAddMultipleToolbarItem,
                                         tbPreferencesToolbarItem}));
        QCOMPARE(status(), QStringLiteral("0 active timers"));
        window.reset();
        store.reset();

        open(true);
        QVERIFY(!enabled().contains(tbEditToolbarItem));
        QVERIFY(enabled().contains(tbSortToolbarItem));
        vc()->myTable()->selectRowExactly(1);
        QVERIFY(enabled().contains(tbEditToolbarItem));
        QVERIFY(enabled().contains(tbDeleteToolbarItem));
        vc()->myTable()->clearSelection();
        QVERIFY(!enabled().contains(tbDeleteToolbarItem));

        vc()->myTable()->selectRowExactly(1);  // Egg
        vc()->tableViewDoubleClick();
        QVERIFY(enabled().contains(tbResetToolbarItem));
        QCOMPARE(status(), QStringLiteral("1 active timer"));
        vc()->miPauseClicked();
        QCOMPARE(status(), QStringLiteral("0 active timers (1 paused)"));

        // A ringing alarm: Silence can be used, and using it greys it out.
        vc()->myTable()->selectRowExactly(0);  // Tea, one second
        vc()->tableViewDoubleClick();
        vc()->engine()->handleAlert(timerId(timersArray[0]));
        QVERIFY(isAlarmPlaying());
        QVERIFY(enabled().contains(tbSilcenceToolbarItem));
        bar()->button(tbSilcenceToolbarItem)->click();
        QTRY_VERIFY(!isAlarmPlaying());
        QVERIFY(!enabled().contains(tbSilcenceToolbarItem));

        bar()->button(tbResetToolbarItem)->click();
        QTRY_COMPARE(status(), QStringLiteral("0 active timers"));
        QVERIFY(!enabled().contains(tbResetToolbarItem));
    }

    void buttonsRunTheirCommandsAfterTheClick() {
        open(true);
        bar()->button(tbAddToolbarItem)->click();
        QVERIFY(!vc()->sheets()->openSheet());  // not inside the click
        QTRY_VERIFY(vc()->sheets()->openSheet());
        QCOMPARE(vc()->sheets()->openSheet()->objectName(), QStringLiteral("EditController"));
        vc()->sheets()->openSheet()->reject();

        testing::MessageLog log;
        vc()->btnClick(QStringLiteral("NoSuchItem"));
        QVERIFY(log.contains(QStringLiteral("NoSuchItem")));
    }

    void sortCyclesAndRelabelsItself() {
        open(true);
        QToolButton* sort = bar()->button(tbSortToolbarItem);
        QStringList labels{sort->text()};
        QStringList firsts;
        for (int i = 0; i < 3; ++i) {
            const int before = prefsSort;
            sort->click();
            QTRY_VERIFY(prefsSort != before);
            labels << sort->text();
            firsts << timerDesc(timersArray[0]);
        }
        QCOMPARE(labels, QStringList({"Custom", "Time", "Name", "Custom"}));
        QCOMPARE(firsts, QStringList({"Tea", "Egg", "Tea"}));  // by time, by name, as stored
        QCOMPARE(PreferenceStore(home->prefsPath()).integer(PrefKeys::sort), sortNone);
    }

    void iconsStayVisibleOnADarkWindow() {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        const QIcon prefs = namedImage(QStringLiteral("img_prefs"));
        QCOMPARE(iconForPalette(prefs, QPalette(Qt::white)).cacheKey(), prefs.cacheKey());
        // Count the dark line pixels before and after.
        const auto darkInk = [](const QImage& image) {
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.alpha() > 128 && c.valueF() < 0.4) ++n;
                }
            return n;
        };
        const QImage before = prefs.pixmap(40, 40).toImage();
        const QImage after = iconForPalette(prefs, dark).pixmap(40, 40).toImage();
        QVERIFY(darkInk(before) > 20);
        QCOMPARE(darkInk(after), 0);
        // The teal accent of the sort image keeps its colour.
        const QImage sort = iconForPalette(namedImage("img_sort1"), dark).pixmap(40, 40).toImage();
        bool teal = false;
        for (int y = 0; y < sort.height() && !teal; ++y)
            for (int x = 0; x < sort.width() && !teal; ++x)
                teal = sort.pixelColor(x, y).hsvSaturationF() > 0.6 &&
                       sort.pixelColor(x, y).alpha() > 200;
        QVERIFY(teal);
    }

    void statusLineGroupsItsNumbers() {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(statusLineText(1500, 0, english), QStringLiteral("1,500 active timers"));
        QCOMPARE(statusLineText(1501, 1, english),
                 QStringLiteral("1,500 active timers (1 paused)"));
        QCOMPARE(statusLineText(2, 2, english), QStringLiteral("0 active timers (2 paused)"));
        QCOMPARE(statusLineText(3, 1, english), QStringLiteral("2 active timers (1 paused)"));
    }
};

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
