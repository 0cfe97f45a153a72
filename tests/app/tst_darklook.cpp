// The dark look: it follows the desktop's preference unless the user picked a platform theme,
// every text and line image stands apart enough to be read, and what is open switches at once.
#include <QtTest>
#include <QtWidgets>

#include "app/ColorSchemeFollower.h"
#include "desktop/Alarm.h"
#include "desktop/ColorSchemePortal.h"
#include "desktop/NamedImage.h"
#include "domain/Preferences.h"
#include "domain/TimerEdits.h"
#include "domain/WallClock.h"
#include "support/TestEnvironment.h"
#include "ui/CalendarPopover.h"
#include "ui/EditController.h"
#include "ui/InkedIcon.h"
#include "ui/MonthCalendarView.h"
#include "ui/Palettes.h"
#include "ui/TimerToolbar.h"

using namespace dunok;

namespace {
class FakeScheme : public ColorSchemeSource {
public:
    bool started = false;
    ColorScheme current = ColorScheme::NoPreference;
    void start() override { started = true; }
    ColorScheme scheme() const override { return current; }
    void tell(ColorScheme scheme) {
        current = scheme;
        emit schemeChanged(scheme);
    }
};

// The share of an image's visible pixels that stand apart from `ground` by 3:1.
double visibleShare(const QImage& image, const QColor& ground) {
    int opaque = 0, seen = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 128) continue;
            ++opaque;
            seen += contrastRatio(c, ground) >= 3.0;
        }
    return opaque ? double(seen) / opaque : 0.0;
}

QImage drawn(const QIcon& icon, int size) {
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}
}  // namespace

class TestDarkLook : public QObject {
    Q_OBJECT
    QPalette light;  // the look the application starts with
    PaletteSwitch palettes;

private slots:
    void initTestCase() { light = QApplication::palette(); }
    void cleanup() {
        qunsetenv("QT_QPA_PLATFORMTHEME");
        palettes.showDark(false);
    }

    // Back from dark is exactly the palette there was before.
    void followsDarkAndBack() {
        ColorSchemeFollower follower;
        auto* source = new FakeScheme;
        QVERIFY(follower.follow(source));
        QVERIFY(source->started);
        source->tell(ColorScheme::Light);  // light before any dark changes nothing
        QCOMPARE(QApplication::palette(), light);
        source->tell(ColorScheme::Dark);
        QVERIFY(follower.dark());
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 darkPalette().color(QPalette::Window));
        source->tell(ColorScheme::NoPreference);
        QVERIFY(!follower.dark());
        QCOMPARE(QApplication::palette(), light);
    }

    void platformThemeIsLeftAlone() {
        qputenv("QT_QPA_PLATFORMTHEME", "gtk3");
        ColorSchemeFollower follower;
        QPointer<FakeScheme> source = new FakeScheme;
        QVERIFY(!follower.follow(source));
        QVERIFY(source.isNull());  // never asked, and gone with its answers
        QCOMPARE(QApplication::palette(), light);
    }

    // Text at 4.5:1 or more on our dark palette and our own colours in both looks; the
    // selection, which a running row also shows in, at 3:1 for the list's large text.
    void bothLooksReadable() {
        const QPalette dark = darkPalette();
        QVERIFY(isDarkPalette(dark) && !isDarkPalette(light));
        const auto ratio = [&](QPalette::ColorRole text, QPalette::ColorRole ground) {
            return contrastRatio(dark.color(text), dark.color(ground));
        };
        QVERIFY(ratio(QPalette::Text, QPalette::Base) >= 4.5);
        QVERIFY(ratio(QPalette::Text, QPalette::AlternateBase) >= 4.5);
        QVERIFY(ratio(QPalette::WindowText, QPalette::Window) >= 4.5);
        QVERIFY(ratio(QPalette::ButtonText, QPalette::Button) >= 4.5);
        QVERIFY(ratio(QPalette::HighlightedText, QPalette::Highlight) >= 3.0);
        for (const bool inDark : {false, true}) {
            const QColor window = (inDark ? dark : light).color(QPalette::Window);
            QVERIFY(contrastRatio(durationColors(inDark).valid, window) >= 4.5);
            QVERIFY(contrastRatio(durationColors(inDark).error, window) >= 4.5);
            const CalendarColors calendar = calendarColors(inDark);
            QVERIFY(contrastRatio(calendar.text, calendar.background) >= 4.5);
            QVERIFY(contrastRatio(calendar.text, calendar.selection) >= 4.5);
            QVERIFY(contrastRatio(calendar.pastDay, calendar.background) >= 3.0);
        }
    }

    // Every line image of the toolbar and its overflow arrow, and the rows' clocks, stay visible
    // on the dark window and list; on the light ones they are drawn exactly as they always were.
    // An icon already on a button changes with the palette.
    void imagesOnDark() {
        QStringList toolbar{"toolbar_more"};
        for (const ToolbarItem& item : toolbarItems())
            if (!item.icon.isEmpty()) toolbar << item.icon;
        QCOMPARE(toolbar.size(), 9);
        QVERIFY(namedImage("no-such-image").isNull());
        for (const QString& name : toolbar)
            QCOMPARE(drawn(paletteFollowingIcon(namedImage(name)), 32),
                     drawn(namedImage(name), 32));
        const QIcon onAButton = paletteFollowingIcon(namedImage("img_edit"));
        const QImage before = drawn(onAButton, 32);
        palettes.showDark(true);
        QVERIFY(drawn(onAButton, 32) != before);
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
        palettes.showDark(false);
        QCOMPARE(drawn(onAButton, 32), before);
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
        const auto ground = [&] {
            const QImage image = popover->calendarView()->grab().toImage();
            return image.pixelColor(2, image.height() - 2);
        };
        QCOMPARE(ground(), QColor(Qt::white));
        // Qt tells the windows of a new palette through the event loop.
        palettes.showDark(true);
        QTRY_COMPARE(duration->palette().color(QPalette::WindowText), durationColors(true).valid);
        QCOMPARE(ground(), calendarColors(true).background);
        palettes.showDark(false);
        QTRY_COMPARE(ground(), QColor(Qt::white));
        QTRY_COMPARE(duration->palette().color(QPalette::WindowText), durationColors(false).valid);
        popover->hide();
    }
};

QTEST_MAIN(TestDarkLook)
#include "tst_darklook.moc"
