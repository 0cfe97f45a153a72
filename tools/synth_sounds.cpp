// Build-time generator for Dunok's alarm sounds.
//
// Every sound is synthesised from scratch here so that nothing we ship has to be recorded or
// licensed, and so that a rebuild always yields byte-identical files (all randomness comes from
// fixed seeds fed into our own generator, never from std:: distributions whose output differs
// between standard libraries).
//
// Usage: dunok_synth_sounds OUTPUT_DIR [EXPECTED_NAME...]
// When the build passes the names it expects, we refuse to run if they disagree with the sounds
// defined below; otherwise the build would either miss a file or ship one it does not know about.

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <numbers>
#include <set>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "synth_voices.h"

namespace dunok {
namespace {

using namespace synth;

// About -1 dBFS: loud enough to carry across a room, with headroom so that resampling in the
// audio stack cannot push inter-sample peaks into clipping.
constexpr double kTargetPeak = 0.89;

// ---------------------------------------------------------------------------------------------
// The sounds

// A bell as a bank of modes that keep ringing between blows, so a new strike adds to what is
// already sounding instead of restarting it, and the hammer resting on the shell can choke it.
class StruckBell {
public:
    StruckBell(double fundamental, const std::vector<Mode>& modes) {
        for (const Mode& m : modes) {
            const double f = fundamental * m.ratio;
            if (f >= 0.45 * kRate) continue;
            modes_.push_back({std::polar(std::exp(-1.0 / (m.decay * kRate)), 2.0 * kPi * f / kRate),
                              {0.0, 0.0},
                              m.amp});
        }
    }

