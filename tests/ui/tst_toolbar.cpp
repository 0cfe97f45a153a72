// The toolbar, the status line and the window's sheets and alerts: which
// commands can be used when and what they do; a timer runs on while it is
// edited until Save, saved timers start, selected; preferences that could not
// be read are told.
#include <QtTest>
#include <QtWidgets>

#include "desktop/NamedImage.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/RunningTimers.h"
#include "domain/TickScheduler.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "support/TestEnvironment.h"
#include "ui/AddMultipleController.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"
#include "ui/Sheets.h"
#include "ui/StatusLine.h"
#include "ui/TimerTableModel.h"
#include "ui/TimerTableView.h"
#include "ui/TimerToolbar.h"
#include "ui/ViewController.h"

using namespace dunok;
using namespace dunok::ToolbarIds;

namespace {
// A returning user's window over the given timers (seconds each), shown.
struct Window : testing::ReturningUser {
    std::unique_ptr<MainWindow> window;
    ViewController* vc = nullptr;
    explicit Window(const QList<std::pair<const char*, int>>& timers = {}) {
        for (const auto& [name, seconds] : timers) store.addTimer(name, seconds);
        window = std::make_unique<MainWindow>(prefs, player, store.store());
        vc = window->viewController();
        window->show();
    }
    bool active() {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    // Runs the menu command of that name: the sheet it opened, if any.
    QDialog* command(const char* name) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed sheets
        window->findChild<QAction*>(name)->trigger();
        return vc->sheets()->openSheet();
    }
};
}  // namespace

class TestToolbar : public QObject {
    Q_OBJECT
private slots:
    void itemsFollowTheListTheSelectionAndTheTimers() {
        Window w;
        ViewController* vc = w.vc;
        const auto button = [&](const QString& id) { return vc->toolbar()->button(id); };
        // The items that can be clicked now, in toolbar order, named short.
        const auto enabled = [&] {
            QStringList names;
            for (const ToolbarItem& item : toolbarItems())
                if (QToolButton* b = button(item.identifier); b && b->isEnabled())
                    names << QString(item.identifier).remove("ToolbarItem").remove("tb");
            return names.join(' ');
        };
        QCOMPARE(enabled(), "Add AddMultiple Preferences");
        w.store.addTimer("Tea", 1);
        w.store.addTimer("Egg", 300);
        vc->reloadTable();
        QCOMPARE(enabled(), "Add AddMultiple Sort Preferences");
        vc->myTable()->selectRowExactly(0);  // Tea, one second
        vc->tableViewDoubleClick();
        QCOMPARE(enabled(), "Add AddMultiple Edit Delete Sort Reset Preferences");
        vc->engine()->tick(timerId(vc->timers().at(0)));  // it rings, and is done
        QCOMPARE(enabled(), "Add AddMultiple Edit Delete Sort Silcence Preferences");
        button(tbSilcenceToolbarItem)->click();
        QTRY_COMPARE(enabled(), "Add AddMultiple Edit Delete Sort Preferences");
        QToolButton* sort = button(tbSortToolbarItem);
        QStringList seen{sort->text()};  // each label, and the timer then listed first
        for (int i = 0; i < 3; ++i) {
            const QString before = sort->text();
            sort->click();
            QTRY_VERIFY(sort->text() != before);
            seen << sort->text() << vc->timers().at(0).desc;
        }
        QCOMPARE(seen, QStringList({"Custom", "Time", "Tea", "Name", "Egg", "Custom", "Tea"}));
        QCOMPARE(statusLineText(1501, 1, QLocale("en")), "1,500 active timers (1 paused)");
    }

