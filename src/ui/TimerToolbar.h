// The main window's toolbar: ten fixed items built from one table, each
// command button showing one of the window's commands.
#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <QToolBar>
#include <optional>

#include "ui/TimerActions.h"

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
    std::optional<Command> command;  // none for the spacers
};

// The items in toolbar order.
const QList<ToolbarItem>& toolbarItems();

class TimerToolbar : public QToolBar {
    Q_OBJECT
public:
    static inline const QString identifier = QStringLiteral("TheToolbarIdentifier");

    // The buttons show actions' commands, enabled as the actions are; Sort
    // is labelled with its action's title.
    explicit TimerToolbar(const TimerActions& actions, QWidget* parent = nullptr);

    // The command button of an identifier, or null (the spacers have none).
    QToolButton* button(const QString& identifier) const;
    // The action a button triggers, or null.
    QAction* actionOf(const QToolButton* button) const;

private:
    struct Entry {
        QToolButton* button;
        QAction* action;
    };
    void follow(QToolButton* button, QAction* action);

    QList<Entry> entries_;  // in toolbar order, spacers left out
};

}  // namespace dunok
