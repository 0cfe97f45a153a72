#include "platform/AudioPlayer.h"

#include <sndfile.h>

#include <QAudioSink>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <QtDebug>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace dunok {

namespace {

// The sink goes idle while its last buffer is still on the way to the speaker, about 200 ms
// early. Ending every sound with this much silence means that by the time it goes idle the real
// end has been heard, and stopping it then cuts nothing.
constexpr double kTailSeconds = 0.3;
// A new stream loses its first few tens of milliseconds: the server starts it before the first
// buffer arrives and skips ahead to keep time. Starting with silence gives it something to lose.
constexpr double kLeadSeconds = 0.1;

void warnNoOutputOnce() {
    // Once per process: a machine without sound stays without it, and one line says so.
    static bool warned = false;
    if (warned) return;
    warned = true;
    qWarning("No audio output could be opened: sounds will not be heard.");
}

int bytesPerSample(QAudioFormat::SampleFormat format) {
    switch (format) {
        case QAudioFormat::UInt8:
            return 1;
        case QAudioFormat::Int16:
            return 2;
        case QAudioFormat::Int32:
        case QAudioFormat::Float:
            return 4;
        default:
            return 0;
    }
}

// The file's own rate and channels when the device takes them, so that nothing needs converting;
// otherwise whatever the device likes best.
QAudioFormat chooseFormat(const QAudioDevice& device, int rate, int channels) {
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    for (auto sampleFormat :
         {QAudioFormat::Float, QAudioFormat::Int16, QAudioFormat::Int32, QAudioFormat::UInt8}) {
        format.setSampleFormat(sampleFormat);
        if (device.isFormatSupported(format)) return format;
    }
    return device.preferredFormat();
}

}  // namespace

namespace audio {

std::vector<float> convert(const std::vector<float>& in, int inRate, int inChannels, int outRate,
                           int outChannels) {
    if (inRate <= 0 || inChannels <= 0 || outRate <= 0 || outChannels <= 0) return {};
    const std::size_t inFrames = in.size() / static_cast<std::size_t>(inChannels);
    if (inFrames == 0) return {};

    const auto sampleAt = [&](std::size_t frame, int channel) {
        const float* f = &in[frame * inChannels];
        if (inChannels == outChannels) return f[channel];
        if (inChannels == 1) return f[0];
        if (outChannels == 1) {
            float sum = 0;
            for (int c = 0; c < inChannels; ++c) sum += f[c];
            return sum / static_cast<float>(inChannels);
        }
        return channel < inChannels ? f[channel] : 0.0f;
    };

    const auto outFrames =
        static_cast<std::size_t>(std::llround(static_cast<double>(inFrames) * outRate / inRate));
    std::vector<float> out(std::max<std::size_t>(outFrames, 1) * outChannels);
    const double step = static_cast<double>(inRate) / outRate;
    for (std::size_t i = 0; i < out.size() / outChannels; ++i) {
        const double at = static_cast<double>(i) * step;
        const auto left = std::min(static_cast<std::size_t>(at), inFrames - 1);
        const auto right = std::min(left + 1, inFrames - 1);
        const auto frac = static_cast<float>(at - static_cast<double>(left));
        for (int c = 0; c < outChannels; ++c) {
            const float a = sampleAt(left, c);
            out[i * outChannels + c] = a + (sampleAt(right, c) - a) * frac;
        }
    }
    return out;
}

void encode(const float* in, std::size_t count, double volume, QAudioFormat::SampleFormat format,
            char* out) {
    const auto gain = static_cast<float>(volume);
    for (std::size_t i = 0; i < count; ++i) {
        const float v = std::clamp(in[i] * gain, -1.0f, 1.0f);
        switch (format) {
            case QAudioFormat::UInt8: {
                const auto s = static_cast<quint8>(std::lround(128.0f + v * 127.0f));
                out[i] = static_cast<char>(s);
                break;
            }
            case QAudioFormat::Int16: {
                const auto s = static_cast<qint16>(std::lround(v * 32767.0f));
                std::memcpy(out + i * 2, &s, sizeof s);
                break;
            }
            case QAudioFormat::Int32: {
                const auto s =
                    static_cast<qint32>(std::llround(static_cast<double>(v) * 2147483647.0));
                std::memcpy(out + i * 4, &s, sizeof s);
                break;
            }
            case QAudioFormat::Float:
                std::memcpy(out + i * 4, &v, sizeof v);
                break;
            default:
                break;
        }
    }
}

}  // namespace audio

