// The alarm sound: the shared player and the sounds a timer can ring with.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <utility>

#include "desktop/AudioPlayer.h"
#include "desktop/ResourceFolder.h"
#include "domain/AlarmOutput.h"
#include "domain/Timer.h"

namespace dunok {

struct Settings;

// The sounds a timer can ring with: those shipped in a resource folder's
// Sounds, and the user's own.
class SoundLibrary {
public:
    explicit SoundLibrary(QString resourceFolder = dunok::resourceFolder())
        : folder_(std::move(resourceFolder)) {}
    // Where the shipped sounds are.
    QString shippedFolder() const;
    // The file of a sound name: "Sounds/NAME.caf" in the resource folder,
    // else the user's file of that base name; an empty string when there is
    // none or the name is not a sound name.
    QString filePath(const QString& soundName) const;
    // Whether a sound of that name is on offer here.
    bool has(const QString& soundName) const { return !filePath(soundName).isEmpty(); }
    // The sound names on offer: the base names of the shipped .caf files,
    // then the user's own sounds whose names those do not take.
    QStringList names() const;

private:
    QString folder_;
};

// The one audio player: the alarm and the editor's sound preview both play
// through it, each new sound replacing the one before. The program keeps one
// for its run, handed to whatever plays, and closes it at quit, while Qt and
// the sound system are still up; each test keeps one for its cases.
class SharedPlayer : public AlarmOutput {
public:
    // sounds: where the sounds it plays by name are found.
    explicit SharedPlayer(SoundLibrary sounds = SoundLibrary());
    // Stops what plays and destroys the player.
    ~SharedPlayer() override;
    SharedPlayer(const SharedPlayer&) = delete;
    SharedPlayer& operator=(const SharedPlayer&) = delete;

    // The player of the last sound, or none.
    AudioPlayer* player() const override { return player_.get(); }
    // Makes player the one that plays; the one before is destroyed.
    void replace(std::unique_ptr<AudioPlayer> player);
    // Stops and destroys the player.
    void release();
    // At quit: releases the player, and nothing plays any more.
    void close();

    // Plays the named sound once at the settings' volume, in a new player.
    // A name that is empty or not a sound name plays the settings' default
    // sound instead, and says so on the console ("Playing the default sound
    // ..."); so does a sound whose file is gone, when asked to (an alarm must
    // be heard; a preview should say it cannot play). A sound that cannot be
    // loaded (or a closed player) writes "Couldn't load sound file" (and why)
    // to the console, leaves the player as it was and returns false.
    bool play(const QString& soundName, const Settings& settings,
              MissingSound missing = MissingSound::Fails, Fade fade = Fade::None) override;
    // Stops the player if it is playing; nothing else.
    void stop() override;
    // Decodes the sound into a player of its own, kept for the next play()
    // of that sound; one sound is kept at a time.
    void prepare(const QString& soundName, const Settings& settings) override;
    // Whether there is a player and it is playing.
    bool isPlaying() const override;

    const SoundLibrary& sounds() const { return sounds_; }

private:
    // The sound that plays for a name: itself, or the settings' default
    // standing in for it, with the console's line that says so.
    struct Choice {
        QString name;
        QString path;  // empty when there is no such sound
        QString instead;
    };
    Choice choose(const QString& soundName, const Settings& settings, MissingSound missing) const;

    SoundLibrary sounds_;
    std::unique_ptr<AudioPlayer> player_;
    std::unique_ptr<AudioPlayer> prepared_;
    QString preparedPath_;
    bool closed_ = false;
    // A machine without sound stays without it: one line says so, once.
    bool toldNoOutput_ = false;
};

// The user's own sounds: $XDG_DATA_HOME/Dunok/Sounds, any file that the
// sound module decodes, named by its base name.
QString userSoundsFolder();

}  // namespace dunok
