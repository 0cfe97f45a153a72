// One day button of the month calendar. Its whole look is drawn here: the
// background, the selection disc, today's bar and the day number.
#pragma once

#include <QAbstractButton>
#include <QDateTime>
#include <optional>

namespace dunok {

class WallClock;

class CalendarCell : public QAbstractButton {
    Q_OBJECT
public:
    // clock: where today is, in the user's zone.
    CalendarCell(const WallClock& clock, QWidget* parent);

    // The day this button stands for; none for an empty grid position, which
    // is disabled and hidden.
    std::optional<QDateTime> representedDate() const { return representedDate_; }
    void setRepresentedDate(std::optional<QDateTime> date);

    bool isSelected() const { return selected_; }
    void setSelected(bool selected);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawDayNumber(QPainter& painter, const QColor& color);

    const WallClock& clock_;
    std::optional<QDateTime> representedDate_;
    QString dayStr_;
    bool selected_ = false;
};

}  // namespace dunok
