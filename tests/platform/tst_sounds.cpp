// Checks the alarm sounds produced by the build: that they are files the player can open, that
// they are loud without clipping, that they start and stop cleanly, and that the menu does not
// offer two entries that sound the same.
//
// The folder of built sounds comes from DUNOK_SOUNDS_DIR.

#include <sndfile.h>

#include <QDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace dunok {
namespace {

constexpr int kRate = 44100;

struct Sound {
    QString name;
    SF_INFO info{};
    std::vector<short> samples;  // interleaved, as stored
    std::vector<double> mono;    // channels averaged, full scale = 1
    double centroidHz = 0;
    std::vector<double> envelope;  // 20 ms RMS over the first two seconds, max = 1
};

void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const double angle = -2.0 * std::numbers::pi / static_cast<double>(len);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w(1.0);
            for (std::size_t j = 0; j < len / 2; ++j) {
                const auto u = a[i + j];
                const auto v = a[i + j + len / 2] * w;
                a[i + j] = u + v;
                a[i + j + len / 2] = u - v;
                w *= step;
            }
        }
    }
}

// Power-weighted mean frequency over the whole sound: where its energy sits.
double spectralCentroid(const std::vector<double>& x) {
    constexpr std::size_t N = 2048;
    double weighted = 0, total = 0;
    std::vector<std::complex<double>> frame(N);
    for (std::size_t start = 0; start + N <= x.size(); start += N / 2) {
        for (std::size_t i = 0; i < N; ++i) {
            const double hann = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / (N - 1));
            frame[i] = x[start + i] * hann;
        }
        fft(frame);
        for (std::size_t k = 1; k < N / 2; ++k) {
            const double power = std::norm(frame[k]);
            weighted += power * k * kRate / N;
            total += power;
        }
    }
    return total > 0 ? weighted / total : 0;
}

std::vector<double> rmsEnvelope(const std::vector<double>& x, double frameSeconds, double seconds) {
    const auto frame = static_cast<std::size_t>(frameSeconds * kRate);
    const auto end = std::min(x.size(), static_cast<std::size_t>(seconds * kRate));
    std::vector<double> env;
    for (std::size_t start = 0; start + frame <= end; start += frame) {
        double sum = 0;
        for (std::size_t i = start; i < start + frame; ++i) sum += x[i] * x[i];
        env.push_back(std::sqrt(sum / frame));
    }
    const double top = env.empty() ? 0 : *std::max_element(env.begin(), env.end());
    if (top > 0)
        for (double& v : env) v /= top;
    return env;
}

double maxAbs(const std::vector<double>& x, std::size_t from, std::size_t to) {
    double m = 0;
    for (std::size_t i = from; i < std::min(to, x.size()); ++i) m = std::max(m, std::abs(x[i]));
    return m;
}

}  // namespace

class TestSounds : public QObject {
    Q_OBJECT

    std::vector<Sound> sounds_;

    const Sound* find(const QString& name) const {
        for (const Sound& s : sounds_)
            if (s.name == name) return &s;
        return nullptr;
    }

    void addRows() {
        QTest::addColumn<QString>("name");
        for (const Sound& s : sounds_) QTest::newRow(qPrintable(s.name)) << s.name;
    }

private slots:
    void initTestCase() {
        const QString dir = qEnvironmentVariable("DUNOK_SOUNDS_DIR");
        QVERIFY2(!dir.isEmpty(),
                 "DUNOK_SOUNDS_DIR is not set; point it at the built Sounds folder");
        const QStringList files = QDir(dir).entryList({"*.caf"}, QDir::Files, QDir::Name);
        for (const QString& file : files) {
            Sound s;
            s.name = file.chopped(4);
            const QByteArray path = QDir(dir).filePath(file).toLocal8Bit();
            SNDFILE* f = sf_open(path.constData(), SFM_READ, &s.info);
            QVERIFY2(f, qPrintable(file + ": " + sf_strerror(nullptr)));
            s.samples.resize(static_cast<std::size_t>(s.info.frames * s.info.channels));
            const sf_count_t got = sf_readf_short(f, s.samples.data(), s.info.frames);
            sf_close(f);
            QCOMPARE(got, s.info.frames);
            QVERIFY(s.info.channels > 0);
            const auto ch = static_cast<std::size_t>(s.info.channels);
            s.mono.resize(s.samples.size() / ch);
            for (std::size_t i = 0; i < s.mono.size(); ++i) {
                double sum = 0;
                for (std::size_t c = 0; c < ch; ++c) sum += s.samples[i * ch + c];
                s.mono[i] = sum / ch / 32768.0;
            }
            s.centroidHz = spectralCentroid(s.mono);
            s.envelope = rmsEnvelope(s.mono, 0.02, 2.0);
            sounds_.push_back(std::move(s));
        }
    }

