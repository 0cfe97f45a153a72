// The user guide as the build wrote it: a PDF of several pages, with the
// pictures of the window in it, where the Help command looks for it.
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "platform/ResourceFolder.h"

using namespace dunok;

class TestHelpDocument : public QObject {
    Q_OBJECT

    QByteArray pdf;

private slots:
    void initTestCase() {
        const QString path = resourcePath("help", "pdf");
        QVERIFY2(!path.isEmpty(), qPrintable("no help.pdf in " + resourceFolder()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        pdf = file.readAll();
    }

    void isACompletePdf() {
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QVERIFY(pdf.contains("/Type /Catalog") || pdf.contains("/Type/Catalog"));
    }

    void hasSeveralPages() {
        // Page objects, not the /Pages tree that holds them.
        static const QRegularExpression page(R"(/Type\s*/Page(?![s\w]))");
        int pages = 0;
        for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) ++pages;
        QVERIFY2(pages >= 4, qPrintable(QString("%1 pages").arg(pages)));
    }

    void embedsThePicturesOfTheWindow() {
        // The window and its sheets are drawn hundreds of pixels wide; the
        // toolbar icons beside the text are small. A broken grab would leave
        // only the icons, or empty images.
        static const QRegularExpression image(
            R"(/Subtype\s*/Image\b[^>]*?/Width\s+(\d+)[^>]*?/Height\s+(\d+))");
        int pictures = 0;
        int images = 0;
        for (const QRegularExpressionMatch& m : image.globalMatch(QString::fromLatin1(pdf))) {
            ++images;
            if (m.captured(1).toInt() >= 300 && m.captured(2).toInt() >= 150) ++pictures;
        }
        QVERIFY2(images >= 10, qPrintable(QString("%1 images").arg(images)));
        QVERIFY2(pictures >= 5, qPrintable(QString("%1 pictures").arg(pictures)));
    }
};

QTEST_GUILESS_MAIN(TestHelpDocument)
#include "tst_helpdocument.moc"
