// The user guide as the build wrote it, where Help looks for it: a whole PDF of
// several pages with the pictures of the window in it.
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "desktop/ResourceFolder.h"

class TestHelpDocument : public QObject {
    Q_OBJECT
private slots:
    void isAGuideWithPicturesOfTheWindow() {
        QFile file(dunok::resourcePath(dunok::resourceFolder(), "help", "pdf"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(dunok::resourceFolder()));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
        // Page objects, not the /Pages tree that holds them.
        QVERIFY(QString(pdf).count(QRegularExpression(R"(/Type\s*/Page(?![s\w]))")) >= 4);
        // A broken grab of the window would leave only the small toolbar icons.
        static const QRegularExpression image(
            R"(/Subtype\s*/Image\b[^>]*?/Width\s+(\d+)[^>]*?/Height\s+(\d+))");
        int pictures = 0;
        for (const QRegularExpressionMatch& m : image.globalMatch(QString::fromLatin1(pdf)))
            pictures += m.captured(1).toInt() >= 300 && m.captured(2).toInt() >= 150;
        QVERIFY2(pictures >= 5, qPrintable(QString::number(pictures)));
    }
};

QTEST_GUILESS_MAIN(TestHelpDocument)
#include "tst_helpdocument.moc"
