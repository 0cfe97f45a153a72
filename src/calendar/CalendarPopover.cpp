#include "calendar/CalendarPopover.h"

#include <QScreen>
#include <QVBoxLayout>

#include "calendar/CalendarBackgroud.h"
#include "calendar/MonthCalendarView.h"

namespace dunok {

CalendarPopover::CalendarPopover(QWidget* parent) : QFrame(parent, Qt::Popup) {
    // The calendar is always drawn light; so is the frame around it.
    QPalette palette = lightCalendarPalette();
    palette.setColor(QPalette::WindowText, QColor(170, 170, 170));
    setPalette(palette);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAccessibleName(tr("Calendar"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    calendarView_ = new MonthCalendarView(this);
    layout->addWidget(calendarView_);
}

void CalendarPopover::showBelow(QWidget* anchor) {
    adjustSize();
    if (anchor) {
        const QSize size = sizeHint();
        const QPoint anchorTop = anchor->mapToGlobal(QPoint(0, 0));
        QRect frame(QPoint(anchorTop.x() + (anchor->width() - size.width()) / 2,
                           anchorTop.y() + anchor->height()),
                    size);
        // Stay on the anchor's screen: above the button when there is no room below.
        if (const QScreen* screen = anchor->screen()) {
            const QRect room = screen->availableGeometry();
            if (frame.bottom() > room.bottom() && anchorTop.y() - size.height() >= room.top())
                frame.moveBottom(anchorTop.y() - 1);
            if (frame.right() > room.right()) frame.moveRight(room.right());
            if (frame.left() < room.left()) frame.moveLeft(room.left());
        }
        setGeometry(frame);
    }
    show();
}

}  // namespace dunok
