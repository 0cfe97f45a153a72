// The alarm sounds the build made (DUNOK_SOUNDS_DIR): playable, loud, clean and unlike each other.
#include <sndfile.h>

#include <QDir>
#include <QTest>
#include <algorithm>
#include <cmath>

class TestSounds : public QObject {
    Q_OBJECT
private slots:
    void soundsArePlayableLoudAndDistinct() {
        const QDir dir(qEnvironmentVariable("DUNOK_SOUNDS_DIR"));
        // First 2 s: colour = log of the zero crossings, beat = 20 ms loudness steps over the top.
        std::vector<std::tuple<QString, double, std::vector<double>>> heard;
        for (const QString& name : dir.entryList({"*.caf"})) {
            SF_INFO info{};
            SNDFILE* file = sf_open(QFile::encodeName(dir.filePath(name)), SFM_READ, &info);
            std::vector<short> pcm(std::size_t(info.frames * info.channels));
            const bool read = sf_readf_short(file, pcm.data(), info.frames) == info.frames;
            sf_close(file);
            const std::size_t c = info.channels, rate = info.samplerate;
            QVERIFY2(read && (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_CAF, qPrintable(name));
            QVERIFY2(pcm.size() >= 2 * rate * c && pcm.size() <= 6 * rate * c, qPrintable(name));
            QVERIFY2(std::ranges::max(pcm) >= 16384, qPrintable(name + " is quiet"));
            const auto clipped = [](short v) { return std::abs(v) >= 32767; };
            QVERIFY2(std::ranges::search_n(pcm, 3, true, {}, clipped).empty(), qPrintable(name));
            double crossings = 0, sum = 0;
            std::vector<double> beat;
            for (std::size_t f = 1; f < 2 * rate; ++f) {
                crossings += (pcm[f * c] < 0) != (pcm[(f - 1) * c] < 0);
                sum += std::pow(pcm[f * c], 2);
                if (f % (rate / 50) == 0) beat.push_back(std::sqrt(std::exchange(sum, 0)));
            }
            const double top = *std::ranges::max_element(beat), colour = std::log(crossings);
            for (double& v : beat) v /= top;
            for (const auto& [otherName, otherColour, other] : heard) {
                double distance = 0;
                for (auto k = 0u; k < beat.size(); ++k) distance += std::abs(beat[k] - other[k]);
                QVERIFY2(std::abs(colour - otherColour) > 0.18 || distance > 0.1 * beat.size(),
                         qPrintable(name + " sounds like " + otherName));
            }
            heard.emplace_back(name, colour, beat);
        }
        QVERIFY2(heard.size() >= 8, qPrintable(dir.path()));
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "tst_sounds.moc"
