// The preferences sheet: Save writes every setting, Close none; the pop-up acts at once.
#include <QtTest>
#include <QtWidgets>

#include "editing/PrefsController.h"
#include "model/Globals.h"
#include "model/Preferences.h"
#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestPrefsController : public QObject {
    Q_OBJECT

    testing::TestHome home;
    std::unique_ptr<PreferenceStore> prefs;

    // What the next run reads from the file alone: the switches, then the volume.
    QList<double> inFile() {
        const PreferenceStore next(home.prefsPath());
        QList<double> values;
        for (const QString& key :
             {PrefKeys::hideWhenTimerStarts, PrefKeys::bringToFront, PrefKeys::sendNotification,
              PrefKeys::largeRows, PrefKeys::quietWithMouse, PrefKeys::countdownDigits})
            values << next.boolean(key);
        return values << next.floating(PrefKeys::volume);
    }
    // Every box clicked, the volume moved to 7 and the unit letters chosen.
    void changeEverything(PrefsController& sheet) {
        for (QCheckBox* box :
             {sheet.cbHideWhenTimerStarts(), sheet.cbBringToFront(), sheet.cbSendNotification(),
              sheet.cbLargeRows(), sheet.cbQuietWithMouse()})
            QTest::mouseClick(box, Qt::LeftButton);
        sheet.slideVol()->setValue(7);
        QCOMPARE(sheet.lblVol()->text(), QString("70%"));
        QTest::keyClick(sheet.pmCountDown(), Qt::Key_Down);
        QVERIFY(!prefsCountdownDigits);  // at once, before any button
    }

private slots:
    void init() {
        prefs.reset();
        QFile::remove(home.prefsPath());
        testing::resetGlobals();
        prefs = std::make_unique<PreferenceStore>(home.prefsPath());
        setPreferenceStore(prefs.get());
        loadPreferences(*prefs);  // the first run writes the defaults
    }

    void saveWritesEverySettingCloseNone_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("Save") << true;
        QTest::newRow("Close") << false;
    }
    void saveWritesEverySettingCloseNone() {
        QFETCH(bool, save);
        PrefsController sheet;
        changeEverything(sheet);
        QTest::mouseClick(save ? sheet.btnSave() : sheet.btnClose(), Qt::LeftButton);
        QCOMPARE(inFile(), (save ? QList<double>{1, 0, 0, 0, 1, 0, 0.7}
                                 : QList<double>{0, 1, 1, 1, 0, 1, 0.5}));
        QVERIFY(prefsHideWhenTimerStarts == save && prefsVolume == (save ? 0.7 : 0.5));
        QVERIFY(!prefsCountdownDigits);  // the pop-up's choice lasts until Dunok quits
    }
};

QTEST_MAIN(TestPrefsController)
#include "tst_prefscontroller.moc"
