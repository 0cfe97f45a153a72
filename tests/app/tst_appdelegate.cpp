// Dunok from start to quit, and its command line. A store refusing a change (a full disk, a held
// file) is told with its cause, leaves file, list and typed sheet as they were; it goes through
// once the cause is gone.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "app/OfflineTimers.h"
#include "domain/ListLoading.h"
#include "domain/ListOrder.h"
#include "domain/TimerEngine.h"
#include "domain/TimerLookup.h"
#include "domain/TimerModel.h"
#include "storage/TimerStore.h"
#include "support/HostileStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"
#include "ui/EditController.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"
#include "ui/TimerTableModel.h"
#include "ui/TimerTableView.h"
#include "ui/ViewController.h"

using namespace dunok;
using Kind = TimerMatch::Kind;

namespace {
const QString diskFull = QStringLiteral("The disk that holds your timers is full");
const QString inUse = QStringLiteral("Another program is using the file that holds your timers");
enum Change { Add, Drag };
}  // namespace

class TestAppDelegate : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<AppDelegate> app;
    QString store;
    QStringList firstRun;  // the ready-made timers as the file holds them

    ViewController* controller() const { return app->window()->viewController(); }
    EditController* editor() const { return app->window()->findChild<EditController*>(); }
    int startApp() {
        app = std::make_unique<AppDelegate>(store, home->prefsPath());
        // The holds that are meant to outlast it are never released before the refusal.
        app->setStoreBusyTimeout(300);
        return app->start();
    }
    // The file, the list and the table agree, and hold `expected`.
    void storeAndListHold(const QStringList& expected) {
        QStringList shown;
        const TimerTableModel* model = controller()->tableModel();
        for (int row = 0; row < model->rowCount(); ++row) shown << model->cell(row, 0).text;
        QCOMPARE(testing::storedTimers(store), expected);
        QCOMPARE(testing::listAgainstStore(store, controller()->timers().timers(), shown,
                                           app->settings()->settings().sort),
                 QString());
    }
    // A first run: the nineteen ready-made timers.
    void firstStart(const QString& path) {
        store = path;
        QCOMPARE(startApp(), 0);
        firstRun = testing::storedTimers(store);
        QCOMPARE(firstRun.size(), 19);
    }
    // Makes the change as the user does, with "OK" ready for an alert, and returns the file as
    // the change leaves it. A refused Save keeps the sheet open: the next try only saves.
    QStringList make(Change change) {
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        TimerTableModel* model = controller()->tableModel();
        QStringList after = change == Add ? firstRun + QStringList{"Tea/300"}
                                          : testing::entries(controller()->timers().timers());
        if (change == Drag) {
            const std::unique_ptr<QMimeData> drag(model->mimeData({model->index(0, 0)}));
            [&] { QVERIFY(model->dropMimeData(drag.get(), Qt::MoveAction, 3, 0, {})); }();
            after.move(0, 2);  // dropped above the fourth row
        } else {
            if (!editor()) {
                controller()->addTimer();
                editor()->findChild<QLineEdit*>("edDescription")->setText("Tea");
            }
            editor()->findChild<QPushButton*>("btnSave")->click();
        }
        QCoreApplication::processEvents();  // an alert a drop left
        return after;
    }
    // One alert naming the change and starting with the cause, and nothing anywhere changed.
    void wasRefused(Change change, const QString& cause) {
        const QList<AlertSpec> alerts = MessageBox::shownAlerts();
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts[0].message,
                 change == Add ? "Could not save the timer." : "Could not keep the new order.");
        QVERIFY2(alerts[0].informativeText.startsWith(cause),
                 qPrintable(alerts[0].informativeText));
        storeAndListHold(firstRun);
        if (change == Add) {
            QVERIFY(alerts[0].informativeText.contains("what you typed is still here"));
            QCOMPARE(editor()->findChild<QLineEdit*>("edDescription")->text(), QString("Tea"));
        }
    }
    // The next run opens the store and shows what it holds, in the file's order.
    void restartShows(const QStringList& expected) {
        app.reset();
        MessageBox::clearLastAlert();
        QCOMPARE(startApp(), 0);
        QVERIFY(MessageBox::shownAlerts().isEmpty());
        testing::changeSettings(*app->settings(), [](Settings& s) { s.sort = sortNone; });
        controller()->reloadTable();
        storeAndListHold(expected);
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        MessageBox::clearLastAlert();
    }
    void cleanup() { app.reset(); }

    // First, before an alert's icon loads them: Qt's image plugins, each asked
    // in turn to read a PNG, cost start-up milliseconds.
    void startsWithoutQtsImagePlugins() {
        firstStart(home->storePath());
        app->window()->grab();
        QFile maps("/proc/self/maps");
        QVERIFY(maps.open(QIODevice::ReadOnly) && !maps.readAll().contains("/imageformats/"));
    }

    // A save on a full disk, then again with one more page free each time, until it goes through.
    void onAFullDisk() {
        testing::SmallDisk disk;
        if (!disk.isMounted())
            QSKIP(qPrintable("needs a small tmpfs of its own (run as root): " + disk.why()));
        firstStart(disk.path() + "/Dunok/TimerModel.sqlite");
        QStringList after;
        int refusals = 0;
        for (int pages = 0; pages <= 24; ++pages) {
            QVERIFY(disk.fillLeaving(pages));
            after = make(Add);
            if (MessageBox::shownAlerts().isEmpty()) break;
            ++refusals;
            wasRefused(Add, diskFull);
            if (QTest::currentTestFailed()) return;
        }
        QVERIFY2(refusals > 0, "the change went through on a full disk");
        storeAndListHold(after);
        disk.fillLeaving(0);  // opening a store in order writes nothing
        restartShows(after);
        app.reset();  // off the disk before it goes
    }

    // A drag writes every timer's place, the most a held file can refuse; held at the next
    // start, the store is told of, and the start after works.
    void whileAnotherProgramHoldsTheStore() {
        firstStart(home->storePath());
        {
            testing::StoreLock lock(store);
            QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
            make(Drag);
            QVERIFY(lock.release());  // the file can be read again to compare
        }
        wasRefused(Drag, inUse);
        if (QTest::currentTestFailed()) return;
        const QStringList after = make(Drag);
        QVERIFY(MessageBox::shownAlerts().isEmpty());
        storeAndListHold(after);
        app.reset();
        testing::StoreLock lock(store);
        QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        QCOMPARE(startApp(), 1);
        const QList<AlertSpec> alerts = MessageBox::shownAlerts();
        QCOMPARE(alerts.size(), 1);
        QVERIFY(alerts[0].detailedText.startsWith("Unresolved error "));
        QVERIFY2(alerts[0].informativeText.startsWith(inUse),
                 qPrintable(alerts[0].informativeText));
        app.reset();
        QVERIFY(lock.release());
        restartShows(after);
    }
    // Each way a store can be unusable is told in plain words that name the file and what to
    // do, with the technical text behind the details; the program stops, the file as it was.
    void storeThatCannotBeOpenedIsExplainedAndKept() {
        store = home->storePath();
        QDir().mkpath(QFileInfo(store).path());
        const QByteArray notes = QByteArray("these are my notes, not a database\n").repeated(200);
        const QString newer = QString::number(TimerStore::version + 1);
        const QStringList cases[] = {
            {"notes", "is not a timer file", "Move it", ""},
            {"link", "which does not exist", "remove the link", ""},
            {"newer", "", "saved by a newer version of Dunok",
             "was written by a newer version of Dunok (store version " + newer}};
        for (const QStringList& c : cases) {
            QFile::remove(store);
            if (c[0] == "notes") {
                QFile file(store);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(notes) == notes.size());
            } else if (c[0] == "link") {
                QVERIFY(QFile::link(store + ".gone", store));
            } else {
                QVERIFY(QFile::copy(DUNOK_TEST_DATA_DIR "/TimerModel-0.1.0.sqlite", store));
                QVERIFY(QFile::setPermissions(store, QFile::ReadOwner | QFile::WriteOwner));
                QVERIFY(testing::sql(store, "PRAGMA user_version = " + newer).isEmpty());
            }
            const QByteArray before = testing::fingerprint(store);
            testing::MessageLog log;
            MessageBox::setNextAnswer(0);
            QCOMPARE(startApp(), 1);
            const auto alert = MessageBox::lastAlert();
            QVERIFY2(alert, qPrintable(c[0]));
            QVERIFY2(alert->message.contains(store) && alert->message.contains(c[1]) &&
                         alert->informativeText.contains(c[2]) &&
                         alert->buttons == QStringList{"Quit"},
                     qPrintable(alert->message + alert->informativeText));
            QVERIFY2(alert->detailedText.startsWith("Unresolved error ") &&
                         alert->detailedText.contains(store) && alert->detailedText.contains(c[3]),
                     qPrintable(alert->detailedText));
            QVERIFY(log.contains(alert->detailedText));
            QCOMPARE(testing::fingerprint(store), before);
            QCOMPARE(QFileInfo(store).isSymLink(), c[0] == "link");
        }
    }

    // What runs is the one thing left to store at a quit (for the next start); a store that
    // refuses it is told, and the user may stay.
    void quittingWhenWhatRunsCannotBeKept() {
        for (const bool quits : {true, false}) {
            app.reset();
            init();
            firstStart(home->storePath());
            testing::changeSettings(*app->settings(), [](Settings& s) { s.keepTimers = true; });
            TimerEngine* engine = controller()->engine();
            const Timer first = controller()->timers().at(0);
            const QString id = timerId(first);
            QVERIFY(engine->startTimer(id));
            app->store()->failNextWrites(1000);
            QVERIFY(engine->pauseTimer(id));  // not kept: the store refuses
            MessageBox::clearLastAlert();
            MessageBox::setNextAnswer(0);              // the error itself: OK
            MessageBox::setNextAnswer(quits ? 0 : 1);  // then the question
            QCOMPARE(app->applicationShouldTerminate() == AppDelegate::TerminateReply::TerminateNow,
                     quits);
            QCOMPARE(MessageBox::shownAlerts().value(1).message,  // after the error's
                     "Could not save changes while quitting. Quit anyway?");
            if (quits) continue;
            // Staying, the pause is tried again at the next quit.
            app->store()->failNextWrites(0);
            QCOMPARE(app->applicationShouldTerminate(), AppDelegate::TerminateReply::TerminateNow);
            QCOMPARE(
                testing::sql(store, "SELECT ifnull(pausedLeft, '') FROM Timers WHERE id = " + id),
                QStringList{QString::number(first.duration)});
            engine->shutDown();
        }
    }

    // Closed, the window comes back with its selection when the program is reopened.
    void reopening() {
        firstStart(home->storePath());
        TimerTableView* table = controller()->myTable();
        for (int row : {4, -1}) {
            row < 0 ? table->clearSelection() : table->selectRowExactly(row);
            app->window()->close();
            QVERIFY(app->applicationShouldHandleReopen(false) && app->window()->isVisible());
            QCOMPARE(table->selectedRow(), row);
        }
        QVERIFY(!app->applicationShouldHandleReopen(true));  // already there: nothing more
        app->terminate();
        QVERIFY(MessageBox::shownAlerts().isEmpty());
    }

    // Tiers the command line does not reach on the real program: the same name in other cases,
    // and twins.
    void matchingTakesTheFirstTierWithAHit() {
        const QStringList names{"Tea", "tea time", "Team", "1 hour", "1 hour 15 minutes", "TEA"};
        QCOMPARE(matchTimer(names, "Tea").index, 0);
        const TimerMatch sameCase = matchTimer(names, "tEA");
        QCOMPARE(sameCase.kind, Kind::Ambiguous);
        QCOMPARE(sameCase.candidates, QStringList({"Tea", "TEA"}));
        QCOMPARE(matchTimer(names, "tea t").index, 1);
        QCOMPARE(matchTimer(names, "te").candidates.size(), 4);
        QCOMPARE(matchTimer(names, "").kind, Kind::None);
        QCOMPARE(matchTimer({"Tea", "Tea"}, "Tea").kind, Kind::Ambiguous);
    }

    // For every sort, names that only the bytes tell apart and damaged durations included.
    void windowAndCommandLineShowOneOrder() {
        for (const int sort : {sortNone, sortDuration, sortDesc}) {
            init();
            QStringList window;
            {
                testing::StoreFixture store(home->storePath());
                const std::pair<QString, qint64> timers[] = {{"Zucchini", 60}, {"\u00e9clair", 60},
                                                             {"apple", 30},    {"Eggs", -5},
                                                             {"Bread", 60},    {"eggs", 0}};
                for (const auto& [desc, secs] : timers) store.addTimer(desc, secs);
                TimerList list;
                QVERIFY(populateArray(list, store.store(), sort));
                window = testing::descriptions(list.timers());
            }
            PreferenceStore prefs(home->prefsPath());
            prefs.setValue(PrefKeys::havePrefs, 100);
            prefs.setValue(PrefKeys::sort, sort);
            QVERIFY(prefs.synchronize());
            StoreError why;
            const auto listed = timersAtNextStart(home->storePath(), home->prefsPath(), 0, &why);
            QVERIFY2(listed, qPrintable(why.description));
            QStringList commandLine;
            for (const TimerStatus& timer : *listed) commandLine << timer.description;
            QCOMPARE(commandLine, window);
            QCOMPARE(window.size(), 6);
        }
    }

    void commandLines() {
        QCOMPARE(clockText(0) + ' ' + clockText(49 * 3600 + 61), "0:00 49:01:01");
        QCOMPARE(listingLine({"a\tb\nc", "paused", 65}), "a b c\tpaused\t1:05");
        // Arguments apart by '|'; the real program's refusals are scripts/test_command_line.sh's.
        for (const char* line : {"--stop", "--list|--stop-all", "--name|x", "--hidden|--list",
                                 "--start|Mum\ts", "--pause| ", "Tea", "--add|2m", "--add|soon|Tea",
                                 "--add|7d 1s|Tea", "--add|1m|Tea|Pasta", "--stop|Tea|Pasta"})
            QVERIFY2(parseCommandLine(QString("dunok|%1").arg(line).split('|')).mode ==
                         CommandLineRequest::Mode::Error,
                     line);
        const CommandLineRequest start =
            parseCommandLine({"dunok", "--start", "5m", "--name", "Pasta", "--save", "--show"});
        QVERIFY(start.mode == CommandLineRequest::Mode::Command && start.name == "Pasta" &&
                start.save && start.show);
        // The toolkit's own options are left to it, also next to Dunok's.
        const CommandLineRequest styled = parseCommandLine(
            {"dunok", "-style", "fusion", "-platform=offscreen", "-reverse", "--hidden"});
        QVERIFY(styled.mode == CommandLineRequest::Mode::Gui && styled.hidden);
        // A timer named like one of them is still a timer.
        QCOMPARE(parseCommandLine({"dunok", "--stop", "-style"}).argument, QString("-style"));
        const CommandLineRequest add = parseCommandLine({"dunok", "--add", "6d 23h", "Tea"});
        QVERIFY(add.action == CommandLineRequest::Action::Add && add.argument == "Tea");
        QCOMPARE(add.seconds, 6 * 86400 + 23 * 3600);
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