    void sheetsStopStartAndSelectTimers() {
        Window w({{"Tea", 300}, {"Egg", 300}, {"Pasta", 300}});
        ViewController* vc = w.vc;
        TimerTableView* table = vc->myTable();
        // The running timers, by name and seconds left.
        const auto started = [&] {
            QStringList list;
            for (const Alert& alert : vc->engine()->alertsArray().entries())
                list << vc->timers().find(alert.id)->desc + " " + QString::number(alert.value);
            list.sort();
            return list;
        };
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        const QPoint egg = table->visualRect(vc->tableModel()->index(1, 0)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, egg);  // a double-click starts it
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, egg);
        QCOMPARE(started(), QStringList{"Egg 300"});
        vc->tableViewDoubleClick();
        QVERIFY(vc->engine()->alertsArray().isEmpty());

        QDialog* editor = w.command("miNewTimer");
        editor->findChild<QLineEdit*>("edDescription")->setText("Bread");
        editor->findChild<QCheckBox*>("cbStart")->setChecked(true);
        editor->findChild<QPushButton*>("btnSave")->click();
        QCOMPARE(started(), QStringList{"Bread 300"});  // the editor's default time
        QCOMPARE(table->selectedRow(), 3);              // custom order: at the bottom

        // Sorted, an edit keeps the selected row and an addition selects the last.
        testing::changeSettings(w.prefs, [](Settings& s) { s.sort = sortDesc; });
        vc->reloadTable();  // Bread, Egg, Pasta, Tea
        table->selectRowExactly(1);
        vc->ncReturnedFromEdit();
        QCOMPARE(table->selectedRow(), 1);
        auto* adder = qobject_cast<AddMultipleController*>(w.command("miAddMultiple"));
        QVERIFY(adder);
        adder->theTable()->timeField(0)->setText("1:30");
        adder->theTable()->descriptionField(0)->setText("Steep");
        adder->cbStart()->setChecked(true);
        adder->btnSave()->click();
        QCOMPARE(started(), QStringList({"Bread 300", "Steep 90"}));
        QCOMPARE(table->selectedRow(), 4);
        QCOMPARE(vc->lblCount()->text(), "2 active timers");
    }

    // Close leaves the timer as it was, counting or paused; Save stops it, or
    // silences it when it rang meanwhile, and starts it afresh if asked.
    void editingLeavesTheTimerAloneUntilSaved() {
        Window w({{"Tea", 1}, {"Egg", 300}});
        ViewController* vc = w.vc;
        const auto edit = [&](int row) {
            vc->myTable()->selectRowExactly(row);
            return w.command("miEditTimer");
        };
        const auto save = [](QDialog* editor, bool start) {
            editor->findChild<QCheckBox*>("cbStart")->setChecked(start);
            editor->findChild<QPushButton*>("btnSave")->click();
        };
        const QString tea = timerId(vc->timers().at(0)), egg = timerId(vc->timers().at(1));
        const auto eggState = [&] {
            const Alert* alert = vc->engine()->alertsArray().find(egg);
            if (!alert) return QString("stopped");
            return QString::number(alert->value) + (alert->isPaused ? " paused" : "");
        };
        vc->myTable()->selectRowExactly(1);
        vc->tableViewDoubleClick();
        QDialog* editor = edit(1);
        QVERIFY(editor);
        vc->engine()->tick(egg);  // a second passes with the sheet open
        QCOMPARE(vc->tableModel()->cell(1, 1).text, "4m 59s");
        QTest::keyClick(editor->findChild<QLineEdit*>("edDescription"), Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QCOMPARE(eggState(), "299");

        vc->miPauseClicked();
        edit(1)->findChild<QPushButton*>("btnClose")->click();
        QCOMPARE(eggState(), "299 paused");
        editor = edit(1);
        editor->findChild<QSlider*>("slideMins")->setValue(2);
        save(editor, true);
        QCOMPARE(eggState(), "120");  // stopped, and started with its new duration
        save(edit(1), false);
        QCOMPARE(eggState(), "stopped");

        vc->myTable()->selectRowExactly(0);
        vc->tableViewDoubleClick();
        editor = edit(0);
        vc->engine()->tick(tea);  // it finishes while its editor is open
        QVERIFY(vc->engine()->isRinging());
        QVERIFY(vc->tableModel()->cell(0, 1).text.startsWith("Finished"));
        save(editor, false);
        QVERIFY(!vc->engine()->isRinging());
        QCOMPARE(vc->tableModel()->cell(0, 1).text, "1s");
        QVERIFY(!vc->engine()->alertsArray().contains(tea));
    }

    // The sheet blocks the window and with it the menu's shortcut; the sheet's
    // own must quit exactly once and leave a plain q to the field. Return and
    // Space belong to the list, but a focused button takes Space as its click.
    void keysGoWhereTheFocusIs() {
        Window w({{"Tea", 60}});
        ViewController* vc = w.vc;
        QVERIFY(w.active());
        QSignalSpy quits(w.window.get(), &MainWindow::quitRequested);
        QDialog* editor = w.command("miNewTimer");
        QVERIFY(editor && QTest::qWaitForWindowExposed(editor));
        auto* description = editor->findChild<QLineEdit*>("edDescription");
        QTest::keyClick(description, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quits.count(), 1);
        QCOMPARE(description->text(), QString());  // the key went no further
        QTest::keyClick(description, Qt::Key_Q);
        QCOMPARE(description->text(), "q");
        QCOMPARE(quits.count(), 1);
        editor->reject();

        QVERIFY(w.active());
        vc->myTable()->selectRowExactly(0);
        vc->myTable()->setFocus();
        QTest::keyClick(vc->myTable(), Qt::Key_Return);  // starts the selected timer
        QCOMPARE(vc->engine()->alertsArray().getNumAlerts(), 1);
        QToolButton* sort = vc->toolbar()->button(tbSortToolbarItem);
        const QString label = sort->text();
        sort->setFocus();
        QTest::keyClick(sort, Qt::Key_Space);
        QTRY_VERIFY(sort->text() != label);
        QVERIFY(!vc->engine()->alertsArray().at(0).isPaused);
        vc->myTable()->setFocus();
        QTest::keyClick(vc->myTable(), Qt::Key_Space);  // in the list it pauses
        QVERIFY(vc->engine()->alertsArray().at(0).isPaused);
        vc->resetAlerts();
    }

    // The question names the one timer or counts several; Cancel keeps them
    // all. A deleted timer that ran ticks no more; the others count on.
    void deleteNamesTheTimerOrCountsThemAndCancelKeepsAll() {
        Window w({{"Tea", 300}, {"Egg", 300}, {"Pasta", 300}});
        ViewController* vc = w.vc;
        MessageBox::clearLastAlert();
        const auto ask = [&](const QList<int>& rows, int answer) {
            vc->myTable()->clearSelection();
            for (int row : rows)
                vc->myTable()->selectionModel()->select(
                    vc->tableModel()->index(row, 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
            MessageBox::setNextAnswer(answer);
            vc->deleteTimers();
            const QList<AlertSpec> alerts = MessageBox::shownAlerts();
            MessageBox::clearLastAlert();
            QCoreApplication::processEvents();  // the answer arrives
            QStringList texts;
            for (const AlertSpec& alert : alerts)
                texts << alert.windowTitle << alert.message << alert.buttons.join('|');
            return texts;
        };
        QCOMPARE(ask({0, 2}, 1), (QStringList{"Dunok", "Delete 2 timers?", "Delete|Cancel"}));
        QCOMPARE(testing::descriptions(vc->timers().timers()),
                 (QStringList{"Tea", "Egg", "Pasta"}));
        TimerEngine& engine = *vc->engine();
        const QString egg = timerId(vc->timers().at(1)), pasta = timerId(vc->timers().at(2));
        QVERIFY(engine.startTimer(egg) && engine.startTimer(pasta));
        QCOMPARE(ask({1}, 0), (QStringList{"Dunok", "Delete “Egg”?", "Delete|Cancel"}));
        QTRY_COMPARE(testing::descriptions(vc->timers().timers()), (QStringList{"Tea", "Pasta"}));
        QCOMPARE(engine.alertsArray().getNumAlerts(), 1);
        QCOMPARE(vc->lblCount()->text(), QString("1 active timer"));
        engine.tick(pasta);  // found in its new row
        QCOMPARE(vc->tableModel()->cell(1, 1).text, QString("4m 59s"));
        engine.stopAll();
        QVERIFY(!engine.scheduler().isArmed());
    }

    // Told once the window is up, in one alert for every key, and not again.
    void unreadablePreferencesAreToldOnceTheWindowIsUp() {
        testing::ReturningUser user;
        user.file.setValue(PrefKeys::volume, "loud");
        user.file.setValue(PrefKeys::countdownDigits, "maybe");
        MessageBox::clearLastAlert();
        for (const bool nextStart : {false, true}) {
            PreferenceStore file(user.home.prefsPath());
            Preferences prefs(&file);
            MainWindow window(nextStart ? prefs : user.prefs, user.player, user.store.store());
            QSignalSpy painted(&window, &MainWindow::firstPainted);
            QCoreApplication::processEvents();
            QVERIFY(MessageBox::shownAlerts().isEmpty());  // nothing to carry it yet
            MessageBox::setNextAnswer(0);
            window.show();
            QTRY_COMPARE(painted.size(), 1);
            QTRY_COMPARE(MessageBox::shownAlerts().size(), nextStart ? 0 : 1);
            if (nextStart) break;
            const AlertSpec alert = *MessageBox::lastAlert();
            QCOMPARE(alert.message, "Some preferences could not be read.");
            QCOMPARE(alert.informativeText, "These settings in " + user.home.prefsPath() +
                                                " were set back to their defaults:\n"
                                                "prefsCountdownDigits = maybe\nprefsVolume = loud");
            MessageBox::clearLastAlert();
        }
    }

    void imagesComeAtTheSizeDrawnAndStayVisibleOnADarkWindow() {
        const QIcon icon = namedImage("img_add");
        // Scaled down to what is asked for, never up.
        for (const auto& [asked, got] : {std::pair{32, 32}, {200, 80}})
            QCOMPARE(icon.pixmap(asked, asked).size(), QSize(got, got));
        QVERIFY(namedImage("no-such-image").isNull());

        // On a high-density screen the larger image is drawn, not the small one enlarged.
        QImage sharp(64, 64, QImage::Format_ARGB32_Premultiplied);
        sharp.setDevicePixelRatio(2);
        sharp.fill(Qt::transparent);
        QPainter painter(&sharp);
        icon.paint(&painter, QRect(0, 0, 32, 32));
        painter.end();
        sharp.setDevicePixelRatio(1);
        QCOMPARE(sharp, QPixmap(":/images/img_add-80.png")
                            .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied));
        QVERIFY(icon.pixmap(40, 40, QIcon::Disabled).toImage() != icon.pixmap(40, 40).toImage());

        // Pixels of dark line, or of strong colour, in the icon at toolbar size.
        const QPalette dark{QColor(40, 40, 40)};
        const auto count = [](const char* name, const QPalette& palette, bool coloured) {
            const QImage image = iconForPalette(namedImage(name), palette).pixmap(40, 40).toImage();
            int n = 0;
            for (int i = 0; i < image.width() * image.height(); ++i) {
                const QColor c = image.pixelColor(i % image.width(), i / image.width());
                n += c.alpha() > 128 && (coloured ? c.hsvSaturationF() > 0.6 : c.valueF() < 0.4);
            }
            return n;
        };
        QVERIFY(count("img_prefs", QPalette(Qt::white), false) > 20);
        QCOMPARE(count("img_prefs", dark, false), 0);
        QVERIFY(count("img_sort1", dark, true) > 0);  // the teal accent keeps its colour
    }
};

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