// What the sink pulls from: a little silence, the samples at the current volume, then the silent
// tail. The volume is read at every pull, so turning it down during an alarm is heard within a
// buffer.
class SampleSource : public QIODevice {
public:
    explicit SampleSource(const AudioPlayer& player) : player_(player) {}

    void load(const std::vector<float>* samples, const QAudioFormat& format) {
        samples_ = samples;
        format_ = format;
        const auto samplesFor = [&](double seconds) {
            return static_cast<std::size_t>(std::ceil(seconds * format.sampleRate())) *
                   static_cast<std::size_t>(format.channelCount());
        };
        lead_ = samplesFor(kLeadSeconds);
        total_ = lead_ + samples->size() + samplesFor(kTailSeconds);
        pos_ = 0;
    }
    void rewind() { pos_ = 0; }
    bool finished() const { return pos_ >= total_; }

    bool isSequential() const override { return true; }
    bool atEnd() const override { return finished(); }
    qint64 bytesAvailable() const override {
        return static_cast<qint64>((total_ - pos_) * bytesPerSample(format_.sampleFormat())) +
               QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const int sampleBytes = bytesPerSample(format_.sampleFormat());
        const int channels = format_.channelCount();
        if (sampleBytes == 0 || channels <= 0 || maxSize <= 0) return 0;
        // Whole frames only, so channels never slip.
        const auto frames = static_cast<std::size_t>(maxSize) / (sampleBytes * channels);
        const std::size_t count = std::min(frames * channels, total_ - pos_);

        const std::size_t soundBegin = lead_, soundEnd = lead_ + samples_->size();
        const float gain = static_cast<float>(player_.volume());
        for (std::size_t done = 0; done < count;) {
            const std::size_t at = pos_ + done;
            char* out = data + done * sampleBytes;
            std::size_t n;
            if (at >= soundBegin && at < soundEnd) {
                n = std::min(count - done, soundEnd - at);
                audio::encode(samples_->data() + (at - soundBegin), n, gain, format_.sampleFormat(),
                              out);
            } else {
                n = std::min(count - done, (at < soundBegin ? soundBegin : total_) - at);
                // Unsigned 8-bit silence sits at mid-scale, not at zero.
                std::memset(out, format_.sampleFormat() == QAudioFormat::UInt8 ? 0x80 : 0,
                            n * sampleBytes);
            }
            done += n;
        }
        pos_ += count;
        return static_cast<qint64>(count * sampleBytes);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    const AudioPlayer& player_;
    const std::vector<float>* samples_ = nullptr;
    QAudioFormat format_;
    std::size_t lead_ = 0;   // samples of silence before the sound
    std::size_t total_ = 0;  // samples, silence before and after included
    std::size_t pos_ = 0;
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

    SF_INFO sfInfo{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &sfInfo);
    if (!file)
        return fail(QStringLiteral("The file %1 is not a sound file Dunok can read (%2).")
                        .arg(path, QString::fromLocal8Bit(sf_strerror(nullptr))));
    // Freed on every way out below.
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> closer(file, sf_close);
    if (sfInfo.channels <= 0 || sfInfo.samplerate <= 0)
        return fail(QStringLiteral("The file %1 has no usable sound format.").arg(path));

    // Read until the end rather than trusting the frame count, which some formats only estimate.
    // Integer files come out scaled to -1..1; float files as stored, clipped when played.
    std::vector<float> samples;
    std::vector<float> chunk(4096 * static_cast<std::size_t>(sfInfo.channels));
    for (;;) {
        const sf_count_t frames = sf_readf_float(file, chunk.data(), 4096);
        if (frames <= 0) break;
        samples.insert(samples.end(), chunk.begin(),
                       chunk.begin() + frames * static_cast<sf_count_t>(sfInfo.channels));
    }
    if (sf_error(file) != SF_ERR_NO_ERROR)
        return fail(QStringLiteral("The file %1 is damaged (%2).")
                        .arg(path, QString::fromLocal8Bit(sf_strerror(file))));
    if (samples.empty()) return fail(QStringLiteral("The file %1 contains no sound.").arg(path));
    // NaN or infinite samples would come out as noise at full scale.
    for (float& s : samples)
        if (!std::isfinite(s)) s = 0;

    return std::unique_ptr<AudioPlayer>(
        new AudioPlayer(std::move(samples), sfInfo.samplerate, sfInfo.channels));
}

AudioPlayer::AudioPlayer(std::vector<float> samples, int rate, int channels)
    : samples_(std::move(samples)),
      rate_(rate),
      channels_(channels),
      silentTimer_(new QTimer(this)),
      source_(std::make_unique<SampleSource>(*this)) {
    silentTimer_->setSingleShot(true);
    connect(silentTimer_, &QTimer::timeout, this, [this] { finish(true); });
}

AudioPlayer::~AudioPlayer() {
    playing_ = false;
    if (sink_) {
        disconnect(sink_.get(), nullptr, this, nullptr);
        sink_->stop();
        sink_.reset();
    }
}

void AudioPlayer::setVolume(double volume) {
    if (std::isnan(volume)) return;
    volume_ = std::clamp(volume, 0.0, 1.0);
}

double AudioPlayer::duration() const {
    return static_cast<double>(samples_.size() / channels_) / rate_;
}

void AudioPlayer::play() {
    stop();
    ++generation_;
    playing_ = true;
    if (startOutput()) {
        silent_ = false;
    } else {
        playSilently();
    }
}

void AudioPlayer::stop() {
    if (!playing_) return;
    // Cleared first: stopping the sink reports a state change that must not read as an ending.
    playing_ = false;
    silentTimer_->stop();
    if (sink_) sink_->stop();
}

bool AudioPlayer::startOutput() {
    // Asked at every play, so that a sink made for a device that is no longer the default (or a
    // failed earlier attempt) is not held on to.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        sink_.reset();
        return false;
    }
    if (!sink_ || device != device_) {
        if (sink_) disconnect(sink_.get(), nullptr, this, nullptr);
        sink_.reset();
        device_ = device;
        const QAudioFormat format = chooseFormat(device, rate_, channels_);
        if (!format.isValid() || bytesPerSample(format.sampleFormat()) == 0) return false;
        if (format.sampleRate() == rate_ && format.channelCount() == channels_) {
            converted_.clear();
            source_->load(&samples_, format);
        } else {
            converted_ = audio::convert(samples_, rate_, channels_, format.sampleRate(),
                                        format.channelCount());
            source_->load(&converted_, format);
        }
        sink_ = std::make_unique<QAudioSink>(device, format);
        if (sink_->isNull()) {
            sink_.reset();
            return false;
        }
        connect(sink_.get(), &QAudioSink::stateChanged, this,
                [this](QAudio::State state) { onSinkState(state); });
    }

