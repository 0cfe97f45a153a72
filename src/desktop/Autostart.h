// Starting Dunok at login, through an XDG autostart entry: a desktop file in
// the user's autostart folder that the session runs as it starts. Its being
// there is the setting; nothing else keeps it.
#pragma once

#include <QString>

namespace dunok {

// $XDG_CONFIG_HOME/autostart/dunok.desktop: the same name as the launcher's
// entry, so that a session's list of start-up programs shows it as Dunok.
QString autostartEntryPath();

// Whether the entry is there and not switched off by the session's own
// settings (Hidden=true, or X-GNOME-Autostart-enabled=false).
bool startsAtLogin();

// Writes the entry (starting this program with its window hidden in the
// tray) or removes it. False with a message that names the file when the
// folder or the file cannot be written; an existing entry is then left as
// it was.
bool setStartsAtLogin(bool on, QString* error);

// The Exec line of the entry: the program's own path, quoted as desktop
// entries quote, then --hidden.
QString autostartCommand(const QString& program);

}  // namespace dunok
