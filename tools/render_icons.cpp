// Renders one of our SVG images to PNG files of the given pixel sizes
// (NAME-SIZE.png). The program ships the PNGs so that it never has to load an
// SVG renderer just to draw its list and toolbar at start-up.
//
//   dunok_render_icons OUT_DIR IMAGE.svg SIZE [SIZE...]
#include <QDir>
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
        const QString out = QStringLiteral("%1/%2-%3.png").arg(outDir, name).arg(size);
        if (!image.save(out, "PNG")) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(out));
            return 1;
        }
    }
    return 0;
}
