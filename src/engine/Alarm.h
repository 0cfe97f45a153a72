// The alarm sound: the shared player (audioPlayer) and the sounds a timer can
// ring with.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace dunok {

class AudioPlayer;
struct Settings;

// Owns the one audio player for as long as it lives. The program keeps one for
// its run and ends it at quit, before the event loop and the sound system go;
// each test keeps one for its cases. Only one is current at a time: a newer one
// takes over and hands back to the older when it ends. While none lives,
// nothing can play.
class SharedPlayer {
public:
    SharedPlayer();
    // Stops what plays and destroys the player.
    ~SharedPlayer();
    SharedPlayer(const SharedPlayer&) = delete;
    SharedPlayer& operator=(const SharedPlayer&) = delete;

    static SharedPlayer* current();
    // Makes player the one audioPlayer names; the one before is destroyed.
    void replace(std::unique_ptr<AudioPlayer> player);
    // Stops and destroys the player; audioPlayer names none.
    void release();

private:
    std::unique_ptr<AudioPlayer> player_;
    SharedPlayer* previous_ = nullptr;
};

// Whether a name can be a sound's: a plain file name, not empty, not hidden,
// no path. Only such a name is ever looked up in the sounds folder.
bool isSoundName(const QString& name);
// The user's own sounds: $XDG_DATA_HOME/Dunok/Sounds, any file that the
// sound module decodes, named by its base name.
QString userSoundsFolder();
// The file of a sound name: "Sounds/NAME.caf" in the resource folder, else
// the user's file of that base name; an empty string when there is none or
// the name is not a sound name.
QString soundFilePath(const QString& soundName);
// The sound names on offer: the base names of the resource folder's .caf
// files, then the user's own sounds whose names those do not take.
QStringList soundNames();

enum class MissingSound { Fails, PlaysDefault };

// Plays the named sound once at the settings' volume through the current
// SharedPlayer, whose player audioPlayer then names. A name that is empty or
// not a sound name plays the settings' default sound instead, and says so on the console
// ("Playing the default sound ..."); so does a sound whose file is gone, when
// asked to (an alarm must be heard; a preview should say it cannot play). A sound that cannot be
// loaded (or no SharedPlayer alive) writes "Couldn't load sound file" (and why) to the console,
// leaves audioPlayer as it was and returns false.
bool playSound(const QString& soundName, const Settings& settings,
               MissingSound missing = MissingSound::Fails);
// Stops audioPlayer if it is playing; nothing else.
void stopPlaying();
// Whether audioPlayer exists and is playing.
bool isAlarmPlaying();

}  // namespace dunok
