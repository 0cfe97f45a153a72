// The timer editor and its month calendar as a user drives them, and the preferences sheet: Save
// writes every setting, Close none; the pop-up acts at once.
#include <QtTest>
#include <QtWidgets>

#include "desktop/Alarm.h"
#include "desktop/Autostart.h"
#include "desktop/ResourceFolder.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/TimerEdits.h"
#include "domain/TimerModel.h"
#include "domain/WallClock.h"
#include "support/HostileStore.h"
#include "support/TestEnvironment.h"
#include "ui/CalendarCell.h"
#include "ui/CalendarPopover.h"
#include "ui/EditController.h"
#include "ui/MessageBox.h"
#include "ui/MonthCalendarView.h"
#include "ui/PrefsController.h"
#include "ui/TargetDate.h"

using namespace dunok;

namespace {
const QTimeZone berlin("Europe/Berlin");
QDateTime berlinTime(int mo, int d, int h, int mi, int s = 0) {
    return QDateTime(QDate(2024, mo, d), QTime(h, mi, s), berlin);
}
QDateTime at(QDate day) {
    return QDateTime(day, QTime(0, 0), berlin);
}
CalendarCell* cell(const MonthCalendarView& view, int n) {
    return view.findChild<CalendarCell*>(QStringLiteral("c%1").arg(n));
}
// "title: first-last cell, marked days", or the first cell that breaks the run of days.
QString grid(const MonthCalendarView& view) {
    int first = 0, last = 0;
    QStringList marked;
    for (int n = 1; n <= 42; ++n) {
        const std::optional<QDateTime> date = cell(view, n)->representedDate();
        if (!date) continue;
        first = first ? first : n;
        const int day = date->toTimeZone(berlin).date().day();
        if (day != n - first + 1) return QString("c%1 holds %2").arg(n).arg(day);
        last = n;
        if (cell(view, n)->isSelected()) marked << QString::number(day);
    }
    return view.findChild<QLabel*>("calendarTittle")->text() +
           QString(": c%1-c%2, %3").arg(first).arg(last).arg(marked.join(' '));
}
// The month of `month` on show, with `picked` marked.
void show(MonthCalendarView& view, QDate month, QDate picked) {
    view.setDate(at(month));
    view.setSelectedDate(at(picked));
    view.show();
}
}  // namespace

class TestEditController : public QObject {
    Q_OBJECT

    testing::TestHome home;
    FixedWallClock clock{QDateTime(), berlin};
    std::unique_ptr<testing::StoreFixture> store;
    SharedPlayer player{SoundLibrary(home.path() + "/res")};
    std::unique_ptr<EditController> dlg;

    template <typename T = QSlider>
    T* ctl(const char* name) {
        return dlg->findChild<T*>(QLatin1String(name));
    }
    void open(const std::optional<Timer>& timer = {},
              const QList<std::pair<TimerId, QString>>& others = {}) {
        dlg = std::make_unique<EditController>(
            startSettings(), player,
            [this](Timer& t, StoreError* e) { return saveTimer(store->store(), t, e); }, nullptr,
            clock);
        dlg->setOtherTimers(others);
        dlg->setAreEditing(timer.has_value());
        if (timer) dlg->setCurrentTimer(*timer);
        dlg->open();
    }
    QString shown() { return ctl<QLabel>("lblDuration")->text(); }
    QLineEdit* desc() { return ctl<QLineEdit>("edDescription"); }
    TargetDateEdit* picker() { return ctl<TargetDateEdit>("edDateTime"); }
    QSpinBox* snoozeMinutes() { return ctl<QSpinBox>("spinSnooze"); }
    // Save, with "OK" ready: the alert it showed, if any.
    QString save() {
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        ctl<QPushButton>("btnSave")->click();
        const std::optional<AlertSpec> alert = MessageBox::lastAlert();
        return alert ? alert->message + ' ' + alert->informativeText : QString();
    }
    // Save shows this alert; the sheet stays with what was typed, nothing stored.
    void saveIsRefused(const QString& alert, const QString& typed) {
        QCOMPARE(save(), alert);
        QVERIFY(dlg->isVisible() && desc()->text() == typed && stored().isEmpty());
    }
    QList<Timer> stored() { return testing::storedRecords(home.storePath()); }
    // A new store and the clock at 10:00:45 on 20 March.
    void fresh() {
        QDir().mkpath(home.path() + "/res/Sounds");
        for (const char* name : {"Vintage Alarm Clock", "Chimes", "Bell"})
            QVERIFY(QFile(home.path() + "/res/Sounds/" + name + ".caf").open(QFile::WriteOnly));
        store.reset();
        QFile::remove(home.storePath());
        store = std::make_unique<testing::StoreFixture>(home.storePath());
        clock.setNow(berlinTime(3, 20, 10, 0, 45));
    }

