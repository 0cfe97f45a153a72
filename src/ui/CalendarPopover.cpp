#include "ui/CalendarPopover.h"

#include <QEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/CalendarBackgroud.h"
#include "ui/MonthCalendarView.h"
#include "ui/Palettes.h"

namespace dunok {

namespace {
// Moved the least that puts it inside room (its top left corner, if it is
// larger than room).
QRect keptInside(QRect frame, const QRect& room) {
    if (room.isEmpty()) return frame;
    if (frame.right() > room.right()) frame.moveRight(room.right());
    if (frame.bottom() > room.bottom()) frame.moveBottom(room.bottom());
    if (frame.left() < room.left()) frame.moveLeft(room.left());
    if (frame.top() < room.top()) frame.moveTop(room.top());
    return frame;
}

qint64 coveredArea(const QRect& frame, const QList<QRect>& keepClear) {
    qint64 area = 0;
    for (const QRect& r : keepClear) {
        const QRect overlap = frame.intersected(r);
        if (!overlap.isEmpty()) area += qint64(overlap.width()) * overlap.height();
    }
    return area;
}
}  // namespace

QRect placePopup(QSize size, const QRect& anchor, const QRect& room,
                 const QList<QRect>& keepClear) {
    const int centredX = anchor.center().x() - size.width() / 2;
    const QRect candidates[] = {QRect(QPoint(centredX, anchor.bottom() + 1), size),
                                QRect(QPoint(centredX, anchor.top() - size.height()), size),
                                QRect(QPoint(anchor.right() + 1, anchor.top()), size),
                                QRect(QPoint(anchor.left() - size.width(), anchor.top()), size)};
    QRect best;
    qint64 bestCovered = -1;
    for (const QRect& candidate : candidates) {
        const QRect frame = keptInside(candidate, room);
        const qint64 covered = coveredArea(frame, keepClear);
        if (covered == 0) return frame;
        if (bestCovered < 0 || covered < bestCovered) best = frame, bestCovered = covered;
    }
    return best;
}

CalendarPopover::CalendarPopover(const WallClock& clock, QWidget* parent)
    : QFrame(parent, Qt::Popup) {
    colour();
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAccessibleName(tr("Calendar"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    calendarView_ = new MonthCalendarView(clock, this);
    layout->addWidget(calendarView_);
    whenPaletteSwitches(calendarView_, [this] { colour(); });
}

void CalendarPopover::colour() {
    // The frame is drawn in the calendar's colours, its line a quiet grey.
    const bool dark = applicationIsDark();
    QPalette wanted = calendarPalette(dark);
    wanted.setColor(QPalette::WindowText, calendarColors(dark).frame);
    if (palette() != wanted) setPalette(wanted);
}

void CalendarPopover::showNextTo(QWidget* anchor, const QList<QWidget*>& keepClear) {
    adjustSize();
    if (anchor) {
        const QRect anchorRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
        QList<QRect> clear;
        for (const QWidget* widget : keepClear)
            if (widget && widget->isVisible())
                clear.append(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
        const QScreen* screen = anchor->screen();
        const QRect room = screen ? screen->availableGeometry() : QRect();
        setGeometry(placePopup(sizeHint(), anchorRect, room, clear));
    }
    show();
}

}  // namespace dunok
