// Timer files: what an export writes reads back as the same timers, routines
// included, and any fault in a file refuses all of it, saying where.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "domain/TimerFile.h"
#include "domain/TimerModel.h"
#include "support/domain/Fakes.h"

using namespace dunok;
using testing::MemoryRepository;

namespace {
bool everySoundKnown(const QString&) {
    return true;
}

QByteArray fileWith(const QJsonArray& timers, int version = 1) {
    return QJsonDocument(
               QJsonObject{{"format", "dunok-timers"}, {"version", version}, {"timers", timers}})
        .toJson();
}

QJsonObject entry(const QString& desc, const QJsonValue& seconds = 60) {
    return {{"description", desc}, {"seconds", seconds}};
}

QJsonObject startsNext(QJsonObject entry, const QString& next) {
    entry.insert("whenFinished", QJsonObject{{"then", "start"}, {"timer", next}});
    return entry;
}

// The fields the user sets, as one comparable line.
QString fieldsOf(const Timer& t) {
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
        .arg(t.desc)
        .arg(t.duration)
        .arg(t.sound)
        .arg(t.snoozeOn)
        .arg(t.snooze)
        .arg(t.warnBefore)
        .arg(int(t.then))
        .arg(t.rounds);
}
}  // namespace

class TestTimerFile : public QObject {
    Q_OBJECT
private slots:
    // Every field, a repeat, and a chain that loops back (Work → Break →
    // Work, four rounds) come back as they went out, in the same order, with
    // the chain pointing at the new ids.
    void aRoundTripKeepsEveryField() {
        MemoryRepository from;
        Timer work = newTimer("Work “deep” — 集中", 1500, "Bell");
        work.snoozeOn = true;
        work.snooze = 7 * 60;
        work.warnBefore = 2;
        work.rounds = 4;
        Timer rest = newTimer("Break", 300, "Chimes");
        Timer stretch = newTimer("Stretch", maxTimerDuration, "Tick");
        stretch.then = WhenFinished::Repeat;
        stretch.rounds = 0;
        Timer plain = newTimer("", 0, "Chimes");
        QList<Timer> timers{work, rest, stretch, plain};
        QVERIFY(from.add(timers, nullptr));
        from.kept[0].then = WhenFinished::Start;
        from.kept[0].next = from.kept[1].id;
        from.kept[1].then = WhenFinished::Start;
        from.kept[1].next = from.kept[0].id;

        MemoryRepository to;
        to.addTimer("Tea", 120);
        const ImportResult result =
            importTimers(timerFileText(from.kept), to, {"Tea"}, "Chimes", everySoundKnown);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(to.kept.size(), 5);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(fieldsOf(to.kept.at(i + 1)), fieldsOf(from.kept.at(i)));
        QCOMPARE(to.kept.at(1).next, to.kept.at(2).id);
        QCOMPARE(to.kept.at(2).next, to.kept.at(1).id);
        QCOMPARE(result.timers.first().id, to.kept.at(1).id);
    }

    // Timers that share a name stay apart by their place, through an export
    // and through a rename on import.
    void aChainFindsItsTimerAmongNamesakes() {
        MemoryRepository from;
        from.addTimer("Work", 1500);
        from.addTimer("Break", 300);
        from.addTimer("Break", 900);
        from.kept[0].then = WhenFinished::Start;
        from.kept[0].next = from.kept[2].id;  // the long break
        // A chain to a timer that is gone is written as a plain stop.
        from.kept[1].then = WhenFinished::Start;
        from.kept[1].next = 999;

        MemoryRepository to;
        to.addTimer("Break", 60);
        const ImportResult result =
            importTimers(timerFileText(from.kept), to, {"Break"}, "Chimes", everySoundKnown);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(to.descriptions(), QStringList({"Break", "Work", "Break 2", "Break 3"}));
        QCOMPARE(to.kept.at(1).next, to.kept.at(3).id);
        QCOMPARE(to.kept.at(3).duration, 900);
        QCOMPARE(to.kept.at(2).then, WhenFinished::Stop);
    }

