#include "mainwindow/TimerToolbar.h"

#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QSizePolicy>
#include <QTimer>
#include <QToolButton>

#include "platform/NamedImage.h"

namespace dunok {

namespace {
constexpr int buttonSize = 40;  // points, the images' own size
constexpr int fixedSpace = 16;

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}
}  // namespace

QIcon iconForPalette(const QIcon& icon, const QPalette& palette) {
    if (!isDark(palette)) return icon;
    // The images are drawn in dark slate lines for light windows; on a dark
    // window those lines take the text colour, and the coloured accents stay.
    const QColor ink = palette.color(QPalette::WindowText);
    QIcon light;
    for (int size : {buttonSize, 2 * buttonSize}) {
        QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = QColor::fromRgba(line[x]);
                if (c.alpha() == 0 || c.hsvSaturationF() > 0.45 || c.valueF() > 0.5) continue;
                line[x] = qRgba(ink.red(), ink.green(), ink.blue(), c.alpha());
            }
        }
        light.addPixmap(QPixmap::fromImage(image));
    }
    return light;
}

const QList<ToolbarItem>& toolbarItems() {
    using namespace ToolbarIds;
    // Titles and tooltips are marked for translation here and translated
    // where the buttons are made.
    static const QList<ToolbarItem> items = {
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Add")), QStringLiteral("img_add"),
         tbAddToolbarItem,
         QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Create a new timer."))},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Add")),
         QStringLiteral("img_addmultiple"), tbAddMultipleToolbarItem,
         QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Create multiple timers."))},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Edit")),
         QStringLiteral("img_edit"), tbEditToolbarItem, QString()},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Delete")),
         QStringLiteral("img_delete"), tbDeleteToolbarItem, QString()},
        {QStringLiteral("irrelevant"), QString(), strSetSpace, QString()},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Sort")),
         QStringLiteral("img_sort1"), tbSortToolbarItem,
         QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Sort by custom, name or time"))},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Reset")),
         QStringLiteral("img_reset1"), tbResetToolbarItem,
         QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Stop all timers"))},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Silence")),
         QStringLiteral("img_mute1"), tbSilcenceToolbarItem,
         QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Silence any active alarms"))},
        {QStringLiteral("irrelevant"), QString(), strFlexibleSpace, QString()},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Preferences")),
         QStringLiteral("img_prefs"), tbPreferencesToolbarItem, QString()},
    };
    return items;
}

TimerToolbar::TimerToolbar(QWidget* parent) : QToolBar(parent) {
    setObjectName(identifier);
    setWindowTitle(tr("Toolbar"));
    // A fixed toolbar, as the user cannot customise it.
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(buttonSize - 8, buttonSize - 8));

    for (const ToolbarItem& item : toolbarItems()) {
        if (item.identifier == ToolbarIds::strSetSpace ||
            item.identifier == ToolbarIds::strFlexibleSpace) {
            auto* space = new QWidget(this);
            space->setObjectName(item.identifier);
            if (item.identifier == ToolbarIds::strSetSpace)
                space->setFixedWidth(fixedSpace);
            else
                space->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            addWidget(space);
            continue;
        }
        // Buttons of our own rather than actions: an action lends its label
        // to a button that has no tooltip, and these are to have none.
        auto* tb = new QToolButton(this);
        tb->setObjectName(item.identifier);
        tb->setIcon(iconForPalette(namedImage(item.icon), palette()));
        tb->setText(tr(qPrintable(item.title)));
        tb->setToolTip(item.tooltip.isEmpty() ? QString() : tr(qPrintable(item.tooltip)));
        tb->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tb->setIconSize(iconSize());
        tb->setAutoRaise(true);
        tb->setFocusPolicy(Qt::TabFocus);
        tb->setMinimumWidth(buttonSize + 12);
        // The two Add buttons share a label; a screen reader tells them apart.
        tb->setAccessibleName(item.identifier == ToolbarIds::tbAddMultipleToolbarItem
                                  ? tr("Add multiple")
                                  : tb->text());
        if (!item.tooltip.isEmpty()) tb->setAccessibleDescription(tb->toolTip());
        addWidget(tb);
        buttons_.append(tb);
        const QString id = item.identifier;
        connect(tb, &QToolButton::clicked, this, [this, id] { btnClick(id); });
    }
}

QToolButton* TimerToolbar::button(const QString& identifier) const {
    for (QToolButton* tb : buttons_)
        if (tb->objectName() == identifier) return tb;
    return nullptr;
}

void TimerToolbar::btnClick(const QString& identifier) {
    QTimer::singleShot(0, this, [this, identifier] { emit commandRequested(identifier); });
}

void TimerToolbar::update(const ToolbarState& state) {
    using namespace ToolbarIds;
    for (QToolButton* tb : std::as_const(buttons_)) {
        const QString id = tb->objectName();
        bool enabled = true;
        if (id == tbResetToolbarItem)
            enabled = state.haveAlerts;
        else if (id == tbEditToolbarItem || id == tbDeleteToolbarItem)
            enabled = state.hasSelection;
        else if (id == tbSortToolbarItem)
            enabled = state.haveTimers;
        else if (id == tbSilcenceToolbarItem)
            enabled = state.alarmPlaying;
        tb->setEnabled(enabled);
        if (id == tbSortToolbarItem && tb->text() != state.sortLabel) {
            tb->setText(state.sortLabel);
            tb->setAccessibleName(state.sortLabel);
        }
    }
}

}  // namespace dunok
