// Reading typed durations: what people type, and what must be refused
// rather than guessed at.
#include <QTest>

#include "editing/DurationParser.h"

using namespace dunok;

Q_DECLARE_METATYPE(dunok::DurationProblem)

class TestDurationParser : public QObject {
    Q_OBJECT

private slots:
    void readsWhatUsersType_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("seconds");
        // Clock form: the last field is seconds.
        QTest::newRow("m:ss") << "1:30" << qint64(90);
        QTest::newRow("h:mm:ss") << "1:02:03" << qint64(3723);
        QTest::newRow("minutes past an hour") << "90:00" << qint64(5400);
        QTest::newRow("leading zeros") << "00:00:05" << qint64(5);
        QTest::newRow("clock, 59 in both") << "0:59:59" << qint64(3599);
        // Units.
        QTest::newRow("seconds") << "90s" << qint64(90);
        QTest::newRow("hours and minutes") << "1h 5m" << qint64(3900);
        QTest::newRow("no blanks") << "1h5m30s" << qint64(3930);
        QTest::newRow("hours") << "2h" << qint64(7200);
        QTest::newRow("days") << "1d 2h" << qint64(93600);
        QTest::newRow("any order") << "30s 2m" << qint64(150);
        QTest::newRow("words") << "2 hours 30 minutes" << qint64(9000);
        QTest::newRow("short words") << "1hr 5min 10sec" << qint64(3910);
        QTest::newRow("commas") << "1h, 30m" << qint64(5400);
        QTest::newRow("decimal hours") << "1.5h" << qint64(5400);
        QTest::newRow("decimal minutes") << "2.5 min" << qint64(150);
        QTest::newRow("fraction only") << ".5m" << qint64(30);
        QTest::newRow("zero fraction of a second") << "90.0" << qint64(90);
        // Bare numbers.
        QTest::newRow("bare number is seconds") << "45" << qint64(45);
        QTest::newRow("bare after hours is minutes") << "1h 30" << qint64(5400);
        QTest::newRow("bare after minutes is seconds") << "5m 30" << qint64(330);
        QTest::newRow("bare after days is hours") << "1d 6" << qint64(108000);
        // Case and blanks.
        QTest::newRow("upper case") << "1H 5M" << qint64(3900);
        QTest::newRow("shouted words") << "2 HOURS" << qint64(7200);
        QTest::newRow("surrounding blanks") << "  \t90s \n" << qint64(90);
        QTest::newRow("no-break space") << QString("1h\u00a05m") << qint64(3900);
        QTest::newRow("blank between number and unit") << "5 m" << qint64(300);
        // The longest that is still allowed.
        QTest::newRow("a year in days") << "365d" << qint64(365) * 86400;
    }
    void readsWhatUsersType() {
        QFETCH(QString, text);
        QFETCH(qint64, seconds);
        const DurationReading reading = parseDuration(text);
        QCOMPARE(reading.problem, DurationProblem::none);
        QVERIFY(reading.ok());
        QCOMPARE(reading.seconds, seconds);
    }

    void refusesWhatItCannotRead_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<DurationProblem>("problem");
        QTest::newRow("nothing") << "" << DurationProblem::empty;
        QTest::newRow("blanks") << "   \t " << DurationProblem::empty;

        QTest::newRow("words") << "soon" << DurationProblem::unreadable;
        QTest::newRow("unknown unit") << "5x" << DurationProblem::unreadable;
        QTest::newRow("unit alone") << "h" << DurationProblem::unreadable;
        QTest::newRow("negative") << "-5" << DurationProblem::unreadable;
        QTest::newRow("plus sign") << "+5" << DurationProblem::unreadable;
        QTest::newRow("unit twice") << "1h 1h" << DurationProblem::unreadable;
        QTest::newRow("bare number not last") << "30 1h" << DurationProblem::unreadable;
        QTest::newRow("two bare numbers") << "1 30" << DurationProblem::unreadable;
        QTest::newRow("bare after seconds") << "1m 30s 5" << DurationProblem::unreadable;
        QTest::newRow("bare after its unit is taken")
            << "1h 30m 10s 4" << DurationProblem::unreadable;
        QTest::newRow("fraction of a second") << "1.5s" << DurationProblem::unreadable;
        QTest::newRow("bare fraction") << "1.5" << DurationProblem::unreadable;
        QTest::newRow("two points") << "1.5.3h" << DurationProblem::unreadable;
        QTest::newRow("point alone") << ".h" << DurationProblem::unreadable;
        QTest::newRow("too many places") << "1.0000000000h" << DurationProblem::unreadable;
        QTest::newRow("other digits") << QString("\u0665m") << DurationProblem::unreadable;
        QTest::newRow("accented unit") << QString("5m\u00e9") << DurationProblem::unreadable;

        QTest::newRow("seconds field 60") << "1:60" << DurationProblem::unreadable;
        QTest::newRow("one-digit field") << "1:5" << DurationProblem::unreadable;
        QTest::newRow("four fields") << "1:00:00:00" << DurationProblem::unreadable;
        QTest::newRow("empty first field") << ":30" << DurationProblem::unreadable;
        QTest::newRow("empty last field") << "1:" << DurationProblem::unreadable;
        QTest::newRow("double colon") << "1::30" << DurationProblem::unreadable;
        QTest::newRow("clock with a unit") << "1:30s" << DurationProblem::unreadable;
        QTest::newRow("blank inside clock") << "1 :30" << DurationProblem::unreadable;

        QTest::newRow("zero") << "0" << DurationProblem::zero;
        QTest::newRow("zero clock") << "0:00" << DurationProblem::zero;
        QTest::newRow("zero units") << "0h 0m 0s" << DurationProblem::zero;

        QTest::newRow("a year and a second") << "365d 1s" << DurationProblem::tooLong;
        QTest::newRow("many hours") << "9000h" << DurationProblem::tooLong;
        QTest::newRow("beyond 64 bits") << "99999999999999999999999" << DurationProblem::tooLong;
        QTest::newRow("huge clock") << "99999999999999999999:00:00" << DurationProblem::tooLong;
        QTest::newRow("huge sum") << "9223372036854775807s 9223372036854775807m"
                                  << DurationProblem::tooLong;
        // Unreadable beats too long: the user is told what is wrong first.
        QTest::newRow("huge and garbage")
            << "99999999999999999999 x" << DurationProblem::unreadable;
    }
    void refusesWhatItCannotRead() {
        QFETCH(QString, text);
        QFETCH(DurationProblem, problem);
        const DurationReading reading = parseDuration(text);
        QCOMPARE(reading.problem, problem);
        QVERIFY(!reading.ok());
    }
};

QTEST_APPLESS_MAIN(TestDurationParser)
#include "tst_durationparser.moc"