    // The preferences of a first run, which writes the defaults.
    std::unique_ptr<PreferenceStore> prefsFile;
    std::unique_ptr<Preferences> prefs;
    void freshPrefs() {
        prefs.reset();
        QFile::remove(home.prefsPath());
        prefsFile = std::make_unique<PreferenceStore>(home.prefsPath());
        prefs = std::make_unique<Preferences>(prefsFile.get());
        prefs->load();
    }
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
        QLocale::setDefault(QLocale::c());  // the picker writes "28 Mar 2027 02:30"
        fresh();
    }

    void addRefusesUntilValidThenSaves() {
        open();
        QVERIFY(!snoozeMinutes()->isEnabled());
        QCOMPARE(ctl<QComboBox>("pmWarn")->currentText(), QString("Off"));
        desc()->setText("Tea");
        ctl("slideMins")->setValue(0);
        QCOMPARE(shown(), QString("Duration must not be zero."));
        saveIsRefused(
            "Invalid duration. Duration cannot be zero, or date and time must not be in "
            "the past.",
            "Tea");
        picker()->setMoment(berlinTime(3, 20, 9, 59));
        QCOMPARE(shown(), QString("Date must be in the future."));
        ctl("slideHours")->setValue(1);
        ctl("slideSecs")->setValue(3);
        desc()->setText(" \t ");
        saveIsRefused("Missing description. You need to provide a description", " \t ");
        desc()->setText("  Tea ");
        ctl<QComboBox>("pmAlarm")->setCurrentText("Bell");
        ctl<QCheckBox>("cbSnooze")->click();
        snoozeMinutes()->setValue(10);
        ctl<QComboBox>("pmWarn")->setCurrentText("2 minutes");
        store->store().failNextWrites(1);
        saveIsRefused(
            "Could not save the timer. Nothing was saved and what you typed is still "
            "here. Try Save again.",
            "  Tea ");
        QTest::keyClick(desc(), Qt::Key_Return);
        QVERIFY(!dlg->isVisible() && stored().size() == 1);
        const Timer tea = stored()[0];
        QCOMPARE(testing::entries({tea}), QStringList{"  Tea /3603"});
        QVERIFY(tea.sound == "Bell" && tea.snoozeOn && tea.snooze == 600 && tea.warnBefore == 2);
    }

    // Sliders cannot hold a day; a snooze switched off is not checked and keeps its length.
    void editKeepsTheDurationAndTheSnooze() {
        for (const qint64 seconds : {90ll, 2 * 86400 + 3661ll}) {
            fresh();
            open(store->addTimer("Eggs", seconds, "Chimes"));
            QVERIFY(desc()->text() == "Eggs" && !ctl<QCheckBox>("cbStart")->isChecked());
            QCOMPARE(ctl("slideSecs")->value(), int(seconds % 60));
            QCOMPARE(ctl("slideHours")->isEnabled(), seconds < 86400);
            QCOMPARE(ctl<QComboBox>("pmAlarm")->currentText(), QString("Chimes"));
            QCOMPARE(picker()->moment(), clock.now().addSecs(seconds));
            desc()->setText("Soft eggs");
            QVERIFY(save().isEmpty() && !dlg->isVisible());
            QCOMPARE(testing::entries(stored()),
                     QStringList{"Soft eggs/" + QString::number(seconds)});
        }
        for (const auto& [typed, off, refused] : {std::tuple{0, false, true},
                                                  {1440, false, false},
                                                  {1441, false, true},
                                                  {0, true, false}}) {
            fresh();
            Timer egg = store->addTimer("Egg", 240);
            egg.snoozeOn = true;
            egg.snooze = 180;
            egg.warnBefore = 5;
            QVERIFY(store->store().update(egg, nullptr));
            open(egg);
            QCOMPARE(ctl<QComboBox>("pmWarn")->currentText(), QString("5 minutes"));
            QVERIFY(ctl<QCheckBox>("cbSnooze")->isChecked() && snoozeMinutes()->value() == 3);
            snoozeMinutes()->setValue(typed);
            if (off) ctl<QCheckBox>("cbSnooze")->click();
            QCOMPARE(save(), refused ? "Invalid snooze length. A snooze lasts from 1 minute to 1 "
                                       "day (1440 minutes)."
                                     : "");
            QCOMPARE(dlg->isVisible(), refused);
            const Timer now = stored().value(0);
            QCOMPARE(now.snoozeOn, !off);
            QCOMPARE(now.snooze, off || refused ? 180 : qint64(typed) * 60);
            QCOMPARE(now.warnBefore, 5);
        }
    }

    // "When it finishes:" offers the other timers; one that starts a deleted timer says it stops.
    void routineChoices() {
        fresh();
        const Timer tea = store->addTimer("Tea", 120);
        Timer work = store->addTimer("Work", 1500);
        work.then = WhenFinished::Start;
        work.next = 999;  // deleted since
        work.rounds = 4;
        QVERIFY(store->store().update(work, nullptr));
        open(work, {{tea.id, "Tea"}});
        auto* then = ctl<QComboBox>("pmThen");
        QCOMPARE(then->currentText(), QString("Stop"));
        QVERIFY(ctl<QLabel>("lblRoutineNote")->isVisibleTo(dlg.get()));
        QVERIFY(!ctl<QSpinBox>("spinRounds")->isEnabled());
        then->setCurrentText("Start: Tea");
        QVERIFY(ctl<QSpinBox>("spinRounds")->isEnabled());
        QVERIFY(!ctl<QLabel>("lblRoutineNote")->isVisibleTo(dlg.get()));
        QVERIFY(save().isEmpty());
        const Timer saved = stored().value(1);
        QVERIFY(saved.then == WhenFinished::Start && saved.next == tea.id && saved.rounds == 4);
        open(saved, {{tea.id, "Tea"}});
        QCOMPARE(ctl<QComboBox>("pmThen")->currentText(), QString("Start: Tea"));
        ctl<QComboBox>("pmThen")->setCurrentText("Start it again");
        ctl<QSpinBox>("spinRounds")->setValue(0);
        QCOMPARE(ctl<QSpinBox>("spinRounds")->text(), QString("until stopped"));
        QVERIFY(save().isEmpty());
        QVERIFY(stored().value(1).then == WhenFinished::Repeat && stored().value(1).rounds == 0);
    }

    // From the current minute's start, across clock changes; a picked day keeps the time.
    void targetDate() {
        const auto utc = [](int mo, int d, int h, int mi) {
            return QDateTime(QDate(2024, mo, d), QTime(h, mi), Qt::UTC);
        };
        for (const auto& [now, target, seconds] :
             {std::tuple{berlinTime(3, 20, 10, 0, 45), utc(3, 20, 10, 5), 300ll},
              {berlinTime(3, 30, 10, 0, 45), utc(3, 31, 10, 0), 82800ll},
              {berlinTime(10, 26, 10, 0, 45), utc(10, 27, 10, 0), 90000ll}}) {
            clock.setNow(now);
            open(store->addTimer("Call", 60));
            picker()->setDateTime(target);  // the picker holds clock fields as UTC
            QCOMPARE(dlg->chosenDuration().value_or(0), seconds);
        }
        clock.setNow(berlinTime(3, 20, 10, 0, 45));
        open();
        picker()->setMoment(berlinTime(3, 21, 18, 30, 20));
        dlg->didSelectDate(berlinTime(3, 24, 0, 0));
        QCOMPARE(picker()->moment(), berlinTime(3, 24, 18, 30));
        QCOMPARE(dlg->chosenDuration(), std::optional<qint64>(4 * 86400 + 8 * 3600 + 30 * 60));
    }

    // A whole date typed over the picker's text: taken, or refused where the user sees it.
    void typedTargetDate() {
        const QDateTime meant(QDate(2027, 3, 27), QTime(2, 30), berlin);
        for (const auto& [typed, error] :
             {std::pair<QString, QString>{"27 Mar 2027 02:30", ""},
              {"27 mar 2027 02:30", ""},
              {"28 Mar 2027 02:30",
               "02:30 does not exist on 28 Mar 2027: the clocks go forward then."},
              {"28 Mar 20", "Not a date and time: type one like 20 Mar 2024 10:01."}}) {
            fresh();
            open(store->addTimer("Call", 60));
            QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
            picker()->setFocus();
            QTest::keyClick(picker(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(picker(), typed);
            QTest::keyClick(picker(), Qt::Key_Return);
            if (error.isEmpty()) {
                QCOMPARE(picker()->moment(), meant);
                QCOMPARE(picker()->text(), QString("27 Mar 2027 02:30"));
                save();
                QCOMPARE(stored().value(0).duration, berlinTime(3, 20, 10, 0).secsTo(meant));
                continue;
            }
            QCOMPARE(shown(), error);
            QCOMPARE(picker()->text(), typed);  // left to be mended
            QVERIFY(save().startsWith("Invalid duration."));
            QVERIFY(dlg->isVisible());
            QCOMPARE(stored().value(0).duration, qint64(60));
        }
    }

    // Wherever the sheet sits, the calendar stays on screen and off Close and Save.
    void calendarLeavesTheButtonsInView() {
        for (const QPointF where : {QPointF(0, 0), QPointF(1, 1)}) {  // a share of the free room
            open();
            QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
            const QRect room = dlg->screen()->availableGeometry();
            const QSize sheet = dlg->frameGeometry().size();
            dlg->move(room.left() + int(where.x() * (room.width() - sheet.width())),
                      room.top() + int(where.y() * (room.height() - sheet.height())));
            QTRY_VERIFY(room.contains(dlg->frameGeometry()));
            ctl<QPushButton>("btnCalendar")->click();
            auto* popover = dlg->findChild<CalendarPopover*>();
            QVERIFY(popover && popover->isVisible());
            const QRect calendar = popover->frameGeometry();
            QVERIFY(room.contains(calendar));
            for (const char* name : {"btnClose", "btnSave"}) {
                const QWidget* button = ctl<QPushButton>(name);
                const QRect global(button->mapToGlobal(QPoint(0, 0)), button->size());
                QVERIFY2(!calendar.intersects(global), name);
            }
            popover->hide();
        }
    }

    // "Other sound…": a file that cannot ring is named in an alert; one that can is chosen.
    void otherSoundIsTakenInOrRefused() {
        const QString kettle = home.path() + "/Kettle.caf", empty = home.path() + "/empty.wav";
        QVERIFY(QFile::copy(resourceFolder() + "/Sounds/Chimes.caf", kettle));
        QVERIFY(QFile(empty).open(QIODevice::WriteOnly));
        open();
        desc()->setText("Tea");
        auto* sounds = ctl<QComboBox>("pmAlarm");
        const auto choose = [&](const QString& file) {  // the alert, the choice, the last item
            MessageBox::clearLastAlert();
            MessageBox::setNextAnswer(0);
            dlg->setSoundFileChooser([file](QWidget*) { return file; });
            const int other = sounds->count() - 1;
            sounds->setCurrentIndex(other);
            emit sounds->activated(other);
            const std::optional<AlertSpec> alert = MessageBox::lastAlert();
            return QStringList{alert ? alert->message + ' ' + alert->informativeText : "",
                               sounds->currentText(), sounds->itemText(sounds->count() - 1)};
        };
        QCOMPARE(choose(empty), QStringList({"Could not add the sound. \"empty.wav\" is empty.",
                                             "Vintage Alarm Clock", "Other sound…"}));
        QCOMPARE(choose(kettle), QStringList({"", "Kettle", "Other sound…"}));
        QCOMPARE(save(), QString());
        QCOMPARE(stored().value(0).sound, QString("Kettle"));
    }

    // Each month from the column of its first day, the picked day marked only in its month; a
    // click picks the start of a day, also a past one; each day is spoken by its full date.
    void monthCalendar() {
        for (const auto& [locale, month, shown, firstLabel] :
             {std::tuple{"en_GB", QDate(2020, 3, 1), "March, 2020: c7-c37, 3", "MON"},
              // 31 days from the last weekday: six weeks
              {"en_US", QDate(2020, 8, 1), "August, 2020: c7-c37, 3", "SUN"},
              {"en_US", QDate(2026, 2, 1), "February, 2026: c1-c28, 3", "SUN"}}) {
            QLocale::setDefault(QLocale(locale));
            MonthCalendarView view(clock);
            show(view, month.addDays(13), month.addDays(2));
            QCOMPARE(grid(view), shown);
            QCOMPARE(view.findChild<QLabel*>("day1")->text(), firstLabel);
        }
        clock.setNow(QDateTime(QDate(2024, 5, 15), QTime(10, 0, 45), berlin));
        MonthCalendarView view(clock);
        show(view, QDate(2024, 12, 1), QDate(2024, 12, 10));
        view.nextMonth();
        QCOMPARE(grid(view), "January, 2025: c4-c34, ");
        view.prevMonth();  // the picked day is marked again
        QCOMPARE(grid(view), "December, 2024: c1-c31, 10");
        // The day of the month is kept, so from 31 January it runs on into March.
        view.setDate(at(QDate(2024, 1, 31)));
        view.nextMonth();
        QCOMPARE(view.date(), at(QDate(2024, 3, 2)));
        QList<QDateTime> picked;
        connect(&view, &MonthCalendarView::dateSelected, [&](const QDateTime& d) { picked << d; });
        show(view, QDate(2024, 5, 1), QDate(2024, 5, 20));
        QTest::mouseClick(cell(view, 6), Qt::LeftButton);   // 3 May, before the clock's day
        QTest::mouseClick(cell(view, 23), Qt::LeftButton);  // 20 May
        QCOMPARE(picked, (QList<QDateTime>{at(QDate(2024, 5, 3)), at(QDate(2024, 5, 20))}));
        QCOMPARE(grid(view), "May, 2024: c4-c34, 20");
        QVERIFY(!cell(view, 3)->isVisible() && !cell(view, 35)->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(cell(view, 4))->text(QAccessible::Name),
                 "Wednesday, May 1, 2024");
    }

    // Every box clicked, volume 7, repeat limit 15 minutes, unit letters; then Save or Close.
    void preferencesSaveWritesEverySettingCloseNone() {
        freshPrefs();
        for (const bool save : {false, true}) {
            PrefsController sheet(*prefs);
            // The limit only means something once the alarm repeats.
            QVERIFY(!sheet.pmRepeatLimit()->isEnabled());
            for (QCheckBox* box :
                 {sheet.cbHideWhenTimerStarts(), sheet.cbBringToFront(), sheet.cbSendNotification(),
                  sheet.cbLargeRows(), sheet.cbQuietWithMouse(), sheet.cbRepeatAlarm(),
                  sheet.cbFadeIn(), sheet.cbCountUp()})
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
            QVERIFY(now.fadeIn == save && now.countUp == save &&
                    PreferenceStore(home.prefsPath()).boolean(PrefKeys::fadeIn) == save);
            QVERIFY(!now.countdownDigits);  // the pop-up's choice lasts until Dunok quits
        }
    }

    // The autostart entry is the setting; one that cannot be written saves nothing.
    void startAtLoginWritesAndRemovesTheAutostartEntry() {
        freshPrefs();
        const QString entry = home.path() + "/config/autostart/org.dunok.Dunok.desktop";
        for (const bool on : {true, false}) {
            PrefsController sheet(*prefs);
            QCOMPARE(sheet.cbStartAtLogin()->isChecked(), !on);
            QTest::mouseClick(sheet.cbStartAtLogin(), Qt::LeftButton);
            QTest::mouseClick(sheet.btnSave(), Qt::LeftButton);
            QVERIFY(sheet.result() == QDialog::Accepted && QFile::exists(entry) == on);
            if (!on) break;
            const QString text = testing::fingerprint(entry);  // with its time, which is no matter
            QVERIFY2(text.contains("\nExec=" +
                                   autostartCommand(QCoreApplication::applicationFilePath())) &&
                         text.contains("\nIcon=org.dunok.Dunok\n"),
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

QTEST_MAIN(TestEditController)
#include "tst_editcontroller.moc"
