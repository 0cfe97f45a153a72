#include "ui/CalendarCell.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include "domain/WallClock.h"
#include "ui/Palettes.h"

namespace dunok {

namespace {
// Sizes are in device-independent pixels, like the button's own geometry.
constexpr int dayFontSize = 15;
constexpr qreal discInset = 3.5;
constexpr qreal discDrop = 1.0;
constexpr qreal todayBarWidth = 4.0;

QDate dayIn(const QDateTime& moment, const QTimeZone& zone) {
    return moment.toTimeZone(zone).date();
}
}  // namespace

CalendarCell::CalendarCell(const WallClock& clock, QWidget* parent)
    : QAbstractButton(parent), clock_(clock) {
    // Focus comes from the keyboard only, so a mouse click leaves no focus ring.
    setFocusPolicy(Qt::TabFocus);
    setEnabled(false);
    // An empty position keeps its place in the grid, so that a month with
    // fewer weeks does not pull the days together.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    setVisible(false);
}

void CalendarCell::setRepresentedDate(std::optional<QDateTime> date) {
    representedDate_ = date;
    if (date) {
        const QDate day = dayIn(*date, clock_.timeZone());
        dayStr_ = QString::number(day.day());
        setAccessibleName(QLocale().toString(day, QLocale::LongFormat));
    } else {
        dayStr_.clear();
        setAccessibleName(QString());
    }
    setText(dayStr_);
    // An empty position cannot be clicked; past days can. It is hidden too,
    // so that a screen reader meets no blank button before the first day.
    setEnabled(date.has_value());
    setVisible(date.has_value());
    update();
}

void CalendarCell::setSelected(bool selected) {
    selected_ = selected;
    setAccessibleDescription(selected ? tr("Selected") : QString());
    update();
}

QSize CalendarCell::sizeHint() const {
    return {32, 28};
}

void CalendarCell::paintEvent(QPaintEvent*) {
    if (!representedDate_) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(rect());
    // The calendar is drawn in its own colours, like a paper calendar: the
    // picked day on a red disc, today over a green bar.
    const CalendarColors colors = calendarColors(applicationIsDark());

    painter.fillRect(bounds, colors.background);
    if (selected_) {
        const QRectF disc =
            bounds.adjusted(discInset, discInset, -discInset, -discInset).translated(0, discDrop);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colors.selection);
        painter.drawEllipse(disc);
    }
    const QTimeZone zone = clock_.timeZone();
    const QDate day = dayIn(*representedDate_, zone);
    const QDate today = dayIn(clock_.now(), zone);
    if (day == today) {
        // A bar along the bottom edge; half its width falls outside the button.
        QPen pen(colors.today, todayBarWidth);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(bounds.bottomLeft(), bounds.bottomRight());
    }
    drawDayNumber(painter, day < today ? colors.pastDay : colors.text);

    if (hasFocus()) {
        // Keyboard users need to see where they are.
        painter.setPen(QPen(colors.pastDay, 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void CalendarCell::drawDayNumber(QPainter& painter, const QColor& color) {
    QFont dayFont = font();
    dayFont.setPixelSize(dayFontSize);
    const QRectF bounds(rect());
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const qreal textHeight = QFontMetricsF(dayFont).boundingRect(bounds, flags, dayStr_).height();
    QRectF textRect = bounds;
    textRect.moveTop(bounds.top() + (bounds.height() - textHeight) / 2 - 1.0);
    painter.setFont(dayFont);
    painter.setPen(color);
    painter.drawText(textRect, flags, dayStr_);
}

}  // namespace dunok
