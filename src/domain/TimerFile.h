// Timers taken to another machine: the JSON file that "Export Timers…" and
// --export write and "Import Timers…" and --import read.
//
//   {"format": "dunok-timers", "version": 1, "timers": [
//     {"description": "Tea", "seconds": 300, "sound": "Chimes",
//      "snooze": {"on": false, "minutes": 5}, "warnBefore": 0,
//      "whenFinished": {"then": "start", "times": 4, "timer": "Break"}}]}
//
// in the user's order. A sound is named, never embedded. A chain names the
// timer it starts by description (and, where several timers of the file have
// it, by "index" as well). Keys a reader does not know are ignored, so that a
// later version can add to the format without breaking this one.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "domain/StoreError.h"
#include "domain/Timer.h"

namespace dunok {

class TimerRepository;

inline constexpr int timerFileVersion = 1;
// A timer file holds at most this many timers, and is at most this large;
// anything beyond is not a list of timers someone keeps but a mistake.
inline constexpr int maxTimersInFile = 1000;
inline constexpr qint64 maxTimerFileBytes = 16LL * 1024 * 1024;
inline constexpr int maxImportedDescription = 1000;

// The file for these timers. A chain to a timer that is not among them (it
// was deleted) is written as "stop": the file must read back on its own.
QByteArray timerFileText(const QList<Timer>& timers);

struct TimerFileContents {
    QList<Timer> timers;  // not stored: no ids, no chains
    // For each timer, the index of the timer it starts, or -1.
    QList<int> links;
    // What is wrong with the file and where, for the user; nothing is read
    // then.
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Reads an export file. A timer that names no sound gets defaultSound. Any
// fault, anywhere, refuses the whole file.
TimerFileContents readTimerFile(const QByteArray& file, const QString& defaultSound);

// The file at path, or why it cannot be read (missing, not a file, larger
// than maxTimerFileBytes, unreadable) in *error.
bool readTimerFileAt(const QString& path, QByteArray* file, QString* error);
// Writes the file whole or not at all: a folder that cannot be written, or a
// full disk, leaves no half file behind and says why in *error.
bool writeTimerFileAt(const QString& path, const QByteArray& file, QString* error);

struct ImportResult {
    QList<Timer> timers;        // as stored, in the file's order
    QString error;              // the file's fault or the store's refusal; nothing added then
    bool storeRefused = false;  // the file was fine, the store refused it: storeError says why
    StoreError storeError = {};
    // The sounds the timers name that this machine does not have: they ring
    // the default sound until one of that name is added.
    QStringList unknownSounds;
    bool ok() const { return error.isEmpty(); }
};

// Stores the file's timers after the existing ones, in one transaction: all
// of them or none. A description that one of taken already has gets " 2"
// (" 3", ...). soundKnown says whether this machine has a sound of that name.
ImportResult importTimers(const QByteArray& file, TimerRepository& store, const QStringList& taken,
                          const QString& defaultSound,
                          const std::function<bool(const QString&)>& soundKnown);

// "Exported 3 timers to “timers.json”.", for the user.
QString exportedText(int count, const QString& where);
// What follows a refused import's reason: "No timer was imported."
QString nothingImportedText();
// "Imported 3 timers.", with the sounds that are missing here, for the user.
QString importedText(const ImportResult& result, const QString& defaultSound);

}  // namespace dunok
