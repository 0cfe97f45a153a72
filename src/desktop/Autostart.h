// Starting Dunok at login, through an XDG autostart entry: a desktop file in
// the user's autostart folder that the session runs as it starts. Its being
// there is the setting; nothing else keeps it.
#pragma once

#include <QString>

namespace dunok {

// $XDG_CONFIG_HOME/autostart/org.dunok.Dunok.desktop: the same name as the
// launcher's entry, so that a session's list of start-up programs shows it as
// Dunok.
QString autostartEntryPath();

// Where releases before the application id kept the entry:
// $XDG_CONFIG_HOME/autostart/dunok.desktop.
QString earlierAutostartEntryPath();

// Whether the text of a desktop entry is one that setStartsAtLogin of an
// earlier release wrote: named Dunok, with Dunok's old icon name, starting a
// program called dunok with --hidden. A file of the user's own is not.
bool isEarlierAutostartEntry(const QByteArray& text);

enum class EntryMove { NothingToMove, Moved, Failed };

// Moves an entry an earlier release wrote to autostartEntryPath(), keeping
// what the session changed in it (switched off stays off) and giving it the
// icon of today. Nothing is done when there is already an entry of the new
// name or the old file is not Dunok's. On Failed, error says why and both
// files are as they were.
EntryMove moveEarlierAutostartEntry(QString* error);

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