    void offersTheAdvertisedSounds() {
        QVERIFY2(sounds_.size() >= 8, qPrintable(QString("only %1 sounds").arg(sounds_.size())));
        QVERIFY(find("Vintage Alarm Clock"));
    }

    void isPlayableFormat_data() { addRows(); }
    void isPlayableFormat() {
        QFETCH(QString, name);
        const SF_INFO& info = find(name)->info;
        QCOMPARE(info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_CAF);
        QCOMPARE(info.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_16);
        QCOMPARE(info.samplerate, kRate);
        QVERIFY(info.channels == 1 || info.channels == 2);
        const double seconds = static_cast<double>(info.frames) / kRate;
        QVERIFY2(seconds >= 2.0 && seconds <= 6.0, qPrintable(QString("%1 s").arg(seconds)));
    }

    void isLoudWithoutClipping_data() { addRows(); }
    void isLoudWithoutClipping() {
        QFETCH(QString, name);
        const Sound& s = *find(name);
        int peak = 0;
        int run = 0, longestRun = 0;
        for (short v : s.samples) {
            const int a = std::abs(static_cast<int>(v));
            peak = std::max(peak, a);
            run = a >= 32767 ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
        }
        const double level = peak / 32768.0;
        QVERIFY2(level >= 0.5 && level <= 1.0, qPrintable(QString("peak %1").arg(level)));
        QVERIFY2(longestRun <= 2, qPrintable(QString("%1 samples at full scale").arg(longestRun)));
    }

    void startsAndEndsInSilence_data() { addRows(); }
    void startsAndEndsInSilence() {
        QFETCH(QString, name);
        const std::vector<double>& x = find(name)->mono;
        const std::size_t oneMs = kRate / 1000;
        // A click at either end is exactly what a tidy fade prevents.
        QVERIFY2(maxAbs(x, 0, oneMs) < 0.05, qPrintable(QString::number(maxAbs(x, 0, oneMs))));
        const double tail = maxAbs(x, x.size() - 10 * oneMs, x.size());
        QVERIFY2(tail < 0.02, qPrintable(QString::number(tail)));
    }

    void alarmClockIsAFastBell() {
        const Sound* clock = find("Vintage Alarm Clock");
        QVERIFY(clock);
        // The hammer's blows are broadband clicks repeating at 15-20 Hz. Differencing twice
        // lifts them above the steady ringing, whose slow beats would otherwise dominate.
        std::vector<double> clicks(clock->mono.size(), 0.0);
        for (std::size_t i = 2; i < clicks.size(); ++i)
            clicks[i] = clock->mono[i] - 2.0 * clock->mono[i - 1] + clock->mono[i - 2];
        constexpr double kFrame = 0.003;
        std::vector<double> env = rmsEnvelope(clicks, kFrame, 1.0);
        double mean = 0;
        for (double v : env) mean += v;
        mean /= static_cast<double>(env.size());
        for (double& v : env) v -= mean;
        std::size_t bestLag = 0;
        double best = -1e300;
        for (std::size_t lag = 10; lag <= 33; ++lag) {  // 30-100 ms
            double sum = 0;
            for (std::size_t i = 0; i + lag < env.size(); ++i) sum += env[i] * env[i + lag];
            if (sum > best) best = sum, bestLag = lag;
        }
        const double rate = 1.0 / (static_cast<double>(bestLag) * kFrame);
        QVERIFY2(rate >= 15.0 && rate <= 20.0, qPrintable(QString("%1 strikes/s").arg(rate)));
        // A bell, not a buzzer: most energy well above the speech range.
        QVERIFY2(clock->centroidHz > 1000.0, qPrintable(QString::number(clock->centroidHz)));
    }

    void soundsAreDistinct() {
        for (std::size_t i = 0; i < sounds_.size(); ++i) {
            for (std::size_t j = i + 1; j < sounds_.size(); ++j) {
                const Sound& a = sounds_[i];
                const Sound& b = sounds_[j];
                const double ratio = std::max(a.centroidHz, b.centroidHz) /
                                     std::max(1.0, std::min(a.centroidHz, b.centroidHz));
                const std::size_t n = std::min(a.envelope.size(), b.envelope.size());
                double distance = 0;
                for (std::size_t k = 0; k < n; ++k)
                    distance += std::abs(a.envelope[k] - b.envelope[k]);
                distance /= std::max<std::size_t>(1, n);
                // Either a different colour or a different rhythm is enough to tell them apart.
                QVERIFY2(ratio > 1.2 || distance > 0.1,
                         qPrintable(QString("%1 vs %2: centroid ratio %3, envelope distance %4")
                                        .arg(a.name, b.name)
                                        .arg(ratio)
                                        .arg(distance)));
            }
        }
    }
};

}  // namespace dunok

QTEST_GUILESS_MAIN(dunok::TestSounds)
#include "tst_sounds.moc"
