#include "ui/Palettes.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cmath>

namespace dunok {

namespace {
double channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& color) {
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) +
           0.0722 * channel(rgb.blue());
}

// The dark look's greys, from the list's ground up to the text.
const QColor darkBase(30, 32, 36);
const QColor darkAlternate(40, 43, 48);
const QColor darkWindow(45, 48, 53);
const QColor darkButton(55, 59, 65);
const QColor darkText(232, 234, 237);
const QColor darkDisabledText(128, 133, 140);
// A deep blue, so that white selected text keeps well above 4.5:1.
const QColor darkHighlight(38, 95, 153);
}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

bool applicationIsDark() {
    return isDarkPalette(QApplication::palette());
}

QPalette darkPalette() {
    QPalette p;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, darkWindow);
        p.setColor(group, QPalette::WindowText, darkText);
        p.setColor(group, QPalette::Base, darkBase);
        p.setColor(group, QPalette::AlternateBase, darkAlternate);
        p.setColor(group, QPalette::Text, darkText);
        p.setColor(group, QPalette::Button, darkButton);
        p.setColor(group, QPalette::ButtonText, darkText);
        p.setColor(group, QPalette::BrightText, QColor(255, 110, 100));
        p.setColor(group, QPalette::Highlight, darkHighlight);
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::ToolTipBase, QColor(60, 64, 70));
        p.setColor(group, QPalette::ToolTipText, darkText);
        p.setColor(group, QPalette::PlaceholderText, QColor(150, 156, 163));
        p.setColor(group, QPalette::Link, QColor(120, 175, 255));
        p.setColor(group, QPalette::LinkVisited, QColor(190, 150, 255));
        // The bevels the style draws frames and grooves with.
        p.setColor(group, QPalette::Light, QColor(80, 85, 92));
        p.setColor(group, QPalette::Midlight, QColor(64, 68, 74));
        p.setColor(group, QPalette::Mid, QColor(40, 43, 48));
        p.setColor(group, QPalette::Dark, QColor(22, 24, 27));
        p.setColor(group, QPalette::Shadow, QColor(10, 10, 12));
    }
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, darkDisabledText);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(70, 74, 80));
    p.setColor(QPalette::Disabled, QPalette::HighlightedText, darkDisabledText);
    return p;
}

void PaletteSwitch::showDark(bool dark) {
    if (dark == dark_) return;
    if (dark) {
        // Kept as it is now, to go back to exactly that.
        light_ = QApplication::palette();
        QApplication::setPalette(darkPalette());
    } else {
        QApplication::setPalette(light_);
    }
    dark_ = dark;
}

namespace {
class PaletteSwitchWatcher : public QObject {
public:
    PaletteSwitchWatcher(QWidget* inside, std::function<void()> recolour)
        : QObject(inside), recolour_(std::move(recolour)) {
        inside->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Either comes, by whether the widget's palette is all its own.
        if (event->type() == QEvent::ApplicationPaletteChange ||
            event->type() == QEvent::PaletteChange)
            recolour_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> recolour_;
};
}  // namespace

void whenPaletteSwitches(QWidget* inside, std::function<void()> recolour) {
    new PaletteSwitchWatcher(inside, std::move(recolour));
}

DurationColors durationColors(bool dark) {
    if (dark) return {darkText, QColor(255, 120, 100)};
    return {QColor(0, 0, 0), QColor(194, 37, 3)};
}

CalendarColors calendarColors(bool dark) {
    // The light calendar is a paper one, black days on white whatever the
    // light theme; the dark one keeps its red disc and green bar, deepened
    // so that the day number stays readable on them.
    if (dark)
        return {darkBase,
                darkText,
                QColor(196, 32, 32),
                QColor(60, 190, 90),
                QColor(140, 145, 152),
                QColor(90, 95, 102)};
    return {Qt::white, Qt::black, Qt::red, Qt::green, QColor(128, 128, 128), QColor(170, 170, 170)};
}

QPalette calendarPalette(bool dark) {
    const CalendarColors colors = calendarColors(dark);
    QPalette palette(dark ? darkButton : QColor(240, 240, 240), colors.background);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colors.text);
    palette.setColor(QPalette::Base, colors.background);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, dark ? darkDisabledText : QColor(160, 160, 160));
    return palette;
}

}  // namespace dunok
