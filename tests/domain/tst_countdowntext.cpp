// Durations as the user reads and types them.
#include <QTest>

#include "domain/CountdownText.h"
#include "domain/DurationParser.h"

using namespace dunok;
using P = DurationProblem;

Q_DECLARE_METATYPE(dunok::DurationProblem)

class TestCountdownText : public QObject {
    Q_OBJECT
private slots:
    void bothForms() {
        // seconds|unit form|clock form; the blanks at the end of "1h " and "1d " matter.
        const QString rows =
            "-1|0|00:00:00;0|0|00:00:00;59|59s|00:00:59;60|1m|00:01:00;61|1m 1s|00:01:01;"
            "3600|1h |01:00:00;3601|1h  1s|01:00:01;86399|23h  59m 59s|23:59:59;"
            "86400|1d |1d 00:00:00;90000|1d  1h |1d 01:00:00;200000|2d  7h  33m 20s|2d 07:33:20";
        for (const QString& row : rows.split(';')) {
            const QStringList f = row.split('|');
            QCOMPARE(toDHMS(f[0].toLongLong()) + "|" + toDHMS2(f[0].toLongLong(), true),
                     f[1] + "|" + f[2]);
        }
    }
    void readsWhatUsersType_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<DurationProblem>("problem");
        // A bare number counts in the unit below the one before it, or seconds when alone.
        const std::pair<const char*, qint64> readable[] = {
            {"1:02:03", 3723}, {"90:00", 5400}, {"1h5m30s", 3930},    {"2 hours 30 minutes", 9000},
            {"1H, 30M", 5400}, {"1.5h", 5400},  {"45", 45},           {"1h 30", 5400},
            {"5m 30", 330},    {" \t90s ", 90}, {"1h\u00a05m", 3900}, {"365d", 365 * 86400}};
        for (const auto& [text, seconds] : readable)
            QTest::newRow(text) << QString(text) << seconds << P::none;
        const auto refused = [](P problem, std::initializer_list<const char*> texts) {
            for (const char* text : texts)
                QTest::newRow(text) << QString(text) << qint64(0) << problem;
        };
        refused(P::empty, {"", " \t"});
        refused(P::unreadable, {"soon", "--5", "-soon", "1h 1h", "30 1h", "1.5s", "1:60", "1:5"});
        // Meant as durations, outside what a timer can run: one answer for all.
        refused(P::outOfRange, {"0", "0:00", "-5m", " -1:30", "365d 1s", "99999999999999999999999",
                                "9223372036854775807s 9223372036854775807m"});
        refused(P::unreadable, {"99999999999999999999 x"});  // told before its length
    }
    void readsWhatUsersType() {
        QFETCH(QString, text);
        const DurationReading reading = parseDuration(text);
        QTEST(reading.problem, "problem");
        QCOMPARE(reading.ok(), reading.problem == P::none);
        if (reading.ok()) QTEST(reading.seconds, "seconds");
    }
};

QTEST_GUILESS_MAIN(TestCountdownText)
#include "tst_countdowntext.moc"
