// The main window: its commands wherever offered, its sheets and its keys.
#include <QtTest>
#include <QtWidgets>

#include "domain/CountdownText.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "support/TestEnvironment.h"
#include "ui/AddMultipleController.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"
#include "ui/QuickHelp.h"
#include "ui/Sheets.h"
#include "ui/StatusLine.h"
#include "ui/TimerActions.h"
#include "ui/TimerContextMenu.h"
#include "ui/TimerTableModel.h"
#include "ui/TimerTableView.h"
#include "ui/TimerToolbar.h"
#include "ui/ViewController.h"

using namespace dunok;
using namespace dunok::ToolbarIds;

namespace {
using Row = std::pair<const char*, int>;
const QList<Row> kitchen = {{"Tea", 60}, {"Pasta", 540}, {"Eggs", 1}};  // Eggs snoozes 2m

// A returning user's window over the given timers, shown.
struct Window : testing::ReturningUser {
    std::unique_ptr<MainWindow> window;
    ViewController* vc = nullptr;
    explicit Window(const QList<Row>& rows = {}) {
        for (const auto& [name, seconds] : rows) {
            Timer timer = store.addTimer(name, seconds);
            timer.snoozeOn = timer.desc == "Eggs";
            timer.snooze = 120;
            if (timer.snoozeOn) store.store().update(timer, nullptr);
        }
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
    QMap<QString, QAction*> menuBarItems() const {
        QMap<QString, QAction*> items;
        for (QAction* top : window->menuBar()->actions())
            for (QAction* item : top->menu()->actions())
                if (!item->isSeparator()) items.insert(item->objectName(), item);
        return items;
    }
    TimerContextMenu* menu() const { return window->findChild<TimerContextMenu*>(); }
    // Right-clicks row (-1: below the rows); texts as the open menu showed them, "(off)" disabled.
    QList<QAction*> contextItems(int row, QStringList* texts = nullptr) const {
        TimerTableView* table = vc->myTable();
        QWidget* viewport = table->viewport();
        const QPoint pos = row >= 0 ? table->visualRect(vc->tableModel()->index(row, 0)).center()
                                    : QPoint(10, viewport->height() - 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
        QCoreApplication::sendEvent(viewport, &event);
        QList<QAction*> items;
        for (QAction* item : menu()->actions())
            if (!item->isSeparator()) {
                items << item;
                if (texts) *texts << item->text() + (item->isEnabled() ? "" : " (off)");
            }
        menu()->hide();
        return items;
    }
    QStringList contextTexts(int row) const {
        QStringList texts;
        return contextItems(row, &texts), texts;
    }
    // The running timers, by name and seconds left.
    QStringList started() const {
        QStringList list;
        for (const Alert& alert : vc->engine()->alertsArray().entries())
            list << vc->timers().find(alert.id)->desc + " " + QString::number(alert.value) +
                        (alert.isPaused ? " paused" : "");
        list.sort();
        return list;
    }
};
}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void everyCommandIsOneActionWhereverItIsOffered() {
        Window w(kitchen);
        const auto& owned = w.vc->actions()->all();
        const QSet<QAction*> ownedSet(owned.begin(), owned.end());
        QCOMPARE(ownedSet.size(), commandCount);
        // An action offered that the commands do not own would be a command's second one.
        QMap<QAction*, QStringList> places;
        for (QAction* item : w.menuBarItems()) places[item] << "menu";
        for (const ToolbarItem& entry : toolbarItems()) {
            QToolButton* button = w.vc->toolbar()->button(entry.identifier);
            QCOMPARE(bool(button), bool(entry.command));
            if (!button) continue;
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
        QVERIFY(!Window().vc->toolbar()->button(tbSortToolbarItem)->isEnabled());
        Window w(kitchen);
        const auto button = [&](const QString& id) { return w.vc->toolbar()->button(id); };
        // The commands on the selected timer that each place offers for use.
        const auto usable = [&](int rightClicked) {
            QStringList menuBar, toolbar, context;
            // The right-click first: it selects the row for all three.
            for (QAction* item : w.contextItems(rightClicked))
                if (item->isEnabled()) context << item->objectName();
            const auto items = w.menuBarItems();
            for (const char* name : {"miStartStop", "miPause", "miEditTimer", "miDuplicate",
                                     "miDeleteTimers", "miReset"})
                if (items.value(name)->isEnabled()) menuBar << name;
            for (const QString& id :
                 {tbEditToolbarItem, tbDeleteToolbarItem, tbSortToolbarItem, tbResetToolbarItem})
                if (button(id)->isEnabled()) toolbar << QString(id).remove("ToolbarItem");
            return QStringList{menuBar.join(' '), toolbar.join(' '), context.join(' ')};
        };
        QCOMPARE(usable(-1), QStringList({"", "Sort", ""}));
        const QString idle = "miStartStop miEditTimer miDuplicate miDeleteTimers";
        QCOMPARE(usable(1), QStringList({idle, "Edit Delete Sort", idle}));
        w.vc->tableViewDoubleClick();  // Pasta runs
        const QString all = "miStartStop miPause miEditTimer miDuplicate miDeleteTimers";
        const QStringList running = {
            all + " miReset", "Edit Delete Sort Reset",
            QString(all).replace("miPause", "miPause miAddMinute miAddFiveMinutes")};
        QCOMPARE(usable(1), running);
        QCOMPARE(usable(0)[0], idle + " miReset");  // another timer has nothing to pause
        w.vc->myTable()->clearSelection();
        QCOMPARE(usable(-1), QStringList({"miReset", "Sort Reset", ""}));
        // A paused timer can be resumed from both menus.
        w.vc->myTable()->selectRowExactly(1);
        w.vc->miPauseClicked();
        QCOMPARE(usable(1), running);
        w.vc->resetAlerts();
        QCOMPARE(usable(1)[1], "Edit Delete Sort");
        QToolButton* sort = button(tbSortToolbarItem);  // each label, and the first timer
        QStringList seen{sort->text()};
        for (int i = 0; i < 3; ++i) {
            sort->click();
            QTRY_VERIFY(sort->text() != seen.last().section(' ', 0, 0));
            seen << sort->text() + ' ' + w.vc->timers().at(0).desc;
        }
        QCOMPARE(seen, QStringList({"Custom", "Time Eggs", "Name Eggs", "Custom Tea"}));
    }

    // Named for the clicked timer; start or stop follows its state, not its row's text.
    void windowCommandsForTheClickedTimer() {
        Window w(kitchen);
        QCOMPARE(w.contextTexts(1),
                 QStringList({"&Start timer \"Pasta\"", "Pause timer (off)", "Snooze (off)",
                              "Add 1 Minute (off)", "Add 5 Minutes (off)", "&Edit Timer...",
                              "Duplicate \"Pasta\"", "De&lete..."}));
        w.menuBarItems().value("miStartStop")->trigger();  // as a double-click: Pasta runs
        w.contextItems(1)[4]->trigger();                   // Add 5 Minutes
        QCOMPARE(w.vc->engine()->secondsLeft(timerId(w.vc->timers().at(1))), 540 + 300);
        QCOMPARE(w.contextTexts(1).mid(0, 2),
                 QStringList({"&Stop timer \"Pasta\"", "Pause timer \"Pasta\""}));
        // A finish text written into the row does not make it a stopped timer.
        w.vc->tableModel()->setDurationText(1, finishedText("10:00:00 AM"), 13);
        QCOMPARE(w.contextTexts(1).first(), "&Stop timer \"Pasta\"");
        w.vc->miPauseClicked();
        QCOMPARE(w.contextTexts(1)[1], "Resume timer \"Pasta\"");
        QCOMPARE(w.contextTexts(0).first(), "&Start timer \"Tea\"");
        w.vc->myTable()->clearSelection();
        QCOMPARE(w.contextTexts(-1),
                 QStringList({"&Start or Stop (off)", "Pause timer \"Tea\" (off)", "Snooze (off)",
                              "Add 1 Minute (off)", "Add 5 Minutes (off)", "&Edit Timer... (off)",
                              "Duplicate \"Tea\" (off)", "De&lete... (off)"}));
        // Snooze is for a snoozing timer that rang and was silenced, not one that reads finished.
        w.vc->resetAlerts();
        w.vc->tableModel()->setDurationText(2, finishedText("10:00:00 AM"), 13);
        QCOMPARE(w.contextTexts(2)[2], "Snooze 2m (off)");
        w.vc->tableViewDoubleClick();
        QToolButton* silence = w.vc->toolbar()->button(tbSilcenceToolbarItem);
        QVERIFY(!silence->isEnabled());
        w.vc->engine()->tick(timerId(w.vc->timers().at(2)));
        QVERIFY(w.vc->engine()->isRinging() && silence->isEnabled());
        silence->click();
        QTRY_COMPARE(w.contextTexts(2)[2], "Snooze 2m");
        QTRY_VERIFY(!silence->isEnabled());
        w.contextItems(2);
        w.menu()->miSnooze()->trigger();
        QCOMPARE(w.started(), QStringList{"Eggs 120"});
    }

    // New timers start if asked and are selected; a refused or failed save loses nothing typed.
    void sheetsStartAndSelectTimers() {
        Window w({{"Tea", 300}, {"Egg", 300}, {"Pasta", 300}});
        ViewController* vc = w.vc;
        TimerTableView* table = vc->myTable();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        const QPoint egg = table->visualRect(vc->tableModel()->index(1, 0)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, egg);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, egg);
        QCOMPARE(w.started(), QStringList{"Egg 300"});
        vc->tableViewDoubleClick();
        QDialog* editor = w.command("miNewTimer");
        editor->findChild<QLineEdit*>("edDescription")->setText("Bread");
        editor->findChild<QCheckBox*>("cbStart")->setChecked(true);
        editor->findChild<QPushButton*>("btnSave")->click();
        QCOMPARE(w.started(), QStringList{"Bread 300"});  // Egg stopped; the editor's default time
        QCOMPARE(table->selectedRow(), 3);                // custom order: at the bottom
        // Sorted, an edit keeps the selected row and an addition selects the last.
        testing::changeSettings(w.prefs, [](Settings& s) { s.sort = sortDesc; });
        vc->reloadTable();
        table->selectRowExactly(1);
        vc->ncReturnedFromEdit();
        QCOMPARE(table->selectedRow(), 1);
        auto* adder = qobject_cast<AddMultipleController*>(w.command("miAddMultiple"));
        QVERIFY(adder);
        TimerRowsTable* rows = adder->theTable();
        QStringList cells{"1:30", "Steep", "1:7x", "Eggs", "", "", "1h 5m", " Roast ", "", "  "};
        while (rows->rowCount() * 2 < cells.size()) rows->addRow();
        for (int i = 0; i < cells.size(); ++i) rows->field(i / 2, i % 2)->setText(cells[i]);
        const auto typed = [&] {
            QStringList now;
            for (int i = 0; i < rows->rowCount() * 2; ++i) now << rows->field(i / 2, i % 2)->text();
            return now;
        };
        const auto save = [&] {  // the alert's texts, if one was shown
            MessageBox::clearLastAlert();
            MessageBox::setNextAnswer(0);
            adder->btnSave()->click();
            const auto alert = MessageBox::lastAlert();
            return alert ? alert->message + ' ' + alert->informativeText : QString();
        };
        const QStringList before = testing::storedTimers(w.home.storePath());
        for (const auto& [time, said] :
             {std::pair{"1:7x", "Invalid duration. Row 2: \"1:7x\" is not a duration."},
              // the sentence the command line and the bus give for the same slip
              {"-5m", "Invalid duration. Row 2: A timer runs for a second to a year."},
              {"45", "Could not save the timers. Nothing was added"}}) {
            rows->timeField(1)->setText(time);
            if (QString(time) == "45") w.store.store().failNextWrites(1, 1);  // the second insert
            cells[2] = time;
            QVERIFY2(save().startsWith(said), qPrintable(said));
            QVERIFY(adder->isVisible() && w.started() == QStringList{"Bread 300"});
            QCOMPARE(typed(), cells);
            QCOMPARE(testing::storedTimers(w.home.storePath()), before);
        }
        adder->cbStart()->setChecked(true);
        QCOMPARE(save(), QString());  // the failed save's inserts must not come along
        QCOMPARE(testing::storedTimers(w.home.storePath()),
                 before + QStringList({"Steep/90", "Eggs/45", " Roast /3900"}));
        QCOMPARE(w.started(), QStringList({" Roast  3900", "Bread 300", "Eggs 45", "Steep 90"}));
        QCOMPARE(table->selectedRow(), 6);
        for (const bool cancel : {true, false}) {  // saved, it is not asked to start
            adder = qobject_cast<AddMultipleController*>(w.command("miAddMultiple"));
            adder->theTable()->timeField(0)->setText("2h");
            adder->theTable()->descriptionField(0)->setText("Stew");
            (cancel ? adder->btnCancel() : adder->btnSave())->click();
            QCOMPARE(testing::storedTimers(w.home.storePath()).value(7), cancel ? "" : "Stew/7200");
        }
        QCOMPARE(w.started().size(), 4);
    }

