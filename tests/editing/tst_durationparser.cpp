// Reading typed durations: what people type, and what is refused rather than guessed.
#include <QTest>

#include "editing/DurationParser.h"

using namespace dunok;
using P = DurationProblem;

Q_DECLARE_METATYPE(dunok::DurationProblem)

class TestDurationParser : public QObject {
    Q_OBJECT

private slots:
    void readsWhatUsersType_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<DurationProblem>("problem");
        // A clock's last field is seconds; a bare number counts in the unit below
        // the one before it, or seconds when alone.
        const std::pair<const char*, qint64> readable[] = {
            {"1:30", 90},         {"1:02:03", 3723},    {"90:00", 5400},
            {"1h5m30s", 3930},    {"1d 2h", 93600},     {"2 hours 30 minutes", 9000},
            {"1H, 30M", 5400},    {"1.5h", 5400},       {"45", 45},
            {"1h 30", 5400},      {"5m 30", 330},       {" \t90s ", 90},
            {"1h\u00a05m", 3900}, {"365d", 365 * 86400}};
        for (const auto& [text, seconds] : readable)
            QTest::newRow(text) << QString(text) << seconds << P::none;
        const auto refused = [](P problem, std::initializer_list<const char*> texts) {
            for (const char* text : texts)
                QTest::newRow(text) << QString(text) << qint64(0) << problem;
        };
        refused(P::empty, {"", " \t"});
        refused(P::unreadable, {"soon", "-5", "1h 1h", "30 1h", "1.5s", "1:60", "1:5"});
        refused(P::zero, {"0", "0:00"});
        refused(P::tooLong, {"365d 1s", "99999999999999999999999",
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

QTEST_APPLESS_MAIN(TestDurationParser)
#include "tst_durationparser.moc"
