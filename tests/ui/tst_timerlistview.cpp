// The timer list: cells, rows over reloads, drags, and damaged rows that run like any other.
#include <QtTest>
#include <QtWidgets>

#include "desktop/Alarm.h"
#include "desktop/AudioPlayer.h"
#include "desktop/ResourceFolder.h"
#include "domain/ListLoading.h"
#include "domain/ListOrder.h"
#include "domain/Preferences.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "support/HostileStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"
#include "ui/TimerTableModel.h"
#include "ui/TimerTableView.h"
#include "ui/ViewController.h"

using namespace dunok;

namespace {
const QString insert =
    QStringLiteral("INSERT INTO Timers (desc, duration, snooze, snoozeOn, sound) VALUES ");
double soundLength(const QString& path) {
    const auto player = AudioPlayer::create(path, nullptr);
    return player ? player->duration() : -1.0;
}
}  // namespace

class TestTimerListView : public QObject {
    Q_OBJECT

    testing::TestHome home;
    QString resources = home.path() + "/share/dunok";
    QHash<QString, double> lengths;  // what rings tells which file was opened
    std::unique_ptr<SharedPlayer> player;
    std::unique_ptr<testing::StoreFixture> store;

    // A row as "description icon size | duration icon size", "-" for no icon.
    static QString rowText(ViewController& vc, int row) {
        QStringList cells;
        for (const CellContents& c : {vc.tableModel()->cell(row, 0), vc.tableModel()->cell(row, 1)})
            cells << c.text + ' ' + (c.image.isEmpty() ? "-" : c.image) + ' ' +
                         QString::number(c.fontSize);
        return cells.join(" | ");
    }