    // Close leaves the timer as it was; Save stops or silences it, and restarts it if asked.
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
        const QString tea = timerId(vc->timers().at(0));
        vc->myTable()->selectRowExactly(1);
        vc->tableViewDoubleClick();
        QDialog* editor = edit(1);
        vc->engine()->tick(timerId(vc->timers().at(1)));  // a second passes with the sheet open
        QCOMPARE(vc->tableModel()->cell(1, 1).text, "4m 59s");
        QTest::keyClick(editor->findChild<QLineEdit*>("edDescription"), Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QCOMPARE(w.started(), QStringList{"Egg 299"});
        vc->miPauseClicked();
        edit(1)->findChild<QPushButton*>("btnClose")->click();
        QCOMPARE(w.started(), QStringList{"Egg 299 paused"});
        editor = edit(1);
        editor->findChild<QSlider*>("slideMins")->setValue(2);
        save(editor, true);
        QCOMPARE(w.started(), QStringList{"Egg 120"});  // stopped, restarted at its new length
        save(edit(1), false);
        QVERIFY(w.started().isEmpty());
        vc->myTable()->selectRowExactly(0);
        vc->tableViewDoubleClick();
        editor = edit(0);
        vc->engine()->tick(tea);  // it finishes while its editor is open
        QVERIFY(vc->engine()->isRinging() && vc->tableModel()->cell(0, 1).text.startsWith("Fin"));
        save(editor, false);
        QVERIFY(!vc->engine()->isRinging() && w.started().isEmpty());
        QCOMPARE(vc->tableModel()->cell(0, 1).text, "1s");
    }

