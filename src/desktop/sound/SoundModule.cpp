// The sound module: decodes sound files and plays them on the default device. Loaded by the
// program the first time it needs a sound (see platform/SoundBackend.h).
#include <sndfile.h>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include "desktop/SoundBackend.h"
#include "desktop/sound/SampleCodec.h"

namespace dunok::sound {

namespace {

// The sink goes idle while its last buffer is still on the way to the speaker, about 200 ms
// early. Ending every sound with this much silence means that by the time it goes idle the real
// end has been heard, and stopping it then cuts nothing.
constexpr double kTailSeconds = 0.3;
// How far ahead of the speaker the samples are written: what the server would choose itself, and
// enough that a GUI thread held up for a while does not leave a gap in the alarm.
constexpr double kBufferSeconds = 2.0;
// How often the buffer is topped up, well within it.
constexpr int kFeedIntervalMs = 50;

std::optional<audio::SampleFormat> sampleFormatOf(QAudioFormat::SampleFormat format) {
    switch (format) {
        case QAudioFormat::UInt8:
            return audio::SampleFormat::UInt8;
        case QAudioFormat::Int16:
            return audio::SampleFormat::Int16;
        case QAudioFormat::Int32:
            return audio::SampleFormat::Int32;
        case QAudioFormat::Float:
            return audio::SampleFormat::Float;
        default:
            return std::nullopt;
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

// What is written to the sink: the samples at the current volume, then the silent tail. The
// volume is read at every read, so turning it down during an alarm is heard within a buffer.
class SampleSource : public QIODevice {
public:
    explicit SampleSource(const OutputListener& listener) : listener_(listener) {}

    void load(const std::vector<float>* samples, audio::SampleFormat format, int rate,
              int channels) {
        samples_ = samples;
        format_ = format;
        channels_ = channels;
        const auto samplesFor = [&](double seconds) {
            return static_cast<std::size_t>(std::ceil(seconds * rate)) *
                   static_cast<std::size_t>(channels);
        };
        total_ = samples->size() + samplesFor(kTailSeconds);
        pos_ = 0;
    }
    void rewind() { pos_ = 0; }
    bool finished() const { return pos_ >= total_; }
    // Lengthens the silence after the sound so that the whole comes to at least this many bytes.
    void extendTo(qint64 bytes) {
        const auto frameBytes = static_cast<qint64>(audio::bytesPerSample(format_) * channels_);
        if (frameBytes <= 0 || bytes <= totalBytes()) return;
        total_ = static_cast<std::size_t>((bytes + frameBytes - 1) / frameBytes) *
                 static_cast<std::size_t>(channels_);
    }
    qint64 totalBytes() const {
        return static_cast<qint64>(total_ *
                                   static_cast<std::size_t>(audio::bytesPerSample(format_)));
    }

    bool isSequential() const override { return true; }
    bool atEnd() const override { return finished(); }
    qint64 bytesAvailable() const override {
        return static_cast<qint64>((total_ - pos_) * audio::bytesPerSample(format_)) +
               QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const int sampleBytes = audio::bytesPerSample(format_);
        if (!samples_ || channels_ <= 0 || maxSize <= 0) return 0;
        // Whole frames only, so channels never slip.
        const auto frames = static_cast<std::size_t>(maxSize) / (sampleBytes * channels_);
        const std::size_t count = std::min(frames * channels_, total_ - pos_);

        const std::size_t soundEnd = samples_->size();
        const double gain = listener_.volume();
        for (std::size_t done = 0; done < count;) {
            const std::size_t at = pos_ + done;
            char* out = data + done * sampleBytes;
            std::size_t n;
            if (at < soundEnd) {
                n = std::min(count - done, soundEnd - at);
                audio::encode(samples_->data() + at, n, gain, format_, out);
            } else {
                n = std::min(count - done, total_ - at);
                // Unsigned 8-bit silence sits at mid-scale, not at zero.
                std::memset(out, format_ == audio::SampleFormat::UInt8 ? 0x80 : 0, n * sampleBytes);
            }
            done += n;
        }
        pos_ += count;
        return static_cast<qint64>(count * sampleBytes);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    const OutputListener& listener_;
    const std::vector<float>* samples_ = nullptr;
    audio::SampleFormat format_ = audio::SampleFormat::Float;
    int channels_ = 0;
    std::size_t total_ = 0;  // samples, the silence after included
    std::size_t pos_ = 0;
};

class SinkOutput final : public Output {
public:
    SinkOutput(const std::vector<float>& samples, int rate, int channels, OutputListener& listener)
        : samples_(samples),
          rate_(rate),
          channels_(channels),
          listener_(listener),
          source_(listener) {
        feedTimer_.setInterval(kFeedIntervalMs);
        QObject::connect(&feedTimer_, &QTimer::timeout, [this] { feed(); });
    }

    ~SinkOutput() override {
        active_ = false;
        dropSink();
    }

    bool play() override {
        // Asked at every play, so that a sink made for a device that is no longer the default
        // (or a failed earlier attempt) is not held on to.
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            dropSink();
            return false;
        }
        if (!sink_ || device != device_) {
            dropSink();
            device_ = device;
            const QAudioFormat format = chooseFormat(device, rate_, channels_);
            const auto sampleFormat = sampleFormatOf(format.sampleFormat());
            if (!format.isValid() || !sampleFormat) return false;
            if (format.sampleRate() == rate_ && format.channelCount() == channels_) {
                converted_.clear();
                source_.load(&samples_, *sampleFormat, rate_, channels_);
            } else {
                converted_ = audio::convert(samples_, rate_, channels_, format.sampleRate(),
                                            format.channelCount());
                source_.load(&converted_, *sampleFormat, format.sampleRate(),
                             format.channelCount());
            }
            sink_ = std::make_unique<QAudioSink>(device, format);
            if (sink_->isNull()) {
                retireSink();
                return false;
            }
            // The first write fills the whole buffer, so the server starts the stream at once.
            // No larger than the sound: a stream waits for a full buffer before it starts.
            sink_->setBufferSize(std::min(
                source_.totalBytes(),
                static_cast<qint64>(format.bytesForDuration(qint64(kBufferSeconds * 1e6)))));
            stateConnection_ =
                QObject::connect(sink_.get(), &QAudioSink::stateChanged, sink_.get(),
                                 [this](QAudio::State state) { onSinkState(state); });
        }

        source_.rewind();
        if (!source_.isOpen()) source_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        active_ = true;
        // Written to rather than left to pull: a sink that pulls asks for its first buffer only a
        // period after it starts, and then a period at a time, so the start of the alarm would
        // wait for that. Written, the whole first buffer is there before the stream starts,
        // and nothing at the start is lost either.
        stream_ = sink_->start();
        // Without a sound server the start fails on the spot, without any state change.
        if (!stream_ || sink_->error() == QAudio::OpenError ||
            sink_->state() == QAudio::StoppedState) {
            active_ = false;
            dropSink();
            return false;
        }
        // The server may have chosen a larger buffer than asked for; a sound shorter than it would
        // never start.
        source_.extendTo(sink_->bufferSize());
        feed();
        if (active_ && !source_.finished()) feedTimer_.start();
        return true;
    }

    void stop() override {
        // Cleared first: stopping the sink reports a state change that must not read as an end.
        active_ = false;
        feedTimer_.stop();
        stream_ = nullptr;  // the sink's own, gone with the stop
        if (sink_) sink_->stop();
    }

private:
    void dropSink() {
        feedTimer_.stop();
        stream_ = nullptr;
        retireSink();
    }

    // Qt's PulseAudio output runs the event loop while it is destroyed, and a sink is let go
    // where the program replaces one alarm with the next: in the middle of a timer's finish,
    // where a tick, a bus call or a click handled then would find the timers half changed. So
    // the sink is only stopped here, cut off from this output, and destroyed by the event loop
    // itself; before the application's loop returns, at the latest.
    void retireSink() {
        if (!sink_) return;
        QObject::disconnect(stateConnection_);
        sink_->stop();
        sink_.release()->deleteLater();
    }

    // Tops the sink's buffer up with what comes next.
    void feed() {
        while (active_ && stream_ && !source_.finished()) {
            const qint64 room = sink_->bytesFree();
            if (room <= 0) break;
            chunk_.resize(static_cast<std::size_t>(room));
            const qint64 got = source_.read(chunk_.data(), room);
            // A write the stream does not take means it broke; the sink reports that.
            if (got <= 0 || stream_->write(chunk_.data(), got) < got) break;
        }
        if (source_.finished()) feedTimer_.stop();
    }

    void onSinkState(QAudio::State state) {
        if (!active_ || !sink_) return;
        // The sink's own state too: an idle reported before a restart may arrive after it.
        const bool ended =
            state == QAudio::IdleState && sink_->state() == QAudio::IdleState && source_.finished();
        const bool broken = state == QAudio::StoppedState && sink_->error() != QAudio::NoError;
        if (!ended && !broken) return;  // an underrun part-way through is not the end
        active_ = false;
        listener_.ended(ended);
    }

    const std::vector<float>& samples_;  // interleaved, full scale = 1
    const int rate_;
    const int channels_;
    OutputListener& listener_;
    bool active_ = false;  // between a play() and its end or stop()

    // The samples as the device wants them, when it cannot take the file's own rate or channels.
    std::vector<float> converted_;
    QAudioDevice device_;
    SampleSource source_;
    std::vector<char> chunk_;  // one write's bytes
    QTimer feedTimer_;
    QIODevice* stream_ = nullptr;  // what the sink takes writes through, while it plays
    QMetaObject::Connection stateConnection_;
    std::unique_ptr<QAudioSink> sink_;  // written to, so it never reads what fed it
};

class FileBackend final : public Backend {
public:
    bool decode(const QString& path, std::vector<float>* samples, int* rate, int* channels,
                QString* error) override {
        const auto fail = [&](const QString& reason) {
            if (error) *error = reason;
            return false;
        };
        SF_INFO sfInfo{};
        SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &sfInfo);
        if (!file)
            return fail(QStringLiteral("The file %1 is not a sound file Dunok can read (%2).")
                            .arg(path, QString::fromLocal8Bit(sf_strerror(nullptr))));
        // Freed on every way out below.
        const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> closer(file, sf_close);
        if (sfInfo.channels <= 0 || sfInfo.samplerate <= 0)
            return fail(QStringLiteral("The file %1 has no usable sound format.").arg(path));

        // Read until the end rather than trusting the frame count, which some formats only
        // estimate. Integer files come out scaled to -1..1; float files as stored, clipped when
        // played.
        std::vector<float> read;
        std::vector<float> chunk(4096 * static_cast<std::size_t>(sfInfo.channels));
        for (;;) {
            const sf_count_t frames = sf_readf_float(file, chunk.data(), 4096);
            if (frames <= 0) break;
            read.insert(read.end(), chunk.begin(),
                        chunk.begin() + frames * static_cast<sf_count_t>(sfInfo.channels));
        }
        if (sf_error(file) != SF_ERR_NO_ERROR)
            return fail(QStringLiteral("The file %1 is damaged (%2).")
                            .arg(path, QString::fromLocal8Bit(sf_strerror(file))));
        if (read.empty()) return fail(QStringLiteral("The file %1 contains no sound.").arg(path));
        // NaN or infinite samples would come out as noise at full scale.
        for (float& s : read)
            if (!std::isfinite(s)) s = 0;

        read.erase(read.begin(),
                   read.begin() + std::ptrdiff_t(audio::leadingSilence(read, sfInfo.channels)));
        *samples = std::move(read);
        *rate = sfInfo.samplerate;
        *channels = sfInfo.channels;
        return true;
    }

    std::unique_ptr<Output> makeOutput(const std::vector<float>& samples, int rate, int channels,
                                       OutputListener& listener) override {
        return std::make_unique<SinkOutput>(samples, rate, channels, listener);
    }
    void warmUp() override { QMediaDevices::defaultAudioOutput(); }
};

}  // namespace

}  // namespace dunok::sound

extern "C" __attribute__((visibility("default"))) dunok::sound::Backend* dunok_sound_backend(
    int interfaceVersion) {
    if (interfaceVersion != dunok::sound::kInterfaceVersion) return nullptr;
    static dunok::sound::FileBackend backend;
    return &backend;
}
