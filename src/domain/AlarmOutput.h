// What the alarm rings through: one sound at a time, each new one replacing
// the one before, shared by the alarm and the editor's preview.
#pragma once

#include <QObject>
#include <QString>

namespace dunok {

struct Settings;

// A sound whose file is gone either fails to play (a preview should say it
// cannot) or plays the default sound instead (an alarm must be heard).
enum class MissingSound { Fails, PlaysDefault };

// An alarm may fade in: from silence to its volume over this long, counted
// from its first play, repeats included.
inline constexpr double alarmFadeInSeconds = 10.0;
enum class Fade { None, In };

// One loaded sound, played once per play().
class SoundPlay : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Linear amplitude, 0 to 1, for what is still to be played.
    virtual void setVolume(double volume) = 0;
    // Plays once from the start, restarting if it plays already.
    virtual void play() = 0;
    // The plays from now on begin `passed` seconds into a fade-in from
    // silence that reaches the volume after `over` seconds; over 0: none.
    virtual void setFadeIn(double passed, double over) = 0;
    virtual bool isPlaying() const = 0;

signals:
    // Once per play(), after the sound was heard to its end; false when the
    // output broke down on the way. Not for a play that was stopped.
    void finished(bool successfully);
};

class AlarmOutput {
public:
    virtual ~AlarmOutput() = default;
    // Plays the named sound once at the settings' volume, replacing what
    // played; false, and what played stays, when it cannot.
    // With Fade::In the play fades in over alarmFadeInSeconds.
    virtual bool play(const QString& soundName, const Settings& settings,
                      MissingSound missing = MissingSound::Fails, Fade fade = Fade::None) = 0;
    // The sound that plays or played last, until another replaces it.
    virtual SoundPlay* player() const = 0;
    // Stops what plays, whichever it is.
    virtual void stop() = 0;
    // Gets ready the sound that an alarm of that name plays with those
    // settings (the default sound where the named one is missing), so that
    // its play() starts at once instead of loading and decoding it then.
    // Nothing plays.
    virtual void prepare(const QString& soundName, const Settings& settings) {
        Q_UNUSED(soundName);
        Q_UNUSED(settings);
    }
    virtual bool isPlaying() const = 0;
};

}  // namespace dunok
