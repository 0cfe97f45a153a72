// Our images at the screen's own density: at 100%, 150% and 200% an image is drawn from the pixels
// the build rendered from its SVG for exactly that many pixels, not another size scaled, and they
// are the very picture of the PNG the build wrote beside them (read by Qt's own decoder).
#include <QDirIterator>
#include <QGuiApplication>
#include <QIcon>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

#include "desktop/NamedImage.h"

using namespace dunok;

class TestNamedImage : public QObject {
    Q_OBJECT
private slots:
    void eachDensityHasItsOwnPixels_data() {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("100%") << 1.0;
        QTest::newRow("150%") << 1.5;
        QTest::newRow("200%") << 2.0;
    }
    void eachDensityHasItsOwnPixels() {
        QFETCH(qreal, scale);
        // NAME-PIXELS.pixels, and the smallest of a name is the size the program draws it at.
        QMap<QString, int> drawnAt;
        static const QRegularExpression file(R"(^(.+)-(\d+)\.pixels$)");
        for (QDirIterator it(":/images"); it.hasNext();) {
            const QRegularExpressionMatch m = file.match(QFileInfo(it.next()).fileName());
            if (!m.hasMatch()) continue;
            const int size = m.captured(2).toInt();
            drawnAt[m.captured(1)] = std::min(drawnAt.value(m.captured(1), size), size);
        }
        QVERIFY(drawnAt.size() > 10);
        for (auto it = drawnAt.cbegin(); it != drawnAt.cend(); ++it) {
            const int pixels = qRound(it.value() * scale);
            const QPixmap drawn = namedImage(it.key()).pixmap(QSize(it.value(), it.value()), scale);
            QImage own(QStringLiteral(DUNOK_ICON_PNG_DIR "/%1-%2.png").arg(it.key()).arg(pixels));
            own.setDevicePixelRatio(scale);
            QVERIFY2(!own.isNull(), qPrintable(it.key() + " has no image of " +
                                               QString::number(pixels) + " pixels"));
            QCOMPARE(drawn.size(), QSize(pixels, pixels));
            QCOMPARE(drawn.toImage().convertToFormat(QImage::Format_ARGB32),
                     own.convertToFormat(QImage::Format_ARGB32));
        }
    }
};

QTEST_MAIN(TestNamedImage)
#include "tst_namedimage.moc"
