#include "desktop/TrayIcon.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPen>
#include <QSystemTrayIcon>
#include <algorithm>

#include "desktop/NamedImage.h"
#include "desktop/StatusNotifierItem.h"
#include "domain/TimerLookup.h"

namespace dunok {

namespace {
// The application icon with the progress of the next finish as a pie at its
// lower corner and the count in a red disc at its upper one.
QIcon iconWith(const QIcon& base, int count, const std::optional<TrayRing>& ring) {
    if (count <= 0 && !ring) return base;
    QIcon icon;
    for (int size : trayIconSizes) {
        QPixmap pixmap = base.pixmap(size, size);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        if (ring) {
            const qreal pie = size * 0.6, edge = qMax(1.0, size / 16.0);
            const QRectF rect(edge / 2, size - pie + edge / 2, pie - edge, pie - edge);
            painter.setPen(QPen(QColor(59, 74, 90), edge));
            painter.setBrush(Qt::white);
            painter.drawEllipse(rect);
            // What is left, clockwise from twelve o'clock; grey while paused.
            painter.setPen(Qt::NoPen);
            painter.setBrush(ring->paused ? QColor(150, 150, 150) : QColor(26, 156, 152));
            const int left = TrayRing::steps - ring->step;
            painter.drawPie(rect, 90 * 16, -left * 360 * 16 / TrayRing::steps);
        }
        if (count <= 0) {
            icon.addPixmap(pixmap);
            continue;
        }
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
    drawn_ = appIcon_;
    tip_ = QApplication::applicationDisplayName();
    menu_ = new QMenu();
    connect(menu_, &QMenu::aboutToShow, this, &TrayIcon::refreshMenu);
    // Show first and Quit last whatever runs, so that the keys find them.
    menu_->addAction(tr("Show Dunok"), this, &TrayIcon::showRequested);
    menu_->addSeparator();
    timersEnd_ = menu_->addSeparator();
    timersEnd_->setVisible(false);
    menu_->addAction(tr("Quit Dunok"), this, &TrayIcon::quitRequested);
    item_ = new StatusNotifierItem(menu_, this);
    item_->setIcon(drawn_);
    item_->setToolTip(tip_, QString());
    connect(item_, &StatusNotifierItem::activated, this, &TrayIcon::activated);
    connect(item_, &StatusNotifierItem::inTrayChanged, this, &TrayIcon::placeIcon);
}

TrayIcon::~TrayIcon() {
    // The item goes first: a host that asks meanwhile finds no menu gone.
    delete item_;
    delete menu_;
}

bool TrayIcon::available() const {
    return item_->inTray() || (icon_ && QSystemTrayIcon::isSystemTrayAvailable());
}

void TrayIcon::show() {
    shown_ = true;
    placeIcon();
}

void TrayIcon::placeIcon() {
    if (item_->inTray()) {
        if (icon_) icon_->hide();
        return;
    }
    // Only X11 embeds windows in a tray; elsewhere Dunok waits for a
    // status-notifier one.
    if (!shown_ || QGuiApplication::platformName() != QLatin1String("xcb")) return;
    if (!icon_) {
        icon_ = new QSystemTrayIcon(drawn_, this);
        icon_->setToolTip(tip_);
        icon_->setContextMenu(menu_);
        connect(icon_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason r) {
                    if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick)
                        emit activated();
                });
    }
    icon_->show();
}

void TrayIcon::showCount(int count) {
    count_ = count;
    refreshSoon_.ask();
}

void TrayIcon::showNextFinish(const std::optional<NextFinish>&) {
    refreshSoon_.ask();
}

void TrayIcon::showTimersChanged() {
    refreshSoon_.ask();
}

void TrayIcon::refresh() {
    const QList<RunningLine> lines = running_ ? running_() : QList<RunningLine>();
    const QString tip = toolTip(lines);
    if (tip != tip_) {
        tip_ = tip;
        if (icon_) icon_->setToolTip(tip);
        // A status-notifier tray shows the title apart from the lines.
        const qsizetype lineBreak = tip.indexOf(QLatin1Char('\n'));
        item_->setToolTip(tip.left(lineBreak), lineBreak < 0 ? QString() : tip.mid(lineBreak + 1));
    }
    // Drawn again only when the drawing changes: a step of the pie, the
    // count, a pause.
    const std::optional<TrayRing> ring = ringFor(lines);
    if (ring == ring_ && shownCount_ == count_) return;
    ring_ = ring;
    shownCount_ = count_;
    drawn_ = iconWith(appIcon_, count_, ring_);
    if (icon_) icon_->setIcon(drawn_);
    item_->setIcon(drawn_);
}

std::optional<TrayRing> TrayIcon::ringFor(const QList<RunningLine>& lines) {
    if (lines.isEmpty()) return std::nullopt;
    const RunningLine& first = lines.constFirst();
    return TrayRing{int(first.progress() * TrayRing::steps), first.paused};
}

QString TrayIcon::lineText(const RunningLine& line) {
    const QString name = line.description.isEmpty() ? tr("A timer") : line.description;
    return (line.paused ? tr("%1 — paused, %2 left") : tr("%1 — %2 left"))
        .arg(name, clockText(line.remaining));
}

void TrayIcon::refreshMenu() {
    const QList<RunningLine> lines = running_ ? running_() : QList<RunningLine>();
    // A timer keeps its submenu, and so its place in a status-notifier
    // tray's copy of the menu, for as long as it runs.
    QHash<QString, QMenu*> kept;
    QList<QAction*> order;
    for (const RunningLine& line : lines.mid(0, shownAtMost)) {
        QMenu* timer = timerMenus_.take(line.id);
        if (!timer) {
            timer = new QMenu(menu_);
            const QString id = line.id;
            timer->addAction(QString(), this, [this, id] { emit pauseOrResumeRequested(id); });
            timer->addAction(tr("Stop"), this, [this, id] { emit stopRequested(id); });
        }
        timer->setTitle(lineText(line));
        timer->actions().constFirst()->setText(line.paused ? tr("Resume") : tr("Pause"));
        kept.insert(line.id, timer);
        order << timer->menuAction();
    }
    qDeleteAll(timerMenus_);
    timerMenus_ = kept;
    // Put back in order only when it changed, so that a menu that stays the
    // same reads as unchanged.
    // The timers sit between Show and its separator, and their own one.
    const QList<QAction*> all = menu_->actions();
    if (all.mid(2, all.indexOf(timersEnd_) - 2) != order) {
        for (QAction* action : order) menu_->removeAction(action);
        menu_->insertActions(timersEnd_, order);
    }
    timersEnd_->setVisible(!lines.isEmpty());
}

QString TrayIcon::toolTip(const QList<RunningLine>& lines) {
    QStringList tip{QApplication::applicationDisplayName()};
    for (const RunningLine& line : lines.mid(0, shownAtMost)) tip << lineText(line);
    if (lines.size() > shownAtMost) tip << tr("and %n more", "", int(lines.size() - shownAtMost));
    return tip.join(QLatin1Char('\n'));
}

}  // namespace dunok
