#include "ui/InkedIcon.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include "ui/Palettes.h"

namespace dunok {

QImage inked(const QImage& image, const QColor& ink) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QColor c = QColor::fromRgba(line[x]);
            if (c.alpha() == 0 || c.hsvSaturationF() > 0.45 || c.valueF() > 0.5) continue;
            line[x] = qRgba(ink.red(), ink.green(), ink.blue(), c.alpha());
        }
    }
    return out;
}

namespace {

class PaletteFollowingEngine : public QIconEngine {
public:
    explicit PaletteFollowingEngine(QIcon source) : source_(std::move(source)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QPalette palette = QApplication::palette();
        if (!isDarkPalette(palette)) return source_.pixmap(size, mode, state);
        const QColor ink = palette.color(QPalette::WindowText);
        const quint64 key = (quint64(size.width()) << 32) | (quint64(size.height()) << 8) | mode;
        if (ink != inkOfCache_) {
            cache_.clear();
            inkOfCache_ = ink;
        }
        if (const auto it = cache_.constFind(key); it != cache_.constEnd()) return *it;
        // Inked from the normal image; the disabled and selected looks are
        // made from that, as the style makes them for any icon.
        QPixmap pm =
            QPixmap::fromImage(inked(source_.pixmap(size, QIcon::Normal, state).toImage(), ink));
        if (mode != QIcon::Normal && !pm.isNull()) {
            QStyleOption option;
            option.palette = palette;
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pm, &option);
            if (!generated.isNull()) pm = generated;
        }
        cache_.insert(key, pm);
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * ratio, mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return source_.actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return source_.availableSizes(mode, state);
    }
    bool isNull() override { return source_.isNull(); }
    QString key() const override { return QStringLiteral("DunokPaletteFollowing"); }
    QIconEngine* clone() const override { return new PaletteFollowingEngine(source_); }

private:
    QIcon source_;
    QColor inkOfCache_;
    QHash<quint64, QPixmap> cache_;  // inked pixmaps by size and mode
};

}  // namespace

QIcon paletteFollowingIcon(const QIcon& source) {
    if (source.isNull()) return source;
    return QIcon(new PaletteFollowingEngine(source));
}

}  // namespace dunok
