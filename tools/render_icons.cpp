// Renders one of our SVG images at the given pixel sizes, each twice: as
// NAME-SIZE.png, for the icon theme and whoever else reads image files, and
// as NAME-SIZE.pixels, the bare pixels the program compiles in and draws
// straight from memory (premultiplied ARGB, 32 bits a pixel in this
// machine's byte order, row after row). With those the program needs neither
// an SVG renderer nor a PNG decoder, nor Qt's search of its image plugins, to
// draw its list and toolbar at start-up.
//
//   dunok_render_icons OUT_DIR IMAGE.svg SIZE [SIZE...]
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUT_DIR IMAGE.svg SIZE [SIZE...]\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString svg = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG image\n", argv[2]);
        return 1;
    }
    QDir().mkpath(outDir);
    const QString name = QFileInfo(svg).completeBaseName();
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0 || size > 4096) {
            std::fprintf(stderr, "%s: not a size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString out = QStringLiteral("%1/%2-%3").arg(outDir, name).arg(size);
        QFile pixels(out + QStringLiteral(".pixels"));
        const auto bytes = qint64(image.sizeInBytes());
        if (!image.save(out + QStringLiteral(".png"), "PNG") ||
            !pixels.open(QIODevice::WriteOnly) ||
            pixels.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes ||
            !pixels.flush()) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(out));
            return 1;
        }
    }
    return 0;
}
