// Bringing the user's own sound files into Dunok: the editor's "Other
// sound…" picks a file, which is checked and copied into the user's sounds
// folder, so that the timer still rings after the original is moved away.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace dunok {

class SoundLibrary;

// Larger files are refused: a sound is decoded whole before it is played.
inline constexpr qint64 maxSoundFileBytes = 50LL * 1024 * 1024;

struct SoundImport {
    QString name;   // the name it is offered by, when it was added
    QString error;  // for the user, when it was not
};

// Checks the file (a readable, non-empty file of at most maxSoundFileBytes
// that the sound module decodes) and copies it into userSoundsFolder() under
// its base name, made unique beside the sounds on offer in sounds. Either
// the whole file arrives or nothing does.
SoundImport importSound(const QString& path, const SoundLibrary& sounds);

// The file dialog for "Other sound…": the chosen path, or an empty string.
QString chooseSoundFile(QWidget* parent);

}  // namespace dunok
