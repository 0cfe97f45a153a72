#include "domain/Logging.h"

namespace dunok {
// Debug lines off by default; informational lines and warnings on.
Q_LOGGING_CATEGORY(lcNotifications, "dunok.notifications", QtInfoMsg)
Q_LOGGING_CATEGORY(lcEngine, "dunok.engine", QtInfoMsg)
}  // namespace dunok