    // A file from elsewhere: keys left out read as the defaults, keys this
    // version does not know are passed over, the sounds missing here are
    // named once.
    void aSparseFileReadsWithDefaults() {
        QJsonObject tea = entry("Tea", 180);
        tea.insert("colour", "green");
        tea.insert("sound", "Gong");
        QJsonObject egg = entry("Egg", 420);
        egg.insert("sound", "Gong");
        QByteArray file = fileWith({tea, egg, entry("Rice", 1200)});
        file.replace("\"format\"", "\"comment\": \"mine\", \"format\"");
        MemoryRepository to;
        const ImportResult result = importTimers(
            file, to, {}, "Bell", [](const QString& sound) { return sound != "Gong"; });
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.unknownSounds, QStringList{"Gong"});
        const Timer& rice = to.kept.at(2);
        QCOMPARE(rice.sound, "Bell");
        QVERIFY(!rice.snoozeOn);
        QCOMPARE(rice.snooze, defSnoozeDuration);
        QCOMPARE(rice.then, WhenFinished::Stop);
        QVERIFY(importedText(result, "Bell").contains("“Gong”"));
    }

    void aBadFileIsRefusedSayingWhere_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("says");
        QTest::newRow("not JSON, saying where")
            << QByteArray("{\"format\": \"dunok-timers\",\n  \"version\" 1}") << "line 2";
        QTest::newRow("another format")
            << QByteArray(R"({"format": "recipes", "version": 1, "timers": []})") << "“format”";
        QTest::newRow("newer version") << fileWith({entry("Tea")}, 2) << "version 2";
        QTest::newRow("no list") << QByteArray(R"({"format": "dunok-timers", "version": 1})")
                                 << "“timers”";
        QTest::newRow("negative duration")
            << fileWith({entry("Tea"), entry("Egg", -5)}) << "Timer 2 (“Egg”): “seconds”";
        QTest::newRow("no description")
            << fileWith({QJsonObject{{"seconds", 60}}}) << "Timer 1: “description”";
        QTest::newRow("long description")
            << fileWith({entry(QString(1001, 'x'))}) << "longer than 1,000 characters";
        QJsonObject path = entry("Tea");
        path.insert("sound", "../../etc/passwd");
        QTest::newRow("sound as a path") << fileWith({path}) << "not a path";
        QJsonObject snooze = entry("Tea");
        snooze.insert("snooze", QJsonObject{{"on", true}, {"minutes", 0}});
        QTest::newRow("snooze of no minutes") << fileWith({snooze}) << "“snooze”";
        QJsonObject warn = entry("Tea");
        warn.insert("warnBefore", 3);
        QTest::newRow("heads-up of 3 minutes") << fileWith({warn}) << "“warnBefore”";
        QJsonObject then = entry("Tea");
        then.insert("whenFinished", QJsonObject{{"then", "explode"}});
        QTest::newRow("unknown then") << fileWith({then}) << "“then”";
        QJsonObject times = entry("Tea");
        times.insert("whenFinished", QJsonObject{{"then", "repeat"}, {"times", 100}});
        QTest::newRow("100 rounds") << fileWith({times}) << "“times”";
        QTest::newRow("chain out of the file")
            << fileWith({entry("Break"), startsNext(entry("Work"), "Lunch")})
            << "Timer 2 (“Work”): it starts “Lunch”";
        QJsonObject wrongIndex = startsNext(entry("Work"), "Break");
        QJsonObject when = wrongIndex.value("whenFinished").toObject();
        when.insert("index", 0);  // Work, not Break
        wrongIndex.insert("whenFinished", when);
        QTest::newRow("chain index to another name")
            << fileWith({wrongIndex, entry("Break")}) << "it starts “Break”";
        QJsonArray many;
        for (int i = 0; i < 10000; ++i) many.append(entry(QString::number(i)));
        QTest::newRow("10,000 timers") << fileWith(many) << "10,000 timers";
        QTest::newRow("100 MB") << QByteArray(100 * 1024 * 1024, ' ') << "100 MB";
    }
    // Nothing of a bad file is stored, not even the timers before the fault.
    void aBadFileIsRefusedSayingWhere() {
        QFETCH(QByteArray, file);
        QFETCH(QString, says);
        MemoryRepository to;
        to.addTimer("Tea", 120);
        const ImportResult result = importTimers(file, to, {"Tea"}, "Chimes", everySoundKnown);
        QVERIFY(!result.ok());
        QVERIFY(!result.storeRefused);
        QVERIFY2(result.error.contains(says), qPrintable(result.error));
        QCOMPARE(to.descriptions(), QStringList{"Tea"});
    }

    void aStoreThatRefusesAddsNothing() {
        MemoryRepository to;
        to.refuseNext(1);
        const ImportResult result =
            importTimers(fileWith({entry("Tea")}), to, {}, "Chimes", everySoundKnown);
        QVERIFY(result.storeRefused);
        QCOMPARE(result.storeError.description, MemoryRepository::refusal);
        QVERIFY(to.kept.isEmpty());
    }

    // The file on disk: what cannot be read is named, a file too large is
    // refused before it is read, and an export that cannot be written leaves
    // nothing behind and the old file as it was.
    void filesThatCannotBeReadOrWritten() {
        QTemporaryDir dir;
        QByteArray read;
        QString error;
        QVERIFY(!readTimerFileAt(dir.filePath("absent.json"), &read, &error));
        QVERIFY(error.contains("absent.json"));
        QVERIFY(!readTimerFileAt(dir.path(), &read, &error));
        QVERIFY(error.contains("folder"));
        QFile huge(dir.filePath("huge.json"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(100LL * 1024 * 1024));
        huge.close();
        QVERIFY(!readTimerFileAt(huge.fileName(), &read, &error));
        QVERIFY2(error.contains("100 MB"), qPrintable(error));
        QVERIFY(read.isEmpty());
        // A device has no size to check beforehand; its reading stops anyway.
        QVERIFY(!readTimerFileAt("/dev/zero", &read, &error));
        QVERIFY(read.isEmpty());

        const QString kept = dir.filePath("timers.json");
        QVERIFY(writeTimerFileAt(kept, "old", &error));
        QVERIFY(!writeTimerFileAt(dir.filePath("absent/timers.json"), "new", &error));
        QVERIFY(error.contains("absent/timers.json"));
        // A folder that takes no new file: nothing half-written appears.
        QVERIFY(!writeTimerFileAt("/proc/timers.json", "new", &error));
        QVERIFY(!QFile::exists("/proc/timers.json"));
        QVERIFY(readTimerFileAt(kept, &read, &error));
        QCOMPARE(read, QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList({"huge.json", "timers.json"}));
    }
};

QTEST_GUILESS_MAIN(TestTimerFile)
#include "tst_timerfile.moc"
