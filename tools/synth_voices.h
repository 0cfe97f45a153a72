// The building blocks of Dunok's synthesised alarm sounds: buffers, a random generator that
// gives the same numbers everywhere, filters, struck modes, noise bursts and plucked strings.
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <vector>

namespace dunok::synth {

constexpr int kRate = 44100;
constexpr double kPi = std::numbers::pi;

using Buffer = std::vector<double>;

inline std::size_t toIndex(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kRate));
}

inline Buffer silence(double seconds) {
    return Buffer(toIndex(seconds), 0.0);
}

inline double midiToHz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// xorshift64: tiny, fast and identical on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}

    // Uniform in [-1, 1).
    double bipolar() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<double>(state_ >> 11) * 0x1.0p-52 - 1.0;
    }
    // Uniform in [lo, hi).
    double between(double lo, double hi) { return lo + (hi - lo) * 0.5 * (bipolar() + 1.0); }

private:
    std::uint64_t state_;
};

// RBJ band-pass with 0 dB peak gain; used to colour noise into rattles and clanks.
class BandPass {
public:
    BandPass(double centreHz, double q) {
        const double w0 = 2.0 * kPi * centreHz / kRate;
        const double alpha = std::sin(w0) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2.0 * std::cos(w0) / a0;
        a2_ = (1.0 - alpha) / a0;
    }

    double process(double x) {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One vibration mode of a struck object: its frequency relative to the fundamental, its
// loudness, and the time (seconds) in which it falls to 1/e.
struct Mode {
    double ratio;
    double amp;
    double decay;
};

// Adds a struck mode. It starts at zero phase and rises over `attack` seconds, so even a hard
// strike never produces a step in the waveform.
inline void addMode(Buffer& out, double startSec, double freq, double amp, double decay,
                    double attack) {
    // Anything near Nyquist would fold back as an unrelated, harsh tone.
    if (freq >= 0.45 * kRate) return;
    const std::size_t start = toIndex(startSec);
    if (start >= out.size()) return;
    // Stop once the mode is ~90 dB down; the rest is inaudible and only costs time.
    const std::size_t len = std::min(out.size() - start, toIndex(decay * 10.0));
    const double w = 2.0 * kPi * freq / kRate;
    const double fall = std::exp(-1.0 / (decay * kRate));
    const double rise = attack > 0 ? std::exp(-1.0 / (attack * kRate)) : 0.0;
    double env = amp;
    double pending = 1.0;  // the part of the attack still to come
    for (std::size_t i = 0; i < len; ++i) {
        out[start + i] += env * (1.0 - pending) * std::sin(w * static_cast<double>(i));
        env *= fall;
        pending *= rise;
    }
}

inline void addStrike(Buffer& out, double startSec, double fundamental,
                      const std::vector<Mode>& modes, double gain, double attack) {
    for (const Mode& m : modes)
        addMode(out, startSec, fundamental * m.ratio, gain * m.amp, m.decay, attack);
}

// A short burst of filtered noise: hammer contact, rattling, a mallet's thump.
inline void addNoiseBurst(Buffer& out, double startSec, double amp, double decay, BandPass filter,
                          Random& rng) {
    const std::size_t start = toIndex(startSec);
    if (start >= out.size()) return;
    const std::size_t len = std::min(out.size() - start, toIndex(decay * 8.0));
    const double fall = std::exp(-1.0 / (decay * kRate));
    // A 0.5 ms rise keeps the burst from clicking on its own.
    const double rise = std::exp(-1.0 / (0.0005 * kRate));
    double env = amp;
    double pending = 1.0;
    for (std::size_t i = 0; i < len; ++i) {
        out[start + i] += env * (1.0 - pending) * filter.process(rng.bipolar());
        env *= fall;
        pending *= rise;
    }
}

// Smooth 0..1 ramp over `seconds`; evaluated on time remaining it serves as a fade-out too.
inline double raisedCosine(double t, double seconds) {
    if (t <= 0) return 0.0;
    if (t >= seconds) return 1.0;
    return 0.5 - 0.5 * std::cos(kPi * t / seconds);
}

// Karplus-Strong plucked string. A first-order all-pass supplies the fractional part of the
// period, without which the higher strings would be audibly out of tune.
inline void addPluck(Buffer& out, double startSec, double freq, double gain, double decay,
                     Random& rng) {
    const double period = static_cast<double>(kRate) / freq;
    // The two-point average contributes half a sample of delay; keep the all-pass delay in
    // [0.1, 1.1) where its phase delay is flat enough at the fundamental.
    const auto length = static_cast<std::size_t>(std::floor(period - 0.5 - 0.1));
    const double frac = period - 0.5 - static_cast<double>(length);
    const double apCoef = (1.0 - frac) / (1.0 + frac);
    // Loop gain chosen so that the fundamental falls to 1/e in `decay` seconds.
    const double averagerGain = std::cos(kPi * freq / kRate);
    const double loopGain = std::min(0.9999, std::exp(-1.0 / (decay * freq)) / averagerGain);

    // A finger pluck: a triangle displaced at 30 % of the string, with a little noise for the
    // fingertip and the whole thing softened so it does not sound like a harpsichord.
    std::vector<double> line(length);
    const double pluckAt = 0.3 * static_cast<double>(length);
    double smooth = 0;
    double mean = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const double x = static_cast<double>(i);
        const double tri = x < pluckAt ? x / pluckAt
                                       : (static_cast<double>(length) - x) /
                                             (static_cast<double>(length) - pluckAt);
        smooth += 0.5 * (tri + 0.15 * rng.bipolar() - smooth);
        line[i] = smooth;
        mean += smooth;
    }
    mean /= static_cast<double>(length);
    // A string at rest has no offset; leftover DC would only thump.
    for (double& v : line) v -= mean;

    const std::size_t start = toIndex(startSec);
    const double rise = std::exp(-1.0 / (0.001 * kRate));
    double pending = 1.0;
    double prev = 0, apIn = 0, apOut = 0;
    std::size_t idx = 0;
    for (std::size_t n = start; n < out.size(); ++n) {
        const double x = line[idx];
        const double avg = 0.5 * (x + prev);
        prev = x;
        const double ap = apCoef * avg + apIn - apCoef * apOut;
        apIn = avg;
        apOut = ap;
        line[idx] = loopGain * ap;
        idx = idx + 1 == length ? 0 : idx + 1;
        out[n] += gain * (1.0 - pending) * x;
        pending *= rise;
    }
}

}  // namespace dunok::synth
