// Console lines meant for Dunok's developers go through these categories and
// stay silent unless asked for, e.g. QT_LOGGING_RULES="dunok.*.debug=true".
// Warnings a user needs (a missing sound file, an unreadable file) are plain
// qWarning() and always shown.
#pragma once

#include <QLoggingCategory>

namespace dunok {
Q_DECLARE_LOGGING_CATEGORY(lcNotifications)  // "dunok.notifications"
Q_DECLARE_LOGGING_CATEGORY(lcEngine)         // "dunok.engine"
}  // namespace dunok
