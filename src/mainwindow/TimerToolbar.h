// The main window's toolbar: ten fixed items built from one table, each
// command button dispatching on its identifier.
#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <QToolBar>

class QToolButton;

namespace dunok {

namespace ToolbarIds {
inline const QString tbAddToolbarItem = QStringLiteral("AddToolbarItem");
inline const QString tbAddMultipleToolbarItem = QStringLiteral("AddMultipleToolbarItem");
inline const QString tbEditToolbarItem = QStringLiteral("EditToolbarItem");
inline const QString tbDeleteToolbarItem = QStringLiteral("DeleteToolbarItem");
inline const QString strSetSpace = QStringLiteral("SetSpace");
inline const QString tbSortToolbarItem = QStringLiteral("SortToolbarItem");
inline const QString tbResetToolbarItem = QStringLiteral("ResetToolbarItem");
inline const QString tbSilcenceToolbarItem = QStringLiteral("tbSilcenceToolbarItem");
inline const QString strFlexibleSpace = QStringLiteral("FlexibleSpace");
inline const QString tbPreferencesToolbarItem = QStringLiteral("PreferencesToolbarItem");
}  // namespace ToolbarIds

struct ToolbarItem {
    QString title;
    QString icon;
    QString identifier;
    QString tooltip;
};

// The icon as it reads on this palette: on a dark one, its dark lines are
// redrawn in the text colour.
QIcon iconForPalette(const QIcon& icon, const QPalette& palette);

// The items in toolbar order.
const QList<ToolbarItem>& toolbarItems();

// What the enabling of the items depends on.
struct ToolbarState {
    bool hasSelection = false;
    bool haveAlerts = false;  // anything in the running-timer table
    bool haveTimers = false;
    bool alarmPlaying = false;
    QString sortLabel;
};

class TimerToolbar : public QToolBar {
    Q_OBJECT
public:
    static inline const QString identifier = QStringLiteral("TheToolbarIdentifier");

    explicit TimerToolbar(QWidget* parent = nullptr);

    // The command button of an identifier, or null (the spacers have none).
    QToolButton* button(const QString& identifier) const;
    // Enables the items and relabels Sort.
    void update(const ToolbarState& state);

signals:
    // A button was clicked; sent after the click has been handled, so the
    // command never runs inside the button's own event.
    void commandRequested(const QString& identifier);

private:
    void btnClick(const QString& identifier);

    QList<QToolButton*> buttons_;  // in toolbar order, spacers left out
};

}  // namespace dunok
