#include "desktop/sound/SampleCodec.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace dunok::audio {

int bytesPerSample(SampleFormat format) {
    switch (format) {
        case SampleFormat::UInt8:
            return 1;
        case SampleFormat::Int16:
            return 2;
        case SampleFormat::Int32:
        case SampleFormat::Float:
            return 4;
    }
    return 0;
}

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

void encode(const float* in, std::size_t count, double volume, SampleFormat format, char* out) {
    const auto gain = static_cast<float>(volume);
    for (std::size_t i = 0; i < count; ++i) {
        const float v = std::clamp(in[i] * gain, -1.0f, 1.0f);
        switch (format) {
            case SampleFormat::UInt8: {
                const auto s = static_cast<std::uint8_t>(std::lround(128.0f + v * 127.0f));
                out[i] = static_cast<char>(s);
                break;
            }
            case SampleFormat::Int16: {
                const auto s = static_cast<std::int16_t>(std::lround(v * 32767.0f));
                std::memcpy(out + i * 2, &s, sizeof s);
                break;
            }
            case SampleFormat::Int32: {
                const auto s =
                    static_cast<std::int32_t>(std::llround(static_cast<double>(v) * 2147483647.0));
                std::memcpy(out + i * 4, &s, sizeof s);
                break;
            }
            case SampleFormat::Float:
                std::memcpy(out + i * 4, &v, sizeof v);
                break;
        }
    }
}

std::size_t leadingSilence(const std::vector<float>& samples, int channels) {
    constexpr float silent = 1e-4f;
    const std::size_t frame = channels > 0 ? std::size_t(channels) : 1;
    std::size_t i = 0;
    while (i < samples.size() && std::fabs(samples[i]) < silent) ++i;
    if (i == samples.size()) return 0;
    return i / frame * frame;
}

}  // namespace dunok::audio
