// The program's light and dark looks.
#pragma once

#include <QColor>
#include <QPalette>
#include <functional>

class QWidget;

namespace dunok {

// How much two colours stand apart, from 1 (the same) to 21 (black on
// white), by their relative luminance; text wants 4.5 to be read easily.
double contrastRatio(const QColor& a, const QColor& b);

// Whether a palette draws light text on dark windows.
bool isDarkPalette(const QPalette& palette);
// Whether the application draws dark now.
bool applicationIsDark();

// Light text on dark greys, standing apart as much as the light look does.
QPalette darkPalette();

// Swaps the application's palette between the one it started with and the
// dark one. Until asked for dark it changes nothing, so that the desktop's
// own look stays exactly as it was.
class PaletteSwitch {
public:
    void showDark(bool dark);
    bool dark() const { return dark_; }

private:
    QPalette light_;
    bool dark_ = false;
};

// Calls `recolour` whenever the application's palette changes, as `inside`,
// a widget inside a window, hears of it; `recolour` must set no palette
// that it has already set.
void whenPaletteSwitches(QWidget* inside, std::function<void()> recolour);

// The editor's duration line: its usual colour and its error colour.
struct DurationColors {
    QColor valid;
    QColor error;
};
DurationColors durationColors(bool dark);

// The month calendar's own colours.
struct CalendarColors {
    QColor background;
    QColor text;
    QColor selection;  // the picked day's disc
    QColor today;      // the bar under today
    QColor pastDay;
    QColor frame;  // around the pop-up
};
CalendarColors calendarColors(bool dark);
// The calendar's widgets' palette in those colours.
QPalette calendarPalette(bool dark);

}  // namespace dunok