    // Advances one sample. `push` is the hammer's force on the shell during this sample and
    // `choke` the extra loss while it touches.
    double step(double push, double choke) {
        double out = 0;
        for (State& m : modes_) {
            // A real-valued push starts each new vibration at zero phase: no step in the output.
            m.value = (m.value + push * m.amp) * m.rotation * choke;
            out += m.value.imag();
        }
        return out;
    }

private:
    struct State {
        std::complex<double> rotation;
        std::complex<double> value;
        double amp;
    };
    std::vector<State> modes_;
};

Buffer vintageAlarmClock() {
    Buffer out = silence(4.4);
    Random rng(0xA1A53C10C4ull);
    // Two small bells with the hammer swinging between them; they are never tuned alike, and
    // the mismatch is what gives the old clocks their jangle. The partials are those of a thin
    // metal shell: strongly inharmonic, the upper ones dying much faster.
    const std::vector<Mode> shell = {
        {1.00, 1.00, 0.45}, {2.76, 0.50, 0.22}, {5.40, 0.28, 0.09}, {8.93, 0.12, 0.04}};
    StruckBell bells[2] = {{1320.0, shell}, {1480.0, shell}};

    struct Blow {
        std::size_t at;
        int bell;
        double force;
    };
    std::vector<Blow> blows;
    const double strikesPerSecond = 17.0;
    const double ringLength = 1.0;
    const double gap = 0.22;
    for (int ring = 0; ring < 3; ++ring) {
        const double ringStart = 0.01 + ring * (ringLength + gap);
        for (int i = 0; i < static_cast<int>(ringLength * strikesPerSecond); ++i) {
            // The escapement is not a metronome: a little jitter in timing and force.
            const double when = ringStart + i / strikesPerSecond + rng.between(-0.0015, 0.0015);
            blows.push_back({toIndex(when), i % 2, rng.between(0.8, 1.0)});
        }
    }

    // The blow itself is brief (a longer push could not excite kilohertz modes at all), but the
    // hammer then rests on the shell for a few milliseconds, damping the ringing to about half;
    // that choke is what makes the ring flutter instead of merely droning.
    const std::size_t blow = toIndex(0.00007);
    const std::size_t contact = toIndex(0.003);
    const double choke = std::pow(0.5, 1.0 / static_cast<double>(contact));
    std::size_t next = 0;
    std::size_t sinceBlow = contact;
    int touched = 0;
    double force = 0;
    for (std::size_t n = 0; n < out.size(); ++n) {
        while (next < blows.size() && blows[next].at <= n) {
            touched = blows[next].bell;
            force = blows[next].force;
            sinceBlow = 0;
            ++next;
        }
        double push[2] = {0, 0};
        double loss[2] = {1, 1};
        if (sinceBlow < contact) {
            if (sinceBlow < blow) {
                const double phase = (static_cast<double>(sinceBlow) + 0.5) / blow;
                push[touched] = force * std::sin(kPi * phase);
            }
            loss[touched] = choke;
            ++sinceBlow;
        }
        out[n] = bells[0].step(push[0], loss[0]) + bells[1].step(push[1], loss[1]);
    }

    // Hammer contact, and the loose case and legs buzzing after each blow.
    for (const Blow& b : blows) {
        const double when = static_cast<double>(b.at) / kRate;
        addNoiseBurst(out, when, 0.25 * b.force, 0.0015, BandPass(5200, 0.8), rng);
        addNoiseBurst(out, when + 0.002, 0.3 * b.force, 0.012, BandPass(2300, 2.5), rng);
    }
    return out;
}

Buffer chimes() {
    Buffer out = silence(5.6);
    Random rng(0xC41E5ull);
    // Aluminium tubes vibrate like free bars; a soft mallet keeps the upper modes quiet.
    const std::vector<Mode> tube = {
        {1.000, 1.00, 1.30}, {2.756, 0.30, 0.55}, {5.404, 0.10, 0.22}, {8.933, 0.03, 0.10}};
    // C major pentatonic, played as a breeze would: unevenly, never a scale run.
    const int notes[] = {79, 76, 84, 81, 74, 79};
    const double times[] = {0.01, 0.36, 0.64, 1.12, 1.47, 2.05};
    for (std::size_t i = 0; i < std::size(notes); ++i) {
        const double f = midiToHz(notes[i]);
        const double gain = rng.between(0.75, 1.0);
        addStrike(out, times[i], f, tube, gain, 0.002);
        // A faint twin a fraction of a hertz away makes each tube shimmer as it rings.
        addMode(out, times[i], f * 1.0009, 0.35 * gain, 1.3, 0.002);
    }
    return out;
}

Buffer kitchenTimer() {
    Buffer out = silence(3.4);
    Random rng(0x717E4ull);
    // A small, bright dome bell; the near-unison pair beats slowly like a real bell's
    // slightly out-of-round modes.
    const std::vector<Mode> dome = {{1.000, 1.00, 0.60},
                                    {1.0015, 0.55, 0.60},
                                    {2.52, 0.35, 0.30},
                                    {4.31, 0.18, 0.12},
                                    {6.10, 0.07, 0.06}};
    for (int i = 0; i < 3; ++i) {
        const double when = 0.01 + i * 1.0;
        addStrike(out, when, 2350.0, dome, 1.0, 0.0004);
        addNoiseBurst(out, when, 0.25, 0.001, BandPass(6000, 0.7), rng);
    }
    return out;
}

Buffer digitalBeeps() {
    Buffer out = silence(3.6);
    const double freq = 2800.0;
    // Only the odd harmonics below 16 kHz: square enough to sound like a piezo buzzer, without
    // the partials above Nyquist that a naive square wave would fold into a gritty mess.
    std::vector<std::pair<double, double>> harmonics;
    for (int k = 1; k * freq < 16000.0; k += 2) {
        // Lanczos smoothing tames the ringing overshoot of a truncated square series.
        const double x = kPi * k / 7.0;
        harmonics.emplace_back(k * freq, (1.0 / k) * std::sin(x) / x);
    }
    const double beepOn = 0.075;
    const double beepPeriod = 0.125;
    const double ramp = 0.003;
    for (int group = 0; group < 4; ++group) {
        for (int beep = 0; beep < 4; ++beep) {
            const double startSec = 0.01 + group * 1.0 + beep * beepPeriod;
            const std::size_t start = toIndex(startSec);
            const std::size_t len = toIndex(beepOn);
            for (std::size_t i = 0; i < len && start + i < out.size(); ++i) {
                const double t = static_cast<double>(i) / kRate;
                double v = 0;
                for (const auto& [f, a] : harmonics) v += a * std::sin(2.0 * kPi * f * t);
                out[start + i] += v * raisedCosine(t, ramp) * raisedCosine(beepOn - t, ramp);
            }
        }
    }
    return out;
}

Buffer marimba() {
    Buffer out = silence(3.3);
    Random rng(0x3A417BAull);
    // Tuned bars: the maker carves the underside so the first overtone sits two octaves up
    // (4x) and the next near 10x; both die away quickly, leaving the warm fundamental.
    const int arpeggio[] = {60, 64, 67, 72, 76, 79, 84};
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < std::size(arpeggio); ++i) {
            const double when = 0.01 + pass * 1.45 + static_cast<double>(i) * 0.12;
            const double f = midiToHz(arpeggio[i]);
            // Low bars ring longer than high ones.
            const double decay = 0.5 * std::sqrt(261.6 / f);
            const bool last = i + 1 == std::size(arpeggio);
            const double gain = (last ? 1.0 : 0.8) * rng.between(0.9, 1.0);
            const std::vector<Mode> bar = {
                {1.0, 1.0, decay}, {3.99, 0.22, decay * 0.25}, {9.92, 0.06, decay * 0.1}};
            addStrike(out, when, f, bar, gain, 0.0015);
            // The yarn mallet's soft knock on the wood.
            addNoiseBurst(out, when, 0.08 * gain, 0.004, BandPass(f * 2.0, 1.5), rng);
        }
    }
    return out;
}

