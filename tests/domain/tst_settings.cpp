// The preferences table: the window and the command line read the same
// settings from one file, whatever a hand edit left in it, and every key
// written comes back as it was in a fresh reader.
#include <QTest>

#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/Settings.h"
#include "storage/TimerStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {

// "key=value" for every key of the table, so that a failure names the key.
QStringList dump(const Settings& settings) {
    QStringList lines;
    for (const SettingKey& entry : settingKeys())
        std::visit(
            [&](auto member) {
                const auto& value = settings.*member;
                QString text;
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::optional<QString>>)
                    text = value.value_or("<none>");
                else
                    text = QVariant::fromValue(value).toString();
                lines << entry.key + "=" + text;
            },
            entry.field);
    return lines;
}

// Another value of the entry's field that its rule accepts.
void changeOne(Settings& settings, const SettingKey& entry) {
    std::visit(
        [&](auto member) {
            auto& value = settings.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>)
                value = !value;
            else if constexpr (std::is_same_v<T, int>)
                value = entry.choices.isEmpty() ? value + 1 : entry.choices.back();
            else if constexpr (std::is_same_v<T, double>)
                value = 0.7;
            else
                value = QStringLiteral("Chimes, loud");
        },
        entry.field);
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;

    QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
    }
    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(home->prefsPath()).path());
        QFile file(home->prefsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void init() { home = std::make_unique<testing::TestHome>(); }

    void commandLineReadsWhatTheWindowReads_data() {
        QTest::addColumn<QByteArray>("file");  // "<missing>": no file at all
        QTest::newRow("no file") << QByteArray("<missing>");
        QTest::newRow("empty file") << QByteArray("\n");
        QTest::newRow("binary junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        // Set aside by a start, which then finds an empty file: not read as it stands.
        QTest::newRow("settings with a NUL byte")
            << QByteArray("[General]\nhavePrefs=100\nprefsSort=2\n\0\n", 38);
        QTest::newRow("only the marker") << QByteArray("[General]\nhavePrefs=100\n");
        QTest::newRow("marker 0") << QByteArray("[General]\nhavePrefs=0\nprefsSort=2\n");
        QTest::newRow("damaged marker") << QByteArray("[General]\nhavePrefs=?\nprefsSort=2\n");
        QTest::newRow("garbage") << QByteArray(
            "[General]\nhavePrefs=100\nprefsSort=x\nprefsVolume=loud\n"
            "prefsNewDatabase=maybe\nprefsKeepTimers=\nprefsRepeatLimit=abc\n"
            "prefsLargeRows=sure\nprefsCountdownDigits=nan\n");
        QTest::newRow("out of range") << QByteArray(
            "[General]\nhavePrefs=100\nprefsSort=9\nprefsVolume=1.5\n"
            "prefsRepeatLimit=7\nprefsKeepTimers=yes\nprefsNewDatabase=1\n");
        QTest::newRow("below range") << QByteArray(
            "[General]\nhavePrefs=100\nprefsVolume=-0.1\nprefsRepeatLimit=15.9\n"
            "prefsDefSound=Chimes, loud\n");
    }
    void commandLineReadsWhatTheWindowReads() {
        QFETCH(QByteArray, file);
        if (file != "<missing>") writeFile(file);

        // The command line first, since the window's start rewrites the file.
        const SettingsRead offline = readSettings(*PreferenceStore::forReading(home->prefsPath()));
        QCOMPARE(bytesOf(home->prefsPath()), file);  // not a byte changed, nothing made
        QCOMPARE(QFileInfo::exists(QFileInfo(home->prefsPath()).path()), file != "<missing>");

        PreferenceStore store(home->prefsPath());
        Preferences prefs(&store);
        prefs.load();
        Settings expected = offline.settings;
        // With no sound stored, a start keeps the one it began with.
        if (!expected.defSound) expected.defSound = Constants::defSound;
        QCOMPARE(dump(prefs.settings()), dump(expected));
    }

    // Each key changed alone, so that two keys sharing a field or a name show.
    void everyKeyReadsBackAsWritten() {
        PreferenceStore prefs(home->prefsPath());
        QVERIFY(writeFirstRun(prefs, firstRunSettings()));
        for (const SettingKey& entry : settingKeys()) {
            Settings changed = firstRunSettings();
            changeOne(changed, entry);
            QVERIFY2(!(changed == firstRunSettings()), qPrintable(entry.key));
            QVERIFY(writeSettings(prefs, changed));
            const SettingsRead read = readSettings(PreferenceStore(home->prefsPath()));
            QVERIFY2(read.badKeys.isEmpty(), qPrintable(entry.key));
            QCOMPARE(dump(read.settings), dump(changed));
            QVERIFY(writeSettings(prefs, firstRunSettings()));
        }
    }

    // The sort command and the sheet write their own keys and no others.
    void partialWritesLeaveOtherKeys() {
        writeFile("[General]\nhavePrefs=100\nprefsVolume=loud\n");
        PreferenceStore prefs(home->prefsPath());
        Settings settings = firstRunSettings();
        settings.sort = sortDesc;
        QVERIFY(writeSettings(prefs, settings, {PrefKeys::sort}));
        const PreferenceStore next(home->prefsPath());
        QCOMPARE(next.text(PrefKeys::volume), QString("loud"));
        QCOMPARE(next.integer(PrefKeys::sort), qint64(sortDesc));
        QVERIFY(!next.contains(PrefKeys::bringToFront));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