    void oneStrangeRow(const QString& values, qint64 seconds, const QString& listed,
                       const QString& afterTick, const QString& rings) {
        const QString path = home.storePath();
        QCOMPARE(testing::sql(path, insert + "(" + values + ")"), QStringList());
        const QByteArray before = testing::fingerprint(path);
        testing::MessageLog log;
        Preferences prefs;
        ViewController vc(prefs, *player, store->store());
        vc.viewDidAppear();
        QCOMPARE(vc.timers().size(), 1);
        const QString id = timerId(vc.timers().at(0));
        QCOMPARE(vc.timers().at(0).duration, seconds);
        const auto row = [&] { return vc.tableModel()->cell(0, 1).text; };
        QCOMPARE(vc.tableModel()->cell(0, 0).text, vc.timers().at(0).desc);
        QCOMPARE(row(), listed);
        TimerEngine& engine = *vc.engine();
        QSignalSpy notices(&engine, &TimerEngine::finishNotification);
        QVERIFY(engine.startTimer(id));
        engine.tick(id);
        if (rings.isEmpty()) {
            QCOMPARE(row(), afterTick);
            QCOMPARE(engine.secondsLeft(id), seconds - 1);
            engine.stopAll();
        } else {  // finished: the notice and the row say so, and the right file rings
            QVERIFY2(engine.alertsArray().isEmpty() && row().startsWith("Finished "),
                     qPrintable(row()));
            QVERIFY(notices.size() == 1 && player->isPlaying());
            QCOMPARE(player->player()->duration(), lengths.value(rings));
            QCOMPARE(log.countStartingWith("Playing the default sound"), rings == "Chimes" ? 0 : 1);
        }
        QCOMPARE(log.countStartingWith("Couldn't load sound file"), 0);
        // Shown clamped, kept as stored: nothing was written, and a reload reads it all again.
        vc.reloadTable();
        QCOMPARE(vc.timers().size(), 1);
        QCOMPARE(testing::fingerprint(path), before);
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(resources + "/Sounds"));
        for (const auto& [name, to] :
             {std::pair{"Vintage Alarm Clock", "Sounds/Vintage Alarm Clock"},
              {"Chimes", "Sounds/Chimes"},
              {"Marimba", "bait"}}) {
            QVERIFY(QFile::copy(resourceFolder() + "/Sounds/" + name + ".caf",
                                resources + '/' + to + ".caf"));
            lengths[QFileInfo(to).fileName()] = soundLength(resources + '/' + to + ".caf");
        }
        QCOMPARE(QSet<double>(lengths.begin(), lengths.end()).size(), 3);
        QVERIFY(!lengths.values().contains(-1.0));
    }
    void init() {
        player = std::make_unique<SharedPlayer>(SoundLibrary(resources));
        QFile::remove(home.storePath());
        store = std::make_unique<testing::StoreFixture>(home.storePath());
    }
    void cleanup() {
        player.reset();
        store.reset();
    }

    // One row as the file holds it (desc, duration, snooze, snoozeOn, sound): the seconds list,
    // editor and engine work with, the row before its start, a second after it when still
    // running, else the sound heard as it finished in that second.
    void oneStrangeRowLoadsRunsAndStaysStored() {
        const QString def = "Vintage Alarm Clock";
        const std::tuple<QString, qint64, QString, QString, QString> rows[] = {
            {"NULL, NULL, NULL, NULL, NULL", 0, "0", "", def},
            {"'a', -9223372036854775808, -1, 7, 'Chimes'", 0, "0", "", "Chimes"},
            {"'a', 1e300, 0, 0, 'Chimes'", maxTimerDuration, "36524d  23h  59m 59s",
             "36524d 23:59:58", ""},
            // A sound is a name in the sounds folder, never a path, even with a file behind it.
            {"'a', 1, 0, 0, 'Chimes' || char(0) || '/../bait'", 1, "1s", "", def},
            {"hex(zeroblob(50000)), 61, NULL, NULL, 'Chimes'", 61, "1m 1s", "00:01:00", ""}};
        for (const auto& [values, seconds, listed, afterTick, rings] : rows) {
            cleanup();
            init();
            oneStrangeRow(values, seconds, listed, afterTick, rings);
            if (QTest::currentTestFailed()) return qWarning("in the row %s", qPrintable(values));
        }
    }
    // A drag moves rows and edits nothing: NULLs, durations out of range and ids stay.
    void reorderingKeepsWhatTheFileHeld() {
        const QString path = home.storePath();
        QCOMPARE(testing::sql(path, insert + "(NULL, NULL, NULL, NULL, NULL), ('big', "
                                             "9223372036854775807, 0, 0, '../x'), ('neg', -3, 0, "
                                             "0, 'Chimes')"),
                 QStringList());
        TimerList list;
        QVERIFY(populateArray(list, store->store(), sortNone));
        QVERIFY(dropTimerRows(store->store(), list, {0}, 3).accepted);
        QCOMPARE(testing::sql(path,
                              "SELECT quote(desc) || ' ' || quote(duration) || ' ' || "
                              "quote(sound) || ' ' || id FROM Timers ORDER BY position"),
                 QStringList({"'big' 9223372036854775807 '../x' 2", "'neg' -3 'Chimes' 3",
                              "NULL NULL NULL 1"}));
    }

    void cellsHeightsAndRunningRowsAcrossAReload() {
        testing::ReturningUser user;
        for (auto [desc, secs] : {std::pair("Tea", 180), {"Pasta", 540}, {"Eggs", 90}})
            user.store.addTimer(desc, secs);
        user.file.setValue(PrefKeys::countdownDigits, false);  // counts down in unit letters
        user.file.synchronize();
        ViewController vc(user.prefs, user.player, user.store.store());
        vc.viewDidAppear();
        QCOMPARE(vc.myTable()->rowHeight(0), 38);
        QCOMPARE(rowText(vc, 2), QString("Eggs timer22 14 | 1m 30s - 14"));
        const QModelIndex eggs = vc.tableModel()->index(2, 1);  // what the view paints
        QCOMPARE(eggs.data().toString(), QString("1m 30s"));
        QVERIFY(!eggs.siblingAtColumn(0).data(Qt::DecorationRole).value<QIcon>().isNull());
        // Tea counts down, Pasta is paused, Eggs has finished.
        TimerEngine& engine = *vc.engine();
        const auto id = [&](int row) { return timerId(vc.timers().at(row)); };
        for (int row : {0, 1, 2}) QVERIFY(engine.startTimer(id(row)));
        engine.tick(id(0));
        QVERIFY(engine.pauseTimer(id(1)));
        for (int i = 0; i < 90; ++i) engine.tick(id(2));
        engine.silence();
        QCOMPARE(rowText(vc, 0), QString("Tea timerfull22 14 | 2m 59s timerfull22 16"));
        QCOMPARE(rowText(vc, 1), QString("Pasta timerfull22 14 | Paused 9m timerfull22 14"));
        const QRegularExpression finished("^Eggs timerfull22 14 \\| Finished \\d.* - 14$");
        QVERIFY2(finished.match(rowText(vc, 2)).hasMatch(), qPrintable(rowText(vc, 2)));
        const QString eggsId = id(2);
        QCOMPARE(engine.stateOf(eggsId), TimerState::Finished);
        // Sorted anew: each running timer learns its new row, the selection keeps its number.
        vc.myTable()->selectRowExactly(1);
        testing::changeSettings(user.prefs, [](Settings& s) {
            s.sort = sortDuration;  // Eggs, Tea, Pasta
            s.largeRows = false;
        });
        vc.reloadTable();
        QCOMPARE(rowText(vc, 0), QString("Eggs timer22 14 | 1m 30s - 14"));
        QCOMPARE(engine.stateOf(eggsId), TimerState::Stopped);  // its finish is drawn no more
        QCOMPARE(rowText(vc, 1), QString("Tea timerfull22 14 | 2m 59s timerfull22 16"));
        QCOMPARE(rowText(vc, 2), QString("Pasta timerfull22 14 | 9m - 14"));
        engine.tick(id(1));  // Tea's tick finds its new row
        QCOMPARE(rowText(vc, 1), QString("Tea timerfull22 14 | 2m 58s timerfull22 16"));
        QCOMPARE(vc.myTable()->selectedRows(), QList<int>{1});
        QCOMPARE(vc.myTable()->rowHeight(2), 32);
    }

    void onlyADropBetweenRowsOfAStillListMovesThem() {
        testing::ReturningUser user;
        for (int i = 0; i < 5; ++i) user.store.addTimer(QString::number(i), 60);
        // All 60 s: store order, but not custom.
        testing::changeSettings(user.prefs, [](Settings& s) { s.sort = sortDuration; });
        TimerList list;
        QVERIFY(populateArray(list, user.store.store(), sortDuration));
        TimerTableView view;
        auto* model = new TimerTableModel(user.prefs, list, &view);
        model->setStore(&user.store.store());
        view.setModel(model);
        model->reloadData();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // Drops rows just inside row's top (+dy): 1 taken, 0 refused, -1 shown otherwise.
        const auto drop = [&](const QByteArray& rows, int row, int dy = 0) {
            QMimeData data;
            data.setData(rowsMimeType, rows);
            const QPoint pos(40, view.rowViewportPosition(row) + 2 + dy);
            QDragEnterEvent enter(pos, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDragMoveEvent move(pos, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDropEvent event(pos, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
            for (QEvent* e : std::initializer_list<QEvent*>{&enter, &move, &event})
                QCoreApplication::sendEvent(view.viewport(), e);
            const int taken = move.isAccepted() == event.isAccepted() ? event.isAccepted() : -1;
            QStringList texts{QString::number(taken)};
            for (int r = 0; r < model->rowCount(); ++r) texts << model->cell(r, 0).text;
            return texts.join(' ');
        };
        QCOMPARE(drop("0", 2, view.rowHeight(2) / 2), "0 0 1 2 3 4");  // onto a row
        for (const QByteArray bad : {"", "abc", "-1", "5", "1.0"})
            QCOMPARE(drop(bad, 0), "0 0 1 2 3 4");
        QCOMPARE(drop("4", 0), "1 4 0 1 2 3");
        QCOMPARE(drop("1\n2\n3\n4", 0), "1 0 1 2 3 4");
        view.selectRowsExactly({0, 2});
        std::unique_ptr<QMimeData> dragged(
            model->mimeData(view.selectionModel()->selectedIndexes()));
        QCOMPARE(drop(dragged->data(rowsMimeType), 4), "1 1 3 0 2 4");
        QCOMPARE(view.selectedRows(), QList<int>({2, 3}));
        QCOMPARE(user.prefs.settings().sort, sortNone);  // for this run
        list.clear();
        model->reloadData();
        QCOMPARE(drop("0", 0), "0");  // an empty list takes none
    }
};

QTEST_MAIN(TestTimerListView)
#include "tst_timerlistview.moc"