Buffer harpRise() {
    Buffer out = silence(4.2);
    Random rng(0x4A4Bull);
    // D major across two octaves, swept upwards as a harpist's glissando-like arpeggio.
    const int notes[] = {62, 66, 69, 74, 78, 81, 86};
    for (std::size_t i = 0; i < std::size(notes); ++i) {
        const double f = midiToHz(notes[i]);
        addPluck(out, 0.01 + static_cast<double>(i) * 0.11, f, rng.between(0.85, 1.0), 1.1, rng);
    }
    // Final octave pluck lets the phrase land rather than stop.
    addPluck(out, 0.01 + 7 * 0.11 + 0.12, midiToHz(74), 0.9, 1.4, rng);
    return out;
}

Buffer shipBell() {
    Buffer out = silence(5.6);
    Random rng(0x5B1Bull);
    // A cast bronze bell: hum an octave below the strike note, a minor-third "tierce" that
    // gives big bells their mournful colour, and a strong nominal an octave above.
    const std::vector<Mode> bronze = {{0.50, 0.30, 1.80}, {1.00, 0.55, 1.40}, {1.20, 0.45, 1.20},
                                      {1.50, 0.18, 0.80}, {2.00, 1.00, 0.95}, {2.50, 0.30, 0.55},
                                      {2.67, 0.22, 0.45}, {3.00, 0.18, 0.30}, {4.00, 0.08, 0.18}};
    const double prime = 520.0;
    // "Two bells": strikes come in pairs, as rung aboard.
    const double strikes[] = {0.01, 0.39, 1.75, 2.13};
    for (double when : strikes) {
        const double gain = rng.between(0.9, 1.0);
        addStrike(out, when, prime, bronze, gain, 0.001);
        // Real bells are never perfectly round, so each mode is a close pair that beats.
        for (const Mode& m : bronze)
            addMode(out, when, prime * m.ratio * 1.004, 0.3 * gain * m.amp, m.decay, 0.001);
        // The clapper's clank on bronze.
        addNoiseBurst(out, when, 0.25 * gain, 0.004, BandPass(3200, 1.2), rng);
    }
    return out;
}

Buffer softPulse() {
    Buffer out = silence(4.3);
    // Plain sines with a quiet octave below for warmth; each pulse is a smooth bump, and the
    // pulses swell so that the alarm starts gently and then insists.
    const double pulseLength = 0.42;
    const double period = 0.6;
    const int pulses = 7;
    for (int p = 0; p < pulses; ++p) {
        const double level = std::pow(10.0, (-12.0 + 12.0 * p / (pulses - 1)) / 20.0);
        const std::size_t start = toIndex(0.01 + p * period);
        const std::size_t len = toIndex(pulseLength);
        for (std::size_t i = 0; i < len && start + i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double env = std::pow(std::sin(kPi * t / pulseLength), 2.0);
            const double v = std::sin(2.0 * kPi * 660.0 * t) +
                             0.3 * std::sin(2.0 * kPi * 330.0 * t) +
                             0.08 * std::sin(2.0 * kPi * 1320.0 * t);
            out[start + i] += level * env * v;
        }
    }
    return out;
}

Buffer risingTones() {
    Buffer out = silence(4.1);
    // C-E-G, repeated, each round louder. A few soft harmonics make the tones round rather
    // than the thin whistle of a bare sine.
    const int notes[] = {72, 76, 79};
    const double gains[] = {0.35, 0.55, 0.78, 1.0};
    const double toneLength = 0.17;
    for (int round = 0; round < 4; ++round) {
        for (int n = 0; n < 3; ++n) {
            const double f = midiToHz(notes[n]);
            const std::size_t start = toIndex(0.01 + round * 1.0 + n * 0.2);
            const std::size_t len = toIndex(toneLength);
            for (std::size_t i = 0; i < len && start + i < out.size(); ++i) {
                const double t = static_cast<double>(i) / kRate;
                const double env = raisedCosine(t, 0.008) * raisedCosine(toneLength - t, 0.04);
                const double v = std::sin(2.0 * kPi * f * t) +
                                 0.25 * std::sin(2.0 * kPi * 2.0 * f * t) +
                                 0.08 * std::sin(2.0 * kPi * 3.0 * f * t);
                out[start + i] += gains[round] * env * v;
            }
        }
    }
    return out;
}

struct Sound {
    const char* name;  // shown in the sound menu, and the file's base name
    Buffer (*make)();
    double fadeOut;  // seconds; long for ringing sounds so their tails die away naturally
};

