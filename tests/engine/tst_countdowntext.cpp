// Durations and countdowns as the user reads them, and finish times in the local zone.
#include <unicode/timezone.h>

#include <QTest>
#include <ctime>

#include "engine/CountdownText.h"

using namespace dunok;

class TestCountdownText : public QObject {
    Q_OBJECT

private slots:
    void bothForms_data() {
        QTest::addColumn<qint64>("secs");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("clock");
        // seconds|unit form|clock form; the blanks at the end of "1h " and "1d " matter.
        const QString rows =
            "-90061|0|00:00:00;-1|0|00:00:00;0|0|00:00:00;1|1s|00:00:01;59|59s|00:00:59;"
            "60|1m|00:01:00;61|1m 1s|00:01:01;90|1m 30s|00:01:30;3599|59m 59s|00:59:59;"
            "3600|1h |01:00:00;3601|1h  1s|01:00:01;3661|1h  1m 1s|01:01:01;36000|10h |10:00:00;"
            "86399|23h  59m 59s|23:59:59;86400|1d |1d 00:00:00;90000|1d  1h |1d 01:00:00;"
            "90061|1d  1h  1m 1s|1d 01:01:01;200000|2d  7h  33m 20s|2d 07:33:20";
        for (const QString& row : rows.split(';')) {
            const QStringList f = row.split('|');
            QTest::newRow(qPrintable(row)) << f[0].toLongLong() << f[1] << f[2];
        }
    }
    void bothForms() {
        QFETCH(qint64, secs);
        QFETCH(QString, units);
        QFETCH(QString, clock);
        QCOMPARE(toDHMS(secs), units);
        QCOMPARE(toDHMS2(secs, true), clock);
    }

    void finishTimeIsInTheProcessTimeZone() {
        qputenv("TZ", "Asia/Tokyo");
        tzset();
        icu::TimeZone::adoptDefault(icu::TimeZone::createTimeZone("Asia/Tokyo"));
        const QDateTime t = QDateTime::fromSecsSinceEpoch(1710496845, Qt::UTC);  // 10:00:45 UTC
        QCOMPARE(mediumTimeStr(t, "de-DE"), QString("19:00:45"));
        QVERIFY(mediumDateTimeStr(t, "de-DE").contains("15.03.2024"));
    }
};

QTEST_GUILESS_MAIN(TestCountdownText)
#include "tst_countdowntext.moc"
