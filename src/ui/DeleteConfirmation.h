// Deleting timers asks first: the question, and asking it over the window.
#pragma once

#include <QStringList>
#include <functional>

class QWidget;

namespace dunok {

struct AlertSpec;

// The confirmation for deleting the timers with these descriptions: one is
// named, several are counted.
AlertSpec deleteConfirmation(const QStringList& names);

// Asks, in a sheet over window, whether to delete the selected timers named
// and calls confirmed once the user chose "Delete". Asks nothing when the
// list is empty or no timer is named.
void confirmDeleteTimers(QWidget* window, const QStringList& names,
                         std::function<void()> confirmed);

}  // namespace dunok
