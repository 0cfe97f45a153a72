// The preferences sheet: what it shows, what Save writes (read back as the
// next run reads it), what Close forgets, and the countdown pop-up that acts
// at once.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "editing/PrefsController.h"
#include "model/Globals.h"
#include "model/Preferences.h"
#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestPrefsController : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<PreferenceStore> prefs;

    // What the next run of Dunok reads, from the file alone.
    std::unique_ptr<PreferenceStore> reread() {
        return std::make_unique<PreferenceStore>(home->prefsPath());
    }
    // Quit and start again: the globals come back from the file.
    void restart() {
        testing::resetGlobals();
        prefs = reread();
        setPreferenceStore(prefs.get());
        loadPreferences(*prefs);
    }
    QList<QCheckBox*> boxes(PrefsController& sheet) {
        return {sheet.cbHideWhenTimerStarts(), sheet.cbBringToFront(), sheet.cbSendNotification(),
                sheet.cbLargeRows(), sheet.cbQuietWithMouse()};
    }
    // The unit-letter item, chosen as a user does.
    void chooseUnitLetters(PrefsController& sheet) {
        sheet.pmCountDown()->setFocus();
        QTest::keyClick(sheet.pmCountDown(), Qt::Key_Down);
        QCOMPARE(sheet.pmCountDown()->currentIndex(), 1);
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        restart();  // the first run writes the defaults
    }
    void cleanup() {
        setPreferenceStore(nullptr);
        prefs.reset();
        testing::resetGlobals();
        home.reset();
    }

    void firstStartShowsTheDefaults() {
        PrefsController sheet;
        QVERIFY(!sheet.cbHideWhenTimerStarts()->isChecked());
        QVERIFY(sheet.cbBringToFront()->isChecked());
        QVERIFY(sheet.cbSendNotification()->isChecked());
        QVERIFY(sheet.cbLargeRows()->isChecked());
        QVERIFY(!sheet.cbQuietWithMouse()->isChecked());
        QCOMPARE(sheet.slideVol()->value(), 5);
        QCOMPARE(sheet.lblVol()->text(), QString("50%"));
        QCOMPARE(sheet.pmCountDown()->currentIndex(), 0);
        QVERIFY(!sheet.needToUpdateTable());
    }

    void saveWritesEverySetting() {
        PrefsController sheet;
        QSignalSpy changed(&sheet, &PrefsController::preferencesChanged);
        for (QCheckBox* box : boxes(sheet)) QTest::mouseClick(box, Qt::LeftButton);
        sheet.slideVol()->setValue(7);
        QCOMPARE(sheet.lblVol()->text(), QString("70%"));
        QCOMPARE(prefsVolume, 0.5);  // the slider alone changes nothing
        chooseUnitLetters(sheet);
        QTest::mouseClick(sheet.btnSave(), Qt::LeftButton);

        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(changed.count(), 1);  // large rows was clicked: the list is rebuilt
        QVERIFY(prefsHideWhenTimerStarts && !prefsBringToFront && !prefsSendNotification &&
                !prefsLargeRows && prefsQuietWithMouse && !prefsCountdownDigits);
        QCOMPARE(prefsVolume, 0.7);
        const auto next = reread();
        QVERIFY(next->boolean(PrefKeys::hideWhenTimerStarts));
        QVERIFY(!next->boolean(PrefKeys::bringToFront));
        QVERIFY(!next->boolean(PrefKeys::sendNotification));
        QVERIFY(!next->boolean(PrefKeys::largeRows));
        QVERIFY(next->boolean(PrefKeys::quietWithMouse));
        QVERIFY(!next->boolean(PrefKeys::countdownDigits));
        QCOMPARE(next->floating(PrefKeys::volume), 0.7);

        // The next run: small rows are forgotten, the rest is as saved.
        restart();
        PrefsController reopened;
        QVERIFY(reopened.cbLargeRows()->isChecked());
        QVERIFY(reopened.cbQuietWithMouse()->isChecked());
        QCOMPARE(reopened.slideVol()->value(), 7);
        QCOMPARE(reopened.lblVol()->text(), QString("70%"));
        QCOMPARE(reopened.pmCountDown()->currentIndex(), 1);
    }

    void everyVolumeSurvivesARestart() {
        for (int step = 0; step <= 10; ++step) {
            PrefsController sheet;
            sheet.slideVol()->setValue(step);
            sheet.btnSavePressed();
            restart();
            QCOMPARE(prefsVolume, step / 10.0);
            PrefsController reopened;
            QCOMPARE(reopened.slideVol()->value(), step);
            QCOMPARE(reopened.lblVol()->text(), QString::number(step * 10) + "%");
        }
    }

    void sliderTruncatesTheVolume() {
        prefsVolume = 0.58;
        PrefsController sheet;
        QCOMPARE(sheet.slideVol()->value(), 5);
        QCOMPARE(sheet.lblVol()->text(), QString("50%"));
        sheet.btnSavePressed();
        QCOMPARE(reread()->floating(PrefKeys::volume), 0.5);
    }

    void saveWithoutLargeRowsLeavesTheListAlone() {
        PrefsController sheet;
        QSignalSpy changed(&sheet, &PrefsController::preferencesChanged);
        QTest::mouseClick(sheet.cbQuietWithMouse(), Qt::LeftButton);
        sheet.btnSavePressed();
        QCOMPARE(changed.count(), 0);

        // Clicked twice, back where it was: still a rebuild.
        PrefsController again;
        QSignalSpy changedAgain(&again, &PrefsController::preferencesChanged);
        QTest::mouseClick(again.cbLargeRows(), Qt::LeftButton);
        QTest::mouseClick(again.cbLargeRows(), Qt::LeftButton);
        QVERIFY(again.needToUpdateTable());
        again.btnSavePressed();
        QCOMPARE(changedAgain.count(), 1);
        QVERIFY(prefsLargeRows);
    }

    void closeForgetsEverythingButThePopUp() {
        PrefsController sheet;
        QSignalSpy changed(&sheet, &PrefsController::preferencesChanged);
        for (QCheckBox* box : boxes(sheet)) QTest::mouseClick(box, Qt::LeftButton);
        sheet.slideVol()->setValue(2);
        chooseUnitLetters(sheet);
        QVERIFY(!prefsCountdownDigits);  // at once, before any button
        QTest::mouseClick(sheet.btnClose(), Qt::LeftButton);

        QCOMPARE(sheet.result(), int(QDialog::Rejected));
        QCOMPARE(changed.count(), 0);
        QVERIFY(!prefsHideWhenTimerStarts && prefsBringToFront && prefsSendNotification &&
                prefsLargeRows && !prefsQuietWithMouse);
        QCOMPARE(prefsVolume, 0.5);
        QVERIFY(!prefsCountdownDigits);  // lasts until Dunok quits
        const auto next = reread();
        QVERIFY(next->boolean(PrefKeys::countdownDigits));
        QVERIFY(next->boolean(PrefKeys::bringToFront));
        QVERIFY(!next->boolean(PrefKeys::quietWithMouse));
        QCOMPARE(next->floating(PrefKeys::volume), 0.5);
        restart();
        QVERIFY(prefsCountdownDigits);
    }

    void returnSavesAndEscapeCloses() {
        QWidget window;
        window.show();
        auto* sheet = new PrefsController(&window);
        sheet->open();
        QVERIFY(QTest::qWaitForWindowActive(sheet));
        QCOMPARE(QApplication::focusWidget(), sheet->slideVol());
        QTest::keyClick(sheet->slideVol(), Qt::Key_Right);  // 5 -> 6
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        QCOMPARE(reread()->floating(PrefKeys::volume), 0.6);

        auto* second = new PrefsController(&window);
        second->open();
        QVERIFY(QTest::qWaitForWindowActive(second));
        QTest::keyClick(second->slideVol(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(second->result(), int(QDialog::Rejected));
        QVERIFY(!second->isVisible());
        QCOMPARE(prefsVolume, 0.6);
    }
};

QTEST_MAIN(TestPrefsController)
#include "tst_prefscontroller.moc"
