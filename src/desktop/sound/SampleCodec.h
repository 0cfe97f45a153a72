// The sample conversions behind the sound output, kept apart from it so that they can be checked
// without a sound device.
#pragma once

#include <cstddef>
#include <vector>

namespace dunok::audio {

// The sample formats a device may take.
enum class SampleFormat { UInt8, Int16, Int32, Float };

int bytesPerSample(SampleFormat format);

// Linear resampling and channel mapping of interleaved samples: mono is copied to every output
// channel, several channels going to mono are averaged, otherwise channels map by position.
std::vector<float> convert(const std::vector<float>& in, int inRate, int inChannels, int outRate,
                           int outChannels);

// How many samples at the start, in whole frames, are silence (below -80 dBFS): an alarm is
// heard from its first sound, not after the quiet a file begins with. 0 for a file that is all
// silence, which plays as it is.
std::size_t leadingSilence(const std::vector<float>& samples, int channels);

// Writes count samples scaled by volume in the given format, clipped to full scale.
void encode(const float* in, std::size_t count, double volume, SampleFormat format, char* out);

}  // namespace dunok::audio
