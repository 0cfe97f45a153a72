// Dunok from start to quit: a broken store, reopening, and quitting.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "app/AppDelegate.h"
#include "domain/ListOrder.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "storage/TimerStore.h"
#include "support/HostileStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"
#include "ui/TimerTableModel.h"
#include "ui/TimerTableView.h"
#include "ui/ViewController.h"

using namespace dunok;

class TestAppDelegate : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        MessageBox::clearLastAlert();
    }

    // Each way a store can be unusable is told in plain words that name the
    // file and what to do, with the technical text behind the details; the
    // file stays as it was.
    void storeThatCannotBeOpenedIsExplainedAndKept_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("whatToDo");
        QTest::newRow("not a database") << "notes"
                                        << "is not a timer file"
                                        << "Move it";
        QTest::newRow("a dangling link") << "link"
                                         << "which does not exist"
                                         << "remove the link";
    }
    void storeThatCannotBeOpenedIsExplainedAndKept() {
        QFETCH(QString, kind);
        QFETCH(QString, what);
        QFETCH(QString, whatToDo);
        const QString path = home->storePath();
        QDir().mkpath(QFileInfo(path).path());
        const QByteArray notes = QByteArray("these are my notes, not a database\n").repeated(200);
        if (kind == "notes") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(notes) == notes.size());
        } else {
            QVERIFY(QFile::link(path + ".gone", path));
        }
        testing::MessageLog log;
        MessageBox::setNextAnswer(0);
        AppDelegate app(path, home->prefsPath());
        QCOMPARE(app.start(), 1);
        const auto alert = MessageBox::lastAlert();
        QVERIFY(alert);
        QVERIFY2(alert->message.contains(path) && alert->message.contains(what),
                 qPrintable(alert->message));
        QVERIFY2(alert->informativeText.contains(whatToDo), qPrintable(alert->informativeText));
        QCOMPARE(alert->buttons, QStringList{"Quit"});
        QVERIFY2(alert->detailedText.startsWith("Unresolved error ") &&
                     alert->detailedText.contains(path),
                 qPrintable(alert->detailedText));
        QVERIFY(log.contains(alert->detailedText));
        const QFileInfo left(path);
        if (kind == "notes") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), notes);
        } else {
            QVERIFY(left.isSymLink() && !left.exists());
        }
    }

    // A store from a newer Dunok, as the user meets it: an alert that says
    // what happened and what to do, the program stops, and the file is not
    // touched.
    void newerStoreIsRefusedAndLeftAlone() {
        const QString path = home->storePath();
        QDir().mkpath(QFileInfo(path).path());
        QVERIFY(QFile::copy(DUNOK_TEST_DATA_DIR "/TimerModel-0.1.0.sqlite", path));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        const int newer = TimerStore::version + 1;
        QVERIFY(
            testing::sql(path, QStringLiteral("PRAGMA user_version = %1").arg(newer)).isEmpty());
        const QByteArray original = testing::fingerprint(path);
        MessageBox::setNextAnswer(0);
        AppDelegate app(path, home->prefsPath());
        QCOMPARE(app.start(), 1);
        const auto alert = MessageBox::lastAlert();
        QVERIFY(alert);
        QVERIFY2(alert->detailedText.contains(
                     QStringLiteral("was written by a newer version of Dunok (store version %1")
                         .arg(newer)),
                 qPrintable(alert->detailedText));
        QVERIFY2(alert->informativeText.contains("saved by a newer version of Dunok"),
                 qPrintable(alert->informativeText));
        QCOMPARE(testing::fingerprint(path), original);
    }

    // What runs is the one thing left to store at a quit (for the next
    // start); a store that refuses it is told, and the user may stay.
    void quittingWhenWhatRunsCannotBeKept_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Quit anyway") << 0;
        QTest::newRow("Cancel") << 1;
    }
    void quittingWhenWhatRunsCannotBeKept() {
        QFETCH(int, answer);
        const bool quits = answer == 0;
        AppDelegate app(home->storePath(), home->prefsPath());
        QCOMPARE(app.start(), 0);
        testing::changeSettings(*app.settings(), [](Settings& s) { s.keepTimers = true; });
        TimerEngine* engine = app.window()->viewController()->engine();
        const Timer first = app.window()->viewController()->timers().at(0);
        const QString id = timerId(first);
        QVERIFY(engine->startTimer(id));
        app.store()->failNextWrites(1000);
        QVERIFY(engine->pauseTimer(id));    // not kept: the store refuses
        MessageBox::setNextAnswer(0);       // the error itself: OK
        MessageBox::setNextAnswer(answer);  // then the question
        QCOMPARE(app.applicationShouldTerminate() == AppDelegate::TerminateReply::TerminateNow,
                 quits);
        const AlertSpec question = MessageBox::shownAlerts().value(1);  // after the error's own
        QCOMPARE(question.message, QString("Could not save changes while quitting. Quit anyway?"));
        QCOMPARE(question.buttons, QStringList({"Quit anyway", "Cancel"}));
        if (quits) return;
        // Staying, the pause is tried again at the next quit.
        app.store()->failNextWrites(0);
        QCOMPARE(app.applicationShouldTerminate(), AppDelegate::TerminateReply::TerminateNow);
        QCOMPARE(testing::sql(home->storePath(),
                              "SELECT ifnull(pausedLeft, 'NULL') FROM Timers WHERE id = " + id),
                 QStringList{QString::number(first.duration)});
        engine->shutDown();
    }

    // Closed, the window comes back with its selection when the program is reopened; the
    // order the user dragged is stored, and the next run adds no defaults.
    void reopeningAndQuitting() {
        {
            AppDelegate app(home->storePath(), home->prefsPath());
            QCOMPARE(app.start(), 0);
            TimerTableView* table = app.window()->viewController()->myTable();
            for (int row : {4, -1}) {
                row < 0 ? table->clearSelection() : table->selectRowExactly(row);
                app.window()->close();
                QVERIFY(app.applicationShouldHandleReopen(false) && app.window()->isVisible());
                QCOMPARE(table->selectedRow(), row);
            }
            QVERIFY(!app.applicationShouldHandleReopen(true));  // already there: nothing more
            QVERIFY(dropTimerRows(*app.store(), app.window()->viewController()->timers(), {18}, 0)
                        .accepted);  // "2 hours" first
            QVERIFY(dropTimerRows(*app.store(), app.window()->viewController()->timers(), {1}, 19)
                        .accepted);  // "30 seconds" last
            app.terminate();
            QVERIFY(MessageBox::shownAlerts().isEmpty());
        }
        const QStringList stored = testing::storedDescriptions(home->storePath());
        QCOMPARE(stored.size(), 19);
        QVERIFY(stored[0] == "2 hours" && stored[18] == "30 seconds");  // as listed, not sorted
        AppDelegate next(home->storePath(), home->prefsPath());
        QCOMPARE(next.start(), 0);
        QCOMPARE(next.window()->viewController()->tableModel()->rowCount(), 19);
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