    // Ctrl+Q in a sheet quits once and q types; Space pauses in the list, clicks a button.
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
        QTest::keyClick(description, Qt::Key_Q);
        QVERIFY(description->text() == "q" && quits.count() == 1);
        editor->reject();
        QVERIFY(w.active());
        vc->myTable()->selectRowExactly(0);
        vc->tableViewDoubleClick();
        QToolButton* sort = vc->toolbar()->button(tbSortToolbarItem);
        const QString label = sort->text();
        sort->setFocus();
        QTest::keyClick(sort, Qt::Key_Space);  // the pause shortcut leaves it to the button
        QTRY_VERIFY(sort->text() != label);
        QCOMPARE(w.started(), QStringList{"Tea 60"});
        vc->myTable()->setFocus();
        QTest::keyClick(vc->myTable(), Qt::Key_Space);
        QCOMPARE(w.started(), QStringList{"Tea 60 paused"});
    }

    // Names one timer or counts several; Cancel keeps all; the others count on.
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
                 QStringList({"Tea", "Egg", "Pasta"}));
        TimerEngine& engine = *vc->engine();
        const QString egg = timerId(vc->timers().at(1)), pasta = timerId(vc->timers().at(2));
        QVERIFY(engine.startTimer(egg) && engine.startTimer(pasta));
        QCOMPARE(ask({1}, 0), (QStringList{"Dunok", "Delete “Egg”?", "Delete|Cancel"}));
        QTRY_COMPARE(testing::descriptions(vc->timers().timers()), (QStringList{"Tea", "Pasta"}));
        QCOMPARE(w.started(), QStringList{"Pasta 300"});
        QCOMPARE(statusLineText(1501, 1, QLocale("en")), "1,500 active timers (1 paused)");
        engine.tick(pasta);  // found in its new row
        QCOMPARE(vc->tableModel()->cell(1, 1).text, QString("4m 59s"));
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
            // The answer, which sets them back in the file, comes a moment after the alert.
            QTRY_VERIFY(PreferenceStore(user.home.prefsPath()).text(PrefKeys::volume) != "loud");
            MessageBox::clearLastAlert();
        }
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

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
