// Where the program's store lives, how every part reaches it, and what its
// failures mean to the user.
#pragma once

#include <QString>
#include <functional>

namespace dunok {

struct StoreError;

// $XDG_DATA_HOME/Dunok/TimerModel.sqlite
// $XDG_DATA_HOME/Dunok: the store and the user's own sounds live here.
QString dataFolder();
QString defaultStorePath();

// For an alert about a change the store refused: what the user can do
// something about (a full disk, another program holding the file) as a
// sentence, then `consequence`; `consequence` alone for anything else.
QString storeTroubleText(const StoreError& error, const QString& consequence);
// The same for a line of text, where no details can be shown apart: any
// other failure names the error after the consequence.
QString storeRefusalText(const StoreError& error, const QString& consequence);

// For a store that cannot be opened at all: what is wrong with which file, in
// plain words, and what the user can do about it.
struct StoreOpenTrouble {
    QString what;
    QString whatToDo;
};
StoreOpenTrouble storeOpenTrouble(const StoreError& error);

}  // namespace dunok
