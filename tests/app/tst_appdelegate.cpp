// Dunok from start to quit: a broken store, reopening, and quitting.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "app/AppDelegate.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "storage/TimerStore.h"
#include "support/HostileStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"
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

    // Each way a store can be unusable is told in plain words that name the file and what to
    // do, with the technical text behind the details; the program stops, the file as it was.
    void storeThatCannotBeOpenedIsExplainedAndKept() {
        const QString path = home->storePath();
        QDir().mkpath(QFileInfo(path).path());
        const QByteArray notes = QByteArray("these are my notes, not a database\n").repeated(200);
        const QString newer = QString::number(TimerStore::version + 1);
        // Notes where the store should be, a link to nothing, and a store from a newer release.
        const QStringList cases[] = {
            {"notes", "is not a timer file", "Move it", ""},
            {"link", "which does not exist", "remove the link", ""},
            {"newer", "", "saved by a newer version of Dunok",
             "was written by a newer version of Dunok (store version " + newer}};
        for (const QStringList& c : cases) {
            QFile::remove(path);
            if (c[0] == "notes") {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(notes) == notes.size());
            } else if (c[0] == "link") {
                QVERIFY(QFile::link(path + ".gone", path));
            } else {
                QVERIFY(QFile::copy(DUNOK_TEST_DATA_DIR "/TimerModel-0.1.0.sqlite", path));
                QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
                QVERIFY(testing::sql(path, "PRAGMA user_version = " + newer).isEmpty());
            }
            const QByteArray before = testing::fingerprint(path);
            testing::MessageLog log;
            MessageBox::setNextAnswer(0);
            AppDelegate app(path, home->prefsPath());
            QCOMPARE(app.start(), 1);
            const auto alert = MessageBox::lastAlert();
            QVERIFY2(alert, qPrintable(c[0]));
            QVERIFY2(alert->message.contains(path) && alert->message.contains(c[1]) &&
                         alert->informativeText.contains(c[2]) &&
                         alert->buttons == QStringList{"Quit"},
                     qPrintable(alert->message + alert->informativeText));
            QVERIFY2(alert->detailedText.startsWith("Unresolved error ") &&
                         alert->detailedText.contains(path) && alert->detailedText.contains(c[3]),
                     qPrintable(alert->detailedText));
            QVERIFY(log.contains(alert->detailedText));
            QCOMPARE(testing::fingerprint(path), before);
            QCOMPARE(QFileInfo(path).isSymLink(), c[0] == "link");
        }
    }

    // What runs is the one thing left to store at a quit (for the next start); a store that
    // refuses it is told, and the user may stay.
    void quittingWhenWhatRunsCannotBeKept() {
        for (const bool quits : {true, false}) {
            testing::TestHome fresh;
            AppDelegate app(fresh.storePath(), fresh.prefsPath());
            QCOMPARE(app.start(), 0);
            testing::changeSettings(*app.settings(), [](Settings& s) { s.keepTimers = true; });
            TimerEngine* engine = app.window()->viewController()->engine();
            const Timer first = app.window()->viewController()->timers().at(0);
            const QString id = timerId(first);
            QVERIFY(engine->startTimer(id));
            app.store()->failNextWrites(1000);
            QVERIFY(engine->pauseTimer(id));  // not kept: the store refuses
            MessageBox::clearLastAlert();
            MessageBox::setNextAnswer(0);              // the error itself: OK
            MessageBox::setNextAnswer(quits ? 0 : 1);  // then the question
            QCOMPARE(app.applicationShouldTerminate() == AppDelegate::TerminateReply::TerminateNow,
                     quits);
            QCOMPARE(MessageBox::shownAlerts().value(1).message,  // after the error's
                     "Could not save changes while quitting. Quit anyway?");
            if (quits) continue;
            // Staying, the pause is tried again at the next quit.
            app.store()->failNextWrites(0);
            QCOMPARE(app.applicationShouldTerminate(), AppDelegate::TerminateReply::TerminateNow);
            QCOMPARE(testing::sql(fresh.storePath(),
                                  "SELECT ifnull(pausedLeft, 'NULL') FROM Timers WHERE id = " + id),
                     QStringList{QString::number(first.duration)});
            engine->shutDown();
        }
    }

    // Closed, the window comes back with its selection when the program is reopened.
    void reopening() {
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
        app.terminate();
        QVERIFY(MessageBox::shownAlerts().isEmpty());
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
