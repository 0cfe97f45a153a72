#include "ui/TimerToolbar.h"

#include <QAction>
#include <QSizePolicy>
#include <QTimer>
#include <QToolButton>

#include "desktop/NamedImage.h"
#include "ui/InkedIcon.h"

namespace dunok {

namespace {
// Points: the toolbar SVGs' own width, so that their images are drawn at the
// size they were rendered at, unscaled; the button leaves a margin around it.
constexpr int imageSize = 32;
constexpr int buttonSize = imageSize + 8;
constexpr int fixedSpace = 16;
}  // namespace

const QList<ToolbarItem>& toolbarItems() {
    using namespace ToolbarIds;
    // Titles and tooltips are marked for translation here and translated
    // where the buttons are made.
    static const QList<ToolbarItem> items = {
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Add")), QStringLiteral("img_add"),
         tbAddToolbarItem,
         QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Create a new timer.")),
         Command::NewTimer},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Add")),
         QStringLiteral("img_addmultiple"), tbAddMultipleToolbarItem,
         QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Create multiple timers.")),
         Command::AddMultiple},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Edit")),
         QStringLiteral("img_edit"), tbEditToolbarItem, QString(), Command::EditTimer},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Delete")),
         QStringLiteral("img_delete"), tbDeleteToolbarItem, QString(), Command::Delete},
        {QStringLiteral("irrelevant"), QString(), strSetSpace, QString(), std::nullopt},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Sort")),
         QStringLiteral("img_sort1"), tbSortToolbarItem,
         QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Sort by custom, name or time")),
         Command::Sort},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Reset")),
         QStringLiteral("img_reset1"), tbResetToolbarItem,
         QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Stop all timers")),
         Command::Reset},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Silence")),
         QStringLiteral("img_mute1"), tbSilcenceToolbarItem,
         QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Silence any active alarms")),
         Command::Silence},
        {QStringLiteral("irrelevant"), QString(), strFlexibleSpace, QString(), std::nullopt},
        {QStringLiteral(QT_TRANSLATE_NOOP("dunok::TimerToolbar", "Preferences")),
         QStringLiteral("img_prefs"), tbPreferencesToolbarItem, QString(), Command::Preferences},
    };
    return items;
}

TimerToolbar::TimerToolbar(const TimerActions& actions, QWidget* parent) : QToolBar(parent) {
    setObjectName(identifier);
    setWindowTitle(tr("Toolbar"));
    // A fixed toolbar, as the user cannot customise it.
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(imageSize, imageSize));

    for (const ToolbarItem& item : toolbarItems()) {
        if (!item.command) {
            auto* space = new QWidget(this);
            space->setObjectName(item.identifier);
            if (item.identifier == ToolbarIds::strSetSpace)
                space->setFixedWidth(fixedSpace);
            else
                space->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            addWidget(space);
            continue;
        }
        // Buttons of our own that trigger the action rather than the action's
        // own button: an action lends its menu title to a button that has no
        // tooltip, and these are to have their toolbar labels and none.
        auto* tb = new QToolButton(this);
        tb->setObjectName(item.identifier);
        tb->setIcon(paletteFollowingIcon(namedImage(item.icon)));
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
        follow(tb, actions.action(*item.command));
    }
}

void TimerToolbar::follow(QToolButton* tb, QAction* action) {
    entries_.append({tb, action});
    const bool relabel = tb->objectName() == ToolbarIds::tbSortToolbarItem;
    const auto sync = [tb, action, relabel] {
        tb->setEnabled(action->isEnabled());
        if (relabel && !action->text().isEmpty() && tb->text() != action->text()) {
            tb->setText(action->text());
            tb->setAccessibleName(action->text());
        }
    };
    sync();
    connect(action, &QAction::changed, tb, sync);
    // Queued, so that the command never runs inside the button's own event.
    connect(tb, &QToolButton::clicked, action, [action] {
        QTimer::singleShot(0, action, [action] {
            if (action->isEnabled()) action->trigger();
        });
    });
}

QToolButton* TimerToolbar::button(const QString& identifier) const {
    for (const Entry& entry : entries_)
        if (entry.button->objectName() == identifier) return entry.button;
    return nullptr;
}

QAction* TimerToolbar::actionOf(const QToolButton* button) const {
    for (const Entry& entry : entries_)
        if (entry.button == button) return entry.action;
    return nullptr;
}

}  // namespace dunok
