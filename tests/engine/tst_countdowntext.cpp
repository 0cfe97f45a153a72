// The duration texts of the list and the countdown, and the finish-time
// texts in the user's locale.
#include <unicode/timezone.h>

#include <QTest>
#include <ctime>

#include "engine/CountdownText.h"

using namespace dunok;

namespace {
void useTimeZone(const char* tz) {
    qputenv("TZ", tz);
    tzset();
    // ICU reads the zone once; later changes must be handed to it.
    icu::TimeZone::adoptDefault(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(tz)));
}

// 2024-03-15 10:00:45 UTC.
const QDateTime morning = QDateTime::fromSecsSinceEpoch(1710496845, Qt::UTC);
}  // namespace

class TestCountdownText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useTimeZone("UTC"); }

    void bothForms_data() {
        QTest::addColumn<qint64>("secs");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("clock");
        const struct {
            qint64 secs;
            const char *units, *clock;
        } rows[] = {{0, "0", "00:00:00"},
                    {1, "1s", "00:00:01"},
                    {59, "59s", "00:00:59"},
                    {60, "1m", "00:01:00"},
                    {61, "1m 1s", "00:01:01"},
                    {90, "1m 30s", "00:01:30"},
                    {3599, "59m 59s", "00:59:59"},
                    {3600, "1h ", "01:00:00"},
                    {3601, "1h  1s", "01:00:01"},
                    {3661, "1h  1m 1s", "01:01:01"},
                    {4500, "1h  15m", "01:15:00"},
                    {7200, "2h ", "02:00:00"},
                    {36000, "10h ", "10:00:00"},
                    {86399, "23h  59m 59s", "23:59:59"},
                    {86400, "1d ", "1d 00:00:00"},
                    {90000, "1d  1h ", "1d 01:00:00"},
                    {90061, "1d  1h  1m 1s", "1d 01:01:01"},
                    {200000, "2d  7h  33m 20s", "2d 07:33:20"}};
        for (const auto& r : rows)
            QTest::addRow("%lld", r.secs) << r.secs << QString(r.units) << QString(r.clock);
    }
    void bothForms() {
        QFETCH(qint64, secs);
        QFETCH(QString, units);
        QFETCH(QString, clock);
        QCOMPARE(toDHMS(secs), units);
        QCOMPARE(toDHMS2(secs, true), clock);
    }

    void unpaddedAndPastTheEnd() {
        // Zero parts in front are left out, but a zero minute after the hours stays.
        QCOMPARE(toDHMS2(61, false), QString("01:01"));
        QCOMPARE(toDHMS2(3605, false), QString("01:00:05"));
        QCOMPARE(toDHMS2(86400, false), QString("1d "));
        QCOMPARE(toDHMS(-1), QString("0"));
        QCOMPARE(toDHMS(-90061), QString("0"));
        QCOMPARE(toDHMS2(-61, true), QString("00:00:00"));
    }

    void mediumStylesInLocales() {
        const QString us = mediumTimeStr(morning, "en-US");
        QVERIFY2(us.startsWith("10:00:45") && us.endsWith("AM"), qPrintable(us));
        // Current ICU data puts a narrow no-break space (U+202F) before "AM",
        // older data a plain one; users see a gap either way.
        QVERIFY(us.at(us.size() - 3).isSpace());
        QCOMPARE(mediumTimeStr(morning, "de-DE"), QString("10:00:45"));
        const QString later = mediumTimeStr(morning.addSecs(5 * 3600), "en-US");
        QVERIFY2(later.startsWith("3:00:45") && later.endsWith("PM"), qPrintable(later));

        const QString usDate = mediumDateTimeStr(morning, "en-US");
        for (const char* part : {"Mar", "15", "2024", "10:00:45", "AM"})
            QVERIFY2(usDate.contains(part), qPrintable(usDate));
        const QString deDate = mediumDateTimeStr(morning, "de-DE");
        QVERIFY2(deDate.contains("15.03.2024") && deDate.contains("10:00:45"), qPrintable(deDate));
    }

    void followsTheProcessTimeZone() {
        useTimeZone("Asia/Tokyo");
        const QString tokyo = mediumTimeStr(morning, "de-DE");
        useTimeZone("UTC");
        QCOMPARE(tokyo, QString("19:00:45"));
    }
};

QTEST_GUILESS_MAIN(TestCountdownText)
#include "tst_countdowntext.moc"
