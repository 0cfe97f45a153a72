// The alarm sounds the build made (DUNOK_SOUNDS_DIR): playable, loud and clean.
#include <sndfile.h>

#include <QDir>
#include <QTest>
#include <algorithm>
#include <cmath>

class TestSounds : public QObject {
    Q_OBJECT
private slots:
    void soundsArePlayableLoudAndClean() {
        const QDir dir(qEnvironmentVariable("DUNOK_SOUNDS_DIR"));
        int heard = 0;
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
            ++heard;
        }
        QVERIFY2(heard >= 8, qPrintable(dir.path()));
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "tst_sounds.moc"
