#include "desktop/AudioPlayer.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QtDebug>
#include <algorithm>
#include <cmath>

#include "desktop/SoundBackend.h"

namespace dunok {

// What the output asks of the player, kept out of the player's public face.
class AudioPlayer::Events final : public sound::OutputListener {
public:
    explicit Events(AudioPlayer& player) : player_(player) {}
    // Asked for each stretch of samples handed to the output, so that a
    // fade rises as the sound plays, with no timer of its own.
    double volume() const override { return player_.volume_ * player_.fadeGain(); }
    void ended(bool successfully) override { player_.outputEnded(successfully); }

private:
    AudioPlayer& player_;
};

std::unique_ptr<AudioPlayer> AudioPlayer::create(const QString& path, QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error) *error = reason;
        return std::unique_ptr<AudioPlayer>();
    };
    const QFileInfo info(path);
    if (!info.exists()) return fail(QStringLiteral("The file %1 does not exist.").arg(path));
    if (info.isDir()) return fail(QStringLiteral("%1 is a folder, not a sound file.").arg(path));
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly))
            return fail(
                QStringLiteral("The file %1 can't be read: %2.").arg(path, probe.errorString()));
    }
    if (info.size() == 0) return fail(QStringLiteral("The file %1 is empty.").arg(path));

    sound::Backend* backend = sound::loadBackend(error);
    if (!backend) return nullptr;
    std::vector<float> samples;
    int rate = 0, channels = 0;
    if (!backend->decode(path, &samples, &rate, &channels, error)) return nullptr;
    return std::unique_ptr<AudioPlayer>(
        new AudioPlayer(*backend, std::move(samples), rate, channels));
}

AudioPlayer::AudioPlayer(sound::Backend& backend, std::vector<float> samples, int rate,
                         int channels)
    : samples_(std::move(samples)),
      rate_(rate),
      channels_(channels),
      silentTimer_(new QTimer(this)),
      backend_(backend),
      events_(std::make_unique<Events>(*this)) {
    silentTimer_->setSingleShot(true);
    connect(silentTimer_, &QTimer::timeout, this, [this] { finish(true); });
}

AudioPlayer::~AudioPlayer() {
    playing_ = false;
    output_.reset();
}

void AudioPlayer::setVolume(double volume) {
    if (std::isnan(volume)) return;
    volume_ = std::clamp(volume, 0.0, 1.0);
}

void AudioPlayer::warmUp() {
    backend_.warmUp();
}

void AudioPlayer::setFadeIn(double passed, double over) {
    fadePassed_ = std::max(passed, 0.0);
    fadeOver_ = std::max(over, 0.0);
}

double AudioPlayer::fadeGain() const {
    if (fadeOver_ <= 0) return 1.0;
    const double at = fadePassed_ + (played_.isValid() ? played_.elapsed() / 1000.0 : 0.0);
    return std::clamp(at / fadeOver_, 0.0, 1.0);
}

double AudioPlayer::duration() const {
    return static_cast<double>(samples_.size() / channels_) / rate_;
}

void AudioPlayer::play() {
    stop();
    ++generation_;
    playing_ = true;
    played_.start();
    if (!output_) output_ = backend_.makeOutput(samples_, rate_, channels_, *events_);
    if (output_ && output_->play()) {
        silent_ = false;
    } else {
        playSilently();
    }
}

void AudioPlayer::stop() {
    if (!playing_) return;
    // Cleared first: an end the output may still report must not read as this play's.
    playing_ = false;
    silentTimer_->stop();
    if (output_) output_->stop();
}

void AudioPlayer::playSilently() {
    silent_ = true;
    emit noOutput();
    // Keep the sound's time all the same, so that what waits for the end of an alarm still works.
    silentTimer_->start(static_cast<int>(std::min(std::ceil(duration() * 1000.0), 2e9)));
}

void AudioPlayer::outputEnded(bool successfully) {
    if (!playing_) return;
    // Out of the sound system's own notification before the output is stopped.
    const unsigned generation = generation_;
    QMetaObject::invokeMethod(
        this,
        [this, generation, successfully] {
            if (playing_ && generation == generation_) finish(successfully);
        },
        Qt::QueuedConnection);
}

void AudioPlayer::finish(bool successfully) {
    if (!playing_) return;
    playing_ = false;
    silentTimer_->stop();
    if (output_) output_->stop();
    emit finished(successfully);
}

}  // namespace dunok