const Sound kSounds[] = {
    {"Vintage Alarm Clock", vintageAlarmClock, 0.35},
    {"Chimes", chimes, 0.8},
    {"Kitchen Timer", kitchenTimer, 0.4},
    {"Digital Beeps", digitalBeeps, 0.05},
    {"Marimba", marimba, 0.3},
    {"Harp Rise", harpRise, 0.8},
    {"Ship Bell", shipBell, 1.0},
    {"Soft Pulse", softPulse, 0.05},
    {"Rising Tones", risingTones, 0.05},
};

// ---------------------------------------------------------------------------------------------
// Mastering and output

// Removes any DC offset (noise bursts and plucks can leave some), tidies both ends and scales
// to the target peak. Returns false if the result could clip or is unusable.
bool master(Buffer& samples, double fadeOut, std::vector<short>& pcm, double& peak) {
    // One-pole DC blocker, corner around 3 Hz: far below anything audible in these sounds.
    double prevIn = 0, prevOut = 0;
    for (double& v : samples) {
        const double y = v - prevIn + 0.9995 * prevOut;
        prevIn = v;
        prevOut = y;
        v = y;
    }
    const double n = static_cast<double>(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double remaining = (n - 1.0 - static_cast<double>(i)) / kRate;
        samples[i] *= raisedCosine(t, 0.003) * raisedCosine(remaining, fadeOut);
    }
    double raw = 0;
    for (double v : samples) raw = std::max(raw, std::abs(v));
    if (!(raw > 0) || !std::isfinite(raw)) return false;
    const double scale = kTargetPeak / raw;
    peak = 0;
    pcm.resize(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double v = samples[i] * scale;
        peak = std::max(peak, std::abs(v));
        pcm[i] = static_cast<short>(std::lrint(v * 32767.0));
    }
    // Never ship a file that would clip, whatever went wrong above.
    return peak <= 1.0;
}

bool writeCaf(const std::filesystem::path& path, const std::vector<short>& pcm) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_CAF | SF_FORMAT_PCM_16;
    // Write beside the target and rename, so an interrupted build never leaves a truncated file
    // that looks up to date.
    std::filesystem::path temp = path;
    temp += ".part";
    SNDFILE* file = sf_open(temp.c_str(), SFM_WRITE, &info);
    if (!file) {
        std::fprintf(stderr, "dunok_synth_sounds: cannot create %s: %s\n", temp.c_str(),
                     sf_strerror(nullptr));
        return false;
    }
    const auto frames = static_cast<sf_count_t>(pcm.size());
    const sf_count_t written = sf_writef_short(file, pcm.data(), frames);
    std::string error = written == frames ? "" : sf_strerror(file);
    if (sf_close(file) != 0 && error.empty()) error = "could not finish the file";
    if (!error.empty()) {
        std::fprintf(stderr, "dunok_synth_sounds: cannot write %s: %s\n", temp.c_str(),
                     error.c_str());
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::fprintf(stderr, "dunok_synth_sounds: cannot rename %s to %s: %s\n", temp.c_str(),
                     path.c_str(), ec.message().c_str());
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

int run(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: dunok_synth_sounds OUTPUT_DIR [EXPECTED_NAME...]\n");
        return 2;
    }
    if (argc > 2) {
        std::set<std::string> expected(argv + 2, argv + argc);
        std::set<std::string> defined;
        for (const Sound& s : kSounds) defined.insert(s.name);
        if (expected != defined) {
            std::fprintf(stderr,
                         "dunok_synth_sounds: the build's list of sounds does not match the "
                         "sounds this tool makes:\n");
            for (const auto& name : expected)
                if (!defined.count(name))
                    std::fprintf(stderr, "  expected but not made: %s\n", name.c_str());
            for (const auto& name : defined)
                if (!expected.count(name))
                    std::fprintf(stderr, "  made but not expected: %s\n", name.c_str());
            return 1;
        }
    }

    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "dunok_synth_sounds: cannot create folder %s: %s\n", dir.c_str(),
                     ec.message().c_str());
        return 1;
    }

    for (const Sound& sound : kSounds) {
        Buffer samples = sound.make();
        std::vector<short> pcm;
        double peak = 0;
        if (!master(samples, sound.fadeOut, pcm, peak)) {
            std::fprintf(stderr, "dunok_synth_sounds: refusing to write \"%s\": peak %g\n",
                         sound.name, peak);
            return 1;
        }
        if (!writeCaf(dir / (std::string(sound.name) + ".caf"), pcm)) return 1;
    }
    return 0;
}

}  // namespace
}  // namespace dunok

int main(int argc, char** argv) {
    return dunok::run(argc, argv);
}