    source_->rewind();
    if (!source_->isOpen()) source_->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    sink_->start(source_.get());
    // Without a sound server the start fails on the spot, without any state change.
    if (sink_->error() == QAudio::OpenError || sink_->state() == QAudio::StoppedState) {
        disconnect(sink_.get(), nullptr, this, nullptr);
        sink_.reset();
        return false;
    }
    return true;
}

void AudioPlayer::playSilently() {
    warnNoOutputOnce();
    silent_ = true;
    // Keep the sound's time all the same, so that what waits for the end of an alarm still works.
    silentTimer_->start(static_cast<int>(std::min(std::ceil(duration() * 1000.0), 2e9)));
}

void AudioPlayer::onSinkState(int state) {
    if (!playing_ || !sink_) return;
    const bool ended = state == QAudio::IdleState && source_->finished();
    const bool broken = state == QAudio::StoppedState && sink_->error() != QAudio::NoError;
    if (!ended && !broken) return;  // an underrun part-way through is not the end
    // Out of the sink's own signal before it is stopped.
    const unsigned generation = generation_;
    QMetaObject::invokeMethod(
        this,
        [this, generation, ended] {
            if (playing_ && generation == generation_) finish(ended);
        },
        Qt::QueuedConnection);
}

void AudioPlayer::finish(bool successfully) {
    if (!playing_) return;
    playing_ = false;
    silentTimer_->stop();
    if (sink_) sink_->stop();
    emit finished(successfully);
}

}  // namespace dunok
