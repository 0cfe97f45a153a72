// The preferences sheet: Save writes every setting, Close none; the pop-up acts at once.
#include <QtTest>
#include <QtWidgets>

#include "desktop/Autostart.h"
#include "domain/Constants.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "support/TestEnvironment.h"
#include "ui/MessageBox.h"
#include "ui/PrefsController.h"

using namespace dunok;

class TestPrefsController : public QObject {
    Q_OBJECT

    testing::TestHome home;
    std::unique_ptr<PreferenceStore> store;
    std::unique_ptr<Preferences> prefs;

    // What the next run reads from the file alone.
    QList<double> inFile() {
        const PreferenceStore next(home.prefsPath());
        QList<double> values;
        for (const QString& key :
             {PrefKeys::hideWhenTimerStarts, PrefKeys::bringToFront, PrefKeys::sendNotification,
              PrefKeys::largeRows, PrefKeys::quietWithMouse, PrefKeys::countdownDigits,
              PrefKeys::repeatAlarm})
            values << next.boolean(key);
        return values << next.floating(PrefKeys::volume) << next.integer(PrefKeys::repeatLimit);
    }

private slots:
    void init() {
        prefs.reset();
        store.reset();
        QFile::remove(home.prefsPath());
        store = std::make_unique<PreferenceStore>(home.prefsPath());
        prefs = std::make_unique<Preferences>(store.get());
        prefs->load();  // the first run writes the defaults
    }

    // Every box clicked, volume 7, repeat limit 15 minutes, unit letters; then Save or Close.
    void saveWritesEverySettingCloseNone() {
        for (const bool save : {false, true}) {
            PrefsController sheet(*prefs);
            // The limit only means something once the alarm repeats.
            QVERIFY(!sheet.pmRepeatLimit()->isEnabled());
            for (QCheckBox* box :
                 {sheet.cbHideWhenTimerStarts(), sheet.cbBringToFront(), sheet.cbSendNotification(),
                  sheet.cbLargeRows(), sheet.cbQuietWithMouse(), sheet.cbRepeatAlarm()})
                QTest::mouseClick(box, Qt::LeftButton);
            QVERIFY(sheet.pmRepeatLimit()->isEnabled());
            QTest::keyClick(sheet.pmRepeatLimit(), Qt::Key_Down);
            sheet.slideVol()->setValue(7);
            QTest::keyClick(sheet.pmCountDown(), Qt::Key_Down);
            QVERIFY(!prefs->settings().countdownDigits);  // at once, before any button
            QTest::mouseClick(save ? sheet.btnSave() : sheet.btnClose(), Qt::LeftButton);
            // The first run writes no repeat keys, and Close leaves them missing.
            QCOMPARE(inFile(), (save ? QList<double>{1, 0, 0, 0, 1, 0, 1, 0.7, 15}
                                     : QList<double>{0, 1, 1, 1, 0, 1, 0, 0.5, 0}));
            const Settings& now = prefs->settings();
            QVERIFY(now.hideWhenTimerStarts == save && now.volume == (save ? 0.7 : 0.5));
            QVERIFY(now.repeatAlarm == save && now.repeatLimitMinutes == (save ? 15 : 5));
            QVERIFY(!now.countdownDigits);  // the pop-up's choice lasts until Dunok quits
        }
    }

    // The autostart entry is the setting; one that cannot be written saves nothing.
    void startAtLoginWritesAndRemovesTheAutostartEntry() {
        const QString entry = home.path() + "/config/autostart/dunok.desktop";
        for (const bool on : {true, false}) {
            PrefsController sheet(*prefs);
            QCOMPARE(sheet.cbStartAtLogin()->isChecked(), !on);
            QTest::mouseClick(sheet.cbStartAtLogin(), Qt::LeftButton);
            QTest::mouseClick(sheet.btnSave(), Qt::LeftButton);
            QVERIFY(sheet.result() == QDialog::Accepted && QFile::exists(entry) == on);
            if (!on) break;
            QFile file(entry);
            const QString text = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
            QVERIFY2(text.contains("\nExec=" +
                                   autostartCommand(QCoreApplication::applicationFilePath())),
                     qPrintable(text));
            QProcess validate;
            validate.start("desktop-file-validate", {entry});
            QVERIFY(validate.waitForFinished());
            QVERIFY2(validate.exitCode() == 0 && validate.readAll().isEmpty(),
                     qPrintable(validate.readAllStandardError()));
        }
        // A path with blanks and a dollar is quoted as desktop entries quote.
        QCOMPARE(autostartCommand("/opt/my apps/dun$ok"),
                 QString(R"("/opt/my apps/dun\\$ok" --hidden)"));
        QVERIFY(QDir().rmdir(home.path() + "/config/autostart"));
        QFile blocker(home.path() + "/config/autostart");  // a file where the folder goes
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        PrefsController sheet(*prefs);
        QTest::mouseClick(sheet.cbStartAtLogin(), Qt::LeftButton);
        QTest::mouseClick(sheet.cbKeepTimers(), Qt::LeftButton);
        MessageBox::setNextAnswer(0);
        QTest::mouseClick(sheet.btnSave(), Qt::LeftButton);
        QVERIFY(sheet.result() != QDialog::Accepted);
        const auto alert = MessageBox::lastAlert();
        QVERIFY(alert && alert->message == "Dunok could not be set to start when you log in.");
        QVERIFY2(alert->informativeText.contains(entry), qPrintable(alert->informativeText));
        QVERIFY(!prefs->settings().keepTimers &&
                !PreferenceStore(home.prefsPath()).boolean(PrefKeys::keepTimers));
        QVERIFY(sheet.cbKeepTimers()->isChecked());  // what the user set is still there
    }
};

QTEST_MAIN(TestPrefsController)
#include "tst_prefscontroller.moc"
