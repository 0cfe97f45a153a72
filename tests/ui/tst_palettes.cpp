// The light and the dark look: what stands apart enough to be read, the line
// images on a dark window, and the editor and calendar switching while open.
#include <QtTest>
#include <QtWidgets>

#include "desktop/Alarm.h"
#include "desktop/NamedImage.h"
#include "domain/Preferences.h"
#include "domain/TimerEdits.h"
#include "domain/WallClock.h"
#include "support/TestEnvironment.h"
#include "ui/CalendarCell.h"
#include "ui/CalendarPopover.h"
#include "ui/EditController.h"
#include "ui/InkedIcon.h"
#include "ui/MonthCalendarView.h"
#include "ui/Palettes.h"
#include "ui/TimerToolbar.h"

using namespace dunok;

namespace {
// The share of an image's visible pixels that stand apart from `ground` by 3:1.
double visibleShare(const QImage& image, const QColor& ground) {
    int opaque = 0, seen = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 128) continue;
            ++opaque;
            if (contrastRatio(c, ground) >= 3.0) ++seen;
        }
    return opaque ? double(seen) / opaque : 0.0;
}

QImage drawn(const QIcon& icon, int size) {
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}
}  // namespace

class TestPalettes : public QObject {
    Q_OBJECT

    QPalette light;  // the look the application starts with
    PaletteSwitch palettes;

private slots:
    void initTestCase() { light = QApplication::palette(); }
    void cleanup() { palettes.showDark(false); }

