// A disk that is full to the last page, under the three changes a user makes
// to the list: adding, duplicating and dragging timers. Every refusal is told,
// leaves the file whole and the list showing what the file holds, and the
// change goes through once there is room again.
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "app/AppDelegate.h"
#include "editing/EditController.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "mainwindow/ViewController.h"
#include "platform/MessageBox.h"
#include "support/HostileStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestFullDisk : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::SmallDisk> disk;
    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<AppDelegate> app;

    QString storePath() const { return disk->path() + "/Dunok/TimerModel.sqlite"; }
    ViewController* controller() const { return app->window()->viewController(); }
    QStringList shownNames() const {
        QStringList names;
        const TimerTableModel* model = controller()->tableModel();
        for (int row = 0; row < model->rowCount(); ++row) names << model->cell(row, 0).text;
        return names;
    }
    void startApp() {
        app = std::make_unique<AppDelegate>(storePath(), home->prefsPath());
        QCOMPARE(app->start(), 0);
    }

    // What the user sees is what the file holds, and the file is whole.
    void listAgreesWithStore() {
        const QString differs = testing::listAgainstStore(storePath(), shownNames());
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
    }

    // Makes the change on a full disk, then again with one more page free each
    // time, until it goes through. Each refusal comes with one alert and leaves
    // the store as it was; the change that goes through leaves `after`.
    void sweep(const std::function<void()>& change, const QStringList& after,
               const QString& alertMessage) {
        const QStringList before = testing::storedTimers(storePath());
        QVERIFY(before != after);
        int refusals = 0;
        for (int pages = 0; pages <= 24; ++pages) {
            QVERIFY(disk->fillLeaving(pages));
            MessageBox::clearLastAlert();
            MessageBox::setNextAnswer(0);
            change();
            QCoreApplication::processEvents();  // an alert the drop left for after it
            const QList<AlertSpec> alerts = MessageBox::shownAlerts();
            listAgreesWithStore();
            if (QTest::currentTestFailed()) return;
            if (alerts.isEmpty()) {
                QCOMPARE(testing::storedTimers(storePath()), after);
                // The full disk must have refused at least once, or this tested nothing.
                QVERIFY2(refusals > 0, "the change went through on a full disk");
                return;
            }
            ++refusals;
            QCOMPARE(alerts.size(), 1);
            QCOMPARE(alerts[0].message, alertMessage);
            QVERIFY2(alerts[0].informativeText.contains("The disk that holds your timers is full"),
                     qPrintable(alerts[0].informativeText));
            QCOMPARE(testing::storedTimers(storePath()), before);
        }
        QFAIL("the change never went through, even with 24 pages free");
    }

    // The next run opens the store and shows what it holds.
    void restartShowsTheStore(const QStringList& expected) {
        disk->fillLeaving(0);  // opening a store in order writes nothing
        app.reset();
        testing::resetGlobals();
        MessageBox::clearLastAlert();
        startApp();
        QVERIFY(MessageBox::shownAlerts().isEmpty());
        QCOMPARE(testing::storedTimers(storePath()), expected);
        prefsSort = sortNone;
        controller()->reloadTable();
        QCOMPARE(testing::listedTimers(), expected);
    }

private slots:
    void initTestCase() {
        disk = std::make_unique<testing::SmallDisk>();
        if (!disk->isMounted())
            QSKIP(qPrintable("needs a small tmpfs of its own (run as root): " + disk->why()));
    }
    void init() {
        disk->empty();
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        MessageBox::clearLastAlert();
        startApp();  // a first run: the nineteen ready-made timers, sorted by time
        QCOMPARE(shownNames().size(), 19);
    }
    void cleanup() {
        app.reset();
        disk->empty();
    }
    void cleanupTestCase() { disk.reset(); }

    void addingATimer() {
        QStringList after = testing::storedTimers(storePath());
        after << "Tea/300";
        sweep(
            [&] {
                auto* editor = app->window()->findChild<EditController*>();
                if (!editor) {  // a refused save keeps the sheet open for another try
                    controller()->addTimer();
                    editor = app->window()->findChild<EditController*>();
                    QVERIFY(editor);
                    editor->findChild<QLineEdit*>("edDescription")->setText("Tea");
                }
                editor->findChild<QPushButton*>("btnSave")->click();
            },
            after, "Could not save the timer.");
        if (QTest::currentTestFailed()) return;
        restartShowsTheStore(after);
    }

    void duplicatingATimer() {
        QStringList after = testing::storedTimers(storePath());
        after << "30 seconds/30";  // the first row, sorted by time
        sweep(
            [&] {
                controller()->myTable()->selectRowExactly(0);
                controller()->menuDuplicateTimerPressed();
            },
            after, "Could not duplicate the timer.");
        if (QTest::currentTestFailed()) return;
        restartShowsTheStore(after);
    }

    void draggingATimer() {
        QStringList after = testing::listedTimers();  // by time: 30 seconds, 1 minute, ...
        after.move(0, 2);                             // dropped above the fourth row
        TimerTableModel* model = controller()->tableModel();
        sweep(
            [&] {
                const std::unique_ptr<QMimeData> drag(model->mimeData({model->index(0, 0)}));
                QVERIFY(model->dropMimeData(drag.get(), Qt::MoveAction, 3, 0, {}));
            },
            after, "Could not keep the new order.");
        if (QTest::currentTestFailed()) return;
        QCOMPARE(testing::listedTimers(), after);
        restartShowsTheStore(after);
    }
};

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
