#include "desktop/NamedImage.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QIconEngine>
#include <QMap>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QStyle>
#include <QStyleOption>

namespace dunok {

namespace {

// Reads an image only when a size it serves is first drawn. QIcon's own
// addFile() reads every file up front, even when told its size, which for
// the toolbar alone cost milliseconds before the window could show.
class NamedImageEngine : public QIconEngine {
public:
    explicit NamedImageEngine(QMap<int, QString> files) : files_(std::move(files)) {}

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (files_.isEmpty() || size.isEmpty()) return QSize();
        // Square images, scaled down to fit but never up.
        const int side = qMin(sourceExtent(qMax(size.width(), size.height())),
                              qMin(size.width(), size.height()));
        return QSize(side, side);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QSize want = actualSize(size, mode, state);
        if (want.isEmpty()) return QPixmap();
        const quint64 key = (quint64(want.width()) << 32) | (quint64(want.height()) << 8) | mode;
        if (const auto it = drawn_.constFind(key); it != drawn_.constEnd()) return *it;

        const int extent = sourceExtent(qMax(want.width(), want.height()));
        QPixmap pm = QPixmap::fromImage(pixelsOf(files_.value(extent), extent));
        if (!pm.isNull() && pm.size() != want)
            pm = pm.scaled(want, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        // Disabled and selected looks come from the style, as for any icon.
        if (mode != QIcon::Normal && !pm.isNull()) {
            if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
                QStyleOption option;
                option.palette = QGuiApplication::palette();
                const QPixmap generated = app->style()->generatedIconPixmap(mode, pm, &option);
                if (!generated.isNull()) pm = generated;
            }
        }
        drawn_.insert(key, pm);
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * ratio, mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int extent : files_.keys()) sizes.append(QSize(extent, extent));
        return sizes;
    }

    bool isNull() override { return files_.isEmpty(); }
    QString key() const override { return QStringLiteral("DunokNamedImage"); }
    QIconEngine* clone() const override { return new NamedImageEngine(*this); }

private:
    // The image's bare pixels as the build wrote them, read in place; none
    // when the resource is not what the build makes.
    static QImage pixelsOf(const QString& path, int extent) {
        const QResource resource(path);
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
            resource.size() != qint64(extent) * extent * 4)
            return QImage();
        return QImage(resource.data(), extent, extent, extent * 4,
                      QImage::Format_ARGB32_Premultiplied);
    }

    // The smallest image at least as large as asked for, else the largest.
    int sourceExtent(int wanted) const {
        const auto it = files_.lowerBound(wanted);
        return it != files_.constEnd() ? it.key() : files_.lastKey();
    }

    QMap<int, QString> files_;       // image size in pixels -> resource path
    QHash<quint64, QPixmap> drawn_;  // by size and mode, decoded and scaled once
};

}  // namespace

QIcon namedImage(const QString& name) {
    // Each image comes rendered at a few sizes (NAME-SIZE.pixels); the icon
    // picks the nearest when drawn. The list of files is read once and never
    // changes; the decoded pixmaps belong to the icon made here, and so to
    // whoever keeps it (a button, the table model), and go with it.
    static const QHash<QString, QMap<int, QString>> files = [] {
        QHash<QString, QMap<int, QString>> found;
        for (QDirIterator it(QStringLiteral(":/images"), QDir::Files); it.hasNext();) {
            it.next();
            const QString file = it.fileName();
            const qsizetype dash = file.lastIndexOf(QLatin1Char('-'));
            const QLatin1String suffix(".pixels");
            if (dash <= 0 || !file.endsWith(suffix)) continue;
            const int size = QStringView(file).sliced(dash + 1).chopped(suffix.size()).toInt();
            if (size > 0) found[file.left(dash)].insert(size, it.filePath());
        }
        return found;
    }();
    const auto it = files.constFind(name);
    return it == files.constEnd() ? QIcon() : QIcon(new NamedImageEngine(*it));
}

}  // namespace dunok
