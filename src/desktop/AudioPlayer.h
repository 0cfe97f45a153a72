// Plays one alarm sound, once. The file is decoded whole when the player is made, so the moment
// a timer reaches zero costs nothing but handing samples to the sound device, and a broken file
// is reported while the user is still looking at the editor rather than when the alarm is due.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "domain/AlarmOutput.h"

class QTimer;

namespace dunok {

namespace sound {
class Backend;
class Output;
}  // namespace sound

class AudioPlayer : public SoundPlay {
    Q_OBJECT
public:
    // Decodes the whole file (CAF, WAV, AIFF, FLAC, Ogg...). On failure returns nullptr and sets
    // *error to the reason, for a message that starts "Couldn't load sound file". The first call
    // loads the sound module; when that fails, so does this and every later call, naming the
    // module and why.
    static std::unique_ptr<AudioPlayer> create(const QString& path, QString* error);
    ~AudioPlayer() override;

    // Linear amplitude, clamped to 0..1: 0.5 gives half the amplitude. Takes effect on what is
    // still to be played, also during playback.
    void setVolume(double volume) override;
    double volume() const { return volume_; }

    // Connects to the sound system now rather than at the first play.
    void warmUp();
    // Plays once from the start (restarting if already playing), never loops, never blocks.
    void play() override;
    void setFadeIn(double passed, double over) override;
    // The share of the volume heard now: below 1 while fading in.
    double fadeGain() const;
    // Stops at once; finished() is not emitted for the interrupted playback.
    void stop();
    bool isPlaying() const override { return playing_; }

    double duration() const;  // seconds
    // True when the last play() found no audio output and is only keeping time.
    bool isSilent() const { return silent_; }

signals:
    // finished() comes also when there is no output, after as long as the sound would take.
    // A play() found no audio output: it only keeps time, unheard.
    void noOutput();

private:
    class Events;

    AudioPlayer(sound::Backend& backend, std::vector<float> samples, int rate, int channels);

    void playSilently();
    void outputEnded(bool successfully);
    void finish(bool successfully);

    std::vector<float> samples_;  // interleaved, full scale = 1
    int rate_ = 0;
    int channels_ = 0;
    double volume_ = 1.0;
    double fadePassed_ = 0;  // seconds into the fade when the play began
    double fadeOver_ = 0;    // 0: no fade
    QElapsedTimer played_;   // since the last play()
    bool playing_ = false;
    bool silent_ = false;
    // Tells a queued end-of-play apart from one belonging to an earlier play().
    unsigned generation_ = 0;

    QTimer* silentTimer_ = nullptr;
    sound::Backend& backend_;
    std::unique_ptr<Events> events_;
    // Made at the first play; after samples_ and events_, which it uses until it is destroyed.
    std::unique_ptr<sound::Output> output_;
};

}  // namespace dunok
