// Deleting timers asks first: the question, and asking it over the window.
#pragma once

#include <functional>

class QWidget;

namespace dunok {

struct AlertSpec;

// The confirmation for deleting count timers, in the singular or the plural.
AlertSpec deleteConfirmation(int count);

// Asks, in a sheet over window, whether to delete the count selected timers
// and calls confirmed once the user chose "Delete". Asks nothing when the
// list is empty or count is 0.
void confirmDeleteTimers(QWidget* window, int count, std::function<void()> confirmed);

}  // namespace dunok
