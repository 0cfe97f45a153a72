// The user's own sounds: taken in or refused, their names, and one whose file went missing.
#include <sndfile.h>

#include <QtTest>
#include <QtWidgets>
#include <cmath>

#include "desktop/Alarm.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"
#include "ui/SoundImport.h"

using namespace dunok;

namespace {
// A tenth of a second of a tone; false when the library cannot write the format.
bool writeTone(const QString& path, int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16) {
    SF_INFO info{0, 8000, 1, format, 0, 0};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) return false;
    std::vector<float> samples(800);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = float(0.5 * std::sin(2 * M_PI * 440.0 * double(i) / 8000));
    const bool written = sf_writef_float(file, samples.data(), 800) == 800;
    return sf_close(file) == 0 && written;
}
QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

class TestSoundImport : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<SharedPlayer> player;
    const QStringList shipped{"Chimes", "Vintage Alarm Clock"};
    QString source(const QString& name) const { return home->path() + "/picked/" + name; }
    SoundImport import(const QString& name) { return importSound(source(name), player->sounds()); }

private slots:
    void initTestCase() { qputenv("PULSE_SERVER", "unix:/nonexistent/dunok-no-sound-server"); }
    void init() {
        home = std::make_unique<testing::TestHome>();
        QDir().mkpath(home->path() + "/picked/sub");
        QDir().mkpath(home->path() + "/res/Sounds");
        for (const QString& name : shipped)
            QVERIFY(writeTone(home->path() + "/res/Sounds/" + name + ".caf",
                              SF_FORMAT_CAF | SF_FORMAT_PCM_16));
        player = std::make_unique<SharedPlayer>(SoundLibrary(home->path() + "/res"));
    }
    void cleanup() { player.reset(); }

    // Copied in; with the copy gone an alarm rings the default and says so, a preview fails.
    void takesEveryFormatTheModuleReads() {
        QStringList offered = shipped;
        for (const auto& [file, format] :
             {std::pair{"Kettle.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
              {"Ocarina.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS},
              {"Whistle.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS}}) {
            if (!writeTone(source(file), format)) {
                qInfo("this libsndfile cannot write %s", file);
                continue;
            }
            const SoundImport added = import(file);
            QCOMPARE(added.error, QString());
            QCOMPARE(player->sounds().names(), offered << QFileInfo(file).baseName());
            QCOMPARE(bytesOf(player->sounds().filePath(added.name)), bytesOf(source(file)));
            QVERIFY(QFile::remove(source(file)));
            QVERIFY(player->play(added.name, startSettings()));
        }
        QVERIFY(QFile::remove(player->sounds().filePath("Kettle")));
        testing::MessageLog log;
        QVERIFY(player->play("Kettle", startSettings(), MissingSound::PlaysDefault));
        QVERIFY(
            log.messages().contains("Playing the default sound \"Vintage Alarm Clock\" instead of "
                                    "\"Kettle\", whose file is missing"));
        QVERIFY(player->isPlaying());
        QVERIFY(!player->play("Kettle", startSettings()));
    }

    // Nothing half copied, nothing new on offer.
    void refusesWhatCannotRing() {
        QVERIFY(QFile(source("empty.wav")).open(QIODevice::WriteOnly));
        QDir().mkpath(source("folder.wav"));
        QFile notes(source("notes.wav")), huge(source("huge.wav"));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("RIFF, but only in name") > 0);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(2LL << 30));  // sparse
        notes.close();
        huge.close();
        QVERIFY(writeTone(source("Kettle.wav")));
        for (const auto& [file, said] :
             {std::pair{"empty.wav", "\"empty.wav\" is empty."},
              {"folder.wav", "\"folder.wav\" is not a file."},
              {"notes.wav", "\"notes.wav\" is not a sound that Dunok can play."},
              {"huge.wav", "\"huge.wav\" is too large for an alarm sound: 50 MB at most."},
              {"gone.wav", "\"gone.wav\" is not there any more."},
              {"", "could not be made"}}) {
            if (!*file) {  // a file where the folder goes
                QDir().mkpath(QFileInfo(userSoundsFolder()).path());
                QVERIFY(QFile(userSoundsFolder()).open(QIODevice::WriteOnly));
            }
            const SoundImport added = import(*file ? file : "Kettle.wav");
            QVERIFY2(added.name.isEmpty() && added.error.contains(said), qPrintable(added.error));
            if (QFileInfo(userSoundsFolder()).isDir())
                QCOMPARE(QDir(userSoundsFolder())
                             .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                         QStringList());
            QCOMPARE(player->sounds().names(), shipped);
        }
    }

    void namesAreOfferableAndUnique() {
        const QStringList files{"Chimes.wav",  "Kettle.wav",      "sub/Kettle.wav",
                                ".hidden.wav", "back\\slash.wav", "Bell 1.5.flac"};
        QStringList names;
        for (const QString& file : files) {
            QVERIFY(writeTone(source(file), file.endsWith("flac")
                                                ? SF_FORMAT_FLAC | SF_FORMAT_PCM_16
                                                : SF_FORMAT_WAV | SF_FORMAT_PCM_16));
            names << import(file).name;
            QVERIFY2(player->play(names.last(), startSettings()), qPrintable(names.last()));
        }
        QCOMPARE(names, QStringList({"Chimes 2", "Kettle", "Kettle 2", "hidden", "back-slash",
                                     "Bell 1.5"}));
    }
};

QTEST_MAIN(TestSoundImport)
#include "tst_soundimport.moc"