    void contrastFormula() {
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(Qt::white, Qt::black), 21.0);
        QCOMPARE(contrastRatio(QColor(90, 90, 90), QColor(90, 90, 90)), 1.0);
        // #767676 is the lightest grey that passes 4.5:1 on white.
        QVERIFY(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) >= 4.5);
        QVERIFY(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) < 4.5);
    }

    void bothLooksReadable_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    // Text against base and window at 4.5:1 or more; the selection, which a
    // running row also shows in, at 3:1 or more for the list's large text.
    void bothLooksReadable() {
        QFETCH(bool, dark);
        const QPalette p = dark ? darkPalette() : light;
        QCOMPARE(isDarkPalette(p), dark);
        struct Pair {
            QPalette::ColorRole text, ground;
            double least;
        };
        const Pair pairs[] = {{QPalette::Text, QPalette::Base, 4.5},
                              {QPalette::Text, QPalette::AlternateBase, 4.5},
                              {QPalette::WindowText, QPalette::Window, 4.5},
                              {QPalette::ButtonText, QPalette::Button, 4.5},
                              {QPalette::ToolTipText, QPalette::ToolTipBase, 4.5},
                              {QPalette::HighlightedText, QPalette::Highlight, 3.0}};
        for (auto group : {QPalette::Active, QPalette::Inactive})
            for (const Pair& pair : pairs) {
                const double ratio =
                    contrastRatio(p.color(group, pair.text), p.color(group, pair.ground));
                QVERIFY2(ratio >= pair.least,
                         qPrintable(QStringLiteral("roles %1 on %2, group %3: %4")
                                        .arg(pair.text)
                                        .arg(pair.ground)
                                        .arg(group)
                                        .arg(ratio)));
            }
        // The editor's duration line, in its usual and its error colour.
        const DurationColors duration = durationColors(dark);
        QVERIFY(contrastRatio(duration.valid, p.color(QPalette::Window)) >= 4.5);
        QVERIFY(contrastRatio(duration.error, p.color(QPalette::Window)) >= 4.5);
        // The calendar's days, also the picked one on its disc.
        const CalendarColors calendar = calendarColors(dark);
        QVERIFY(contrastRatio(calendar.text, calendar.background) >= 4.5);
        QVERIFY(contrastRatio(calendar.text, calendar.selection) >= 4.5);
        QVERIFY(contrastRatio(calendar.pastDay, calendar.background) >= 3.0);
    }

    // Every line image of the toolbar, its overflow arrow and the rows' clocks
    // stay visible on the dark window and list; on the light ones they are
    // drawn exactly as they always were.
    void imagesOnDark() {
        QStringList toolbar{"toolbar_more"};
        for (const ToolbarItem& item : toolbarItems())
            if (!item.icon.isEmpty()) toolbar << item.icon;
        QCOMPARE(toolbar.size(), 9);
        for (const QString& name : toolbar) {
            const QIcon icon = paletteFollowingIcon(namedImage(name));
            QCOMPARE(drawn(icon, 32), drawn(namedImage(name), 32));
        }
        palettes.showDark(true);
        const QColor window = QApplication::palette().color(QPalette::Window);
        for (const QString& name : toolbar) {
            const double share =
                visibleShare(drawn(paletteFollowingIcon(namedImage(name)), 32), window);
            QVERIFY2(share >= 0.6, qPrintable(name + ": " + QString::number(share)));
        }
        // The rows' images are not inked: they carry their own light face.
        const QColor base = QApplication::palette().color(QPalette::Base);
        for (const QString name : {"timer22", "timerfull22"}) {
            const double share = visibleShare(drawn(namedImage(name), 22), base);
            QVERIFY2(share >= 0.6, qPrintable(name + ": " + QString::number(share)));
        }
    }

    // The same icon, already on a button, changes with the palette.
    void inkFollowsTheSwitch() {
        const QIcon icon = paletteFollowingIcon(namedImage("img_edit"));
        const QImage before = drawn(icon, 32);
        palettes.showDark(true);
        QVERIFY(drawn(icon, 32) != before);
        palettes.showDark(false);
        QCOMPARE(drawn(icon, 32), before);
    }

    // Back from dark is exactly the palette there was before.
    void switchBackRestores() {
        palettes.showDark(true);
        QVERIFY(palettes.dark());
        QCOMPARE(QApplication::palette().color(QPalette::Base),
                 darkPalette().color(QPalette::Base));
        palettes.showDark(false);
        QCOMPARE(QApplication::palette(), light);
    }

    // An open editor and its calendar turn dark and back at once.
    void editorAndCalendarSwitchWhileOpen() {
        testing::TestHome home;
        testing::StoreFixture store(home.storePath());
        SharedPlayer player{SoundLibrary(home.path() + "/res")};
        FixedWallClock clock{QDateTime(QDate(2024, 5, 10), QTime(9, 0)), QTimeZone::utc()};
        EditController dlg(
            startSettings(), player,
            [&](Timer& t, StoreError* e) { return saveTimer(store.store(), t, e); }, nullptr,
            clock);
        dlg.setAreEditing(false);
        dlg.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.findChild<QPushButton*>("btnCalendar")->click();
        auto* popover = dlg.findChild<CalendarPopover*>();
        QVERIFY(popover && popover->isVisible());
        auto* duration = dlg.findChild<QLabel*>("lblDuration");
        const auto dayCell = [&] { return popover->findChild<CalendarCell*>("c15"); };
        const auto ground = [&] {
            const QImage image = popover->calendarView()->grab().toImage();
            return image.pixelColor(2, image.height() - 2);
        };
        QCOMPARE(ground(), QColor(Qt::white));
        QCOMPARE(duration->palette().color(QPalette::WindowText), durationColors(false).valid);

        // Qt tells the windows of a new palette through the event loop.
        palettes.showDark(true);
        QTRY_COMPARE(duration->palette().color(QPalette::WindowText), durationColors(true).valid);
        QCOMPARE(ground(), calendarColors(true).background);
        QCOMPARE(dayCell()->palette().color(QPalette::Window), calendarColors(true).background);
        QCOMPARE(dlg.palette().color(QPalette::Window), darkPalette().color(QPalette::Window));
        QCOMPARE(popover->palette().color(QPalette::WindowText), calendarColors(true).frame);

        palettes.showDark(false);
        QTRY_COMPARE(ground(), QColor(Qt::white));
        QTRY_COMPARE(duration->palette().color(QPalette::WindowText), durationColors(false).valid);
        popover->hide();
    }
};

QTEST_MAIN(TestPalettes)
#include "tst_palettes.moc"
