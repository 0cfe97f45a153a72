#include "ui/CalendarBackgroud.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include "ui/CalendarCell.h"
#include "ui/Palettes.h"

namespace dunok {

CalendarBackgroud::CalendarBackgroud(QWidget* parent) : QWidget(parent) {}

void CalendarBackgroud::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), calendarColors(applicationIsDark()).background);
}

namespace {
QString trCalendar(const char* text) {
    return QCoreApplication::translate("MonthCalendarView", text);
}

QToolButton* arrowButton(QWidget* root, const char* name, Qt::ArrowType arrow, const char* text) {
    auto* button = new QToolButton(root);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    button->setAccessibleName(trCalendar(text));
    button->setToolTip(trCalendar(text));
    return button;
}
}  // namespace

CalendarBackgroud* loadMonthCalendarLayout(const WallClock& clock, QWidget* parent) {
    auto* root = new CalendarBackgroud(parent);
    root->setObjectName(QStringLiteral("MonthCalendarView"));
    auto* grid = new QGridLayout(root);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setSpacing(0);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    auto* prev = arrowButton(root, "btnPrevMonth", Qt::LeftArrow,
                             QT_TRANSLATE_NOOP("MonthCalendarView", "Previous month"));
    auto* next = arrowButton(root, "btnNextMonth", Qt::RightArrow,
                             QT_TRANSLATE_NOOP("MonthCalendarView", "Next month"));
    auto* title = new QLabel(root);
    title->setObjectName(QStringLiteral("calendarTittle"));
    title->setAlignment(Qt::AlignCenter);
    title->setFocusPolicy(Qt::TabFocus);
    title->setAccessibleDescription(
        trCalendar(QT_TRANSLATE_NOOP("MonthCalendarView", "Shows the current month")));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    grid->addWidget(prev, 0, 0);
    grid->addWidget(title, 0, 1, 1, 5);
    grid->addWidget(next, 0, 6);
    grid->setRowMinimumHeight(0, 28);

    for (int column = 0; column < 7; ++column) {
        auto* label = new QLabel(root);
        label->setObjectName(QStringLiteral("day%1").arg(column + 1));
        label->setAlignment(Qt::AlignCenter);
        QFont small = label->font();
        small.setPointSizeF(9.0);
        label->setFont(small);
        label->setMinimumHeight(20);
        grid->addWidget(label, 1, column);
    }

    QWidget* previous = next;
    QWidget::setTabOrder(prev, title);
    QWidget::setTabOrder(title, next);
    for (int n = 1; n <= 42; ++n) {
        auto* cell = new CalendarCell(clock, root);
        cell->setObjectName(QStringLiteral("c%1").arg(n));
        cell->setFixedSize(cell->sizeHint());
        grid->addWidget(cell, 2 + (n - 1) / 7, (n - 1) % 7);
        QWidget::setTabOrder(previous, cell);
        previous = cell;
    }
    return root;
}

}  // namespace dunok
