// The alarm sound: the shared player (audioPlayer) and the sounds a timer can
// ring with.
#pragma once

#include <QString>
#include <QStringList>

namespace dunok {

// The file of a sound name ("Sounds/NAME.caf" in the resource folder), or an
// empty string when there is none.
QString soundFilePath(const QString& soundName);
// The sound names on offer: the base names of the folder's .caf files.
QStringList soundNames();

// Plays the named sound once at prefsVolume and keeps its player in
// audioPlayer. A sound that cannot be loaded writes "Couldn't load sound file"
// (and why) to the console, leaves audioPlayer as it was and returns false.
bool playSound(const QString& soundName);
// Stops audioPlayer if it is playing; nothing else.
void stopPlaying();
// Whether audioPlayer exists and is playing.
bool isAlarmPlaying();

}  // namespace dunok
