// Plays one alarm sound, once. The file is decoded whole when the player is made, so the moment
// a timer reaches zero costs nothing but handing samples to the sound device, and a broken file
// is reported while the user is still looking at the editor rather than when the alarm is due.
#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QObject>
#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

class QAudioSink;
class QTimer;

namespace dunok {

class SampleSource;

class AudioPlayer : public QObject {
    Q_OBJECT
public:
    // Decodes the whole file (CAF, WAV, AIFF, FLAC, Ogg...). On failure returns nullptr and sets
    // *error to the reason, for a message that starts "Couldn't load sound file".
    static std::unique_ptr<AudioPlayer> create(const QString& path, QString* error);
    ~AudioPlayer() override;

    // Linear amplitude, clamped to 0..1: 0.5 gives half the amplitude. Takes effect on what is
    // still to be played, also during playback.
    void setVolume(double volume);
    double volume() const { return volume_; }

    // Plays once from the start (restarting if already playing), never loops, never blocks.
    void play();
    // Stops at once; finished() is not emitted for the interrupted playback.
    void stop();
    bool isPlaying() const { return playing_; }

    double duration() const;  // seconds
    // True when the last play() found no audio output and is only keeping time.
    bool isSilent() const { return silent_; }

signals:
    // Once per play(), after the sound has been heard to its end (or, when silent, after as long
    // as it would have taken). False when the output broke down on the way.
    void finished(bool successfully);

private:
    AudioPlayer(std::vector<float> samples, int rate, int channels);

    bool startOutput();
    void playSilently();
    void onSinkState(int state);
    void finish(bool successfully);

    std::vector<float> samples_;  // interleaved, full scale = 1
    int rate_ = 0;
    int channels_ = 0;
    double volume_ = 1.0;
    bool playing_ = false;
    bool silent_ = false;
    // Tells a queued end-of-play apart from one belonging to an earlier play().
    unsigned generation_ = 0;

    // The samples as the device wants them, when it cannot take the file's own rate or channels.
    std::vector<float> converted_;

    QTimer* silentTimer_ = nullptr;
    QAudioDevice device_;
    std::unique_ptr<SampleSource> source_;
    std::unique_ptr<QAudioSink> sink_;  // after source_: the sink reads it until it is destroyed
};

// The sample conversions behind the player, public so they can be checked without a sound device.
namespace audio {

// Linear resampling and channel mapping of interleaved samples: mono is copied to every output
// channel, several channels going to mono are averaged, otherwise channels map by position.
std::vector<float> convert(const std::vector<float>& in, int inRate, int inChannels, int outRate,
                           int outChannels);

// Writes count samples scaled by volume in the given format, clipped to full scale.
void encode(const float* in, std::size_t count, double volume, QAudioFormat::SampleFormat format,
            char* out);

}  // namespace audio

}  // namespace dunok
