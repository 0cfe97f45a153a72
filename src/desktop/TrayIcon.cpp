#include "desktop/TrayIcon.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

#include "desktop/NamedImage.h"
#include "domain/TimerLookup.h"

namespace dunok {

namespace {
// The application icon with the count drawn in a red disc at its corner.
QIcon iconWithCount(int count) {
    const QIcon base = namedImage(QStringLiteral("dunok"));
    if (count <= 0) return base;
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap = base.pixmap(size, size);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal disc = size * 0.62;
        const QRectF rect(size - disc, 0, disc, disc);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(206, 38, 38));
        painter.drawEllipse(rect);
        QFont font = QApplication::font();
        font.setBold(true);
        font.setPixelSize(qMax(6, int(disc * (count > 9 ? 0.55 : 0.75))));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(rect, Qt::AlignCenter,
                         count > 99 ? QStringLiteral("99+") : QString::number(count));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
}  // namespace

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {
    icon_ = new QSystemTrayIcon(iconWithCount(0), this);
    icon_->setToolTip(QApplication::applicationDisplayName());
    menu_ = new QMenu();
    menu_->addAction(tr("Show Dunok"), this, &TrayIcon::showRequested);
    menu_->addSeparator();
    menu_->addAction(tr("Quit Dunok"), this, &TrayIcon::quitRequested);
    icon_->setContextMenu(menu_);
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) emit activated();
    });
}

TrayIcon::~TrayIcon() {
    delete menu_;
}

bool TrayIcon::available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::show() {
    icon_->show();
}

void TrayIcon::showCount(int count) {
    icon_->setIcon(iconWithCount(count));
}

void TrayIcon::showNextFinish(const std::optional<NextFinish>&) {
    showTimersChanged();
}

void TrayIcon::showTimersChanged() {
    const QString tip = toolTip(running_ ? running_() : QList<RunningLine>());
    if (tip != icon_->toolTip()) icon_->setToolTip(tip);
}

QString TrayIcon::toolTip(const QList<RunningLine>& lines) {
    constexpr int shownAtMost = 10;
    QStringList tip{QApplication::applicationDisplayName()};
    for (const RunningLine& line : lines.mid(0, shownAtMost)) {
        const QString name = line.description.isEmpty() ? tr("A timer") : line.description;
        tip << (line.paused ? tr("%1 — paused, %2 left") : tr("%1 — %2 left"))
                   .arg(name, clockText(line.remaining));
    }
    if (lines.size() > shownAtMost) tip << tr("and %n more", "", int(lines.size() - shownAtMost));
    return tip.join(QLatin1Char('\n'));
}

}  // namespace dunok
