// The program's look follows the desktop's preference, unless the user
// picked a platform theme.
#include <QtTest>
#include <QtWidgets>

#include "app/ColorSchemeFollower.h"
#include "desktop/ColorSchemePortal.h"
#include "ui/Palettes.h"

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
}  // namespace

class TestColorSchemeFollower : public QObject {
    Q_OBJECT
    QPalette light;

private slots:
    void initTestCase() { light = QApplication::palette(); }
    void cleanup() { qunsetenv("QT_QPA_PLATFORMTHEME"); }

    void followsDarkAndBack() {
        ColorSchemeFollower follower;
        auto* source = new FakeScheme;
        QVERIFY(follower.follow(source));
        QVERIFY(source->started);
        // Light and no preference before any dark change nothing.
        source->tell(ColorScheme::Light);
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
        // Never asked, and gone with its answers.
        QVERIFY(source.isNull());
        QCOMPARE(QApplication::palette(), light);
    }
};

QTEST_MAIN(TestColorSchemeFollower)
#include "tst_colorschemefollower.moc"
