// The user's own sounds: what "Other sound…" takes in and what it refuses,
// the names they are offered by, and a sound whose file went missing.
#include <sndfile.h>

#include <QtTest>
#include <QtWidgets>
#include <cmath>

#include "desktop/Alarm.h"
#include "desktop/AudioPlayer.h"
#include "desktop/ResourceFolder.h"
#include "domain/TimerEdits.h"
#include "domain/TimerModel.h"
#include "storage/Store.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"
#include "ui/EditController.h"
#include "ui/MessageBox.h"
#include "ui/SoundImport.h"

using namespace dunok;

namespace {
// A tenth of a second of a tone, in the given format; false when the
// library cannot write it.
bool writeTone(const QString& path, int format) {
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
    QString source(const QString& name) const { return home->path() + "/picked/" + name; }
    QStringList userFolder() const {
        return QDir(userSoundsFolder())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void initTestCase() { qputenv("PULSE_SERVER", "unix:/nonexistent/dunok-no-sound-server"); }
    void init() {
        home = std::make_unique<testing::TestHome>();
        QDir().mkpath(home->path() + "/res/Sounds");
        QDir().mkpath(home->path() + "/picked");
        for (const char* name : {"Vintage Alarm Clock", "Chimes"})
            QVERIFY(writeTone(home->path() + "/res/Sounds/" + name + ".caf",
                              SF_FORMAT_CAF | SF_FORMAT_PCM_16));
        player = std::make_unique<SharedPlayer>(SoundLibrary(home->path() + "/res"));
    }
    void cleanup() { player.reset(); }

    // A copy of its own: the timer still rings when the original goes. When the
    // copy goes too, an alarm rings the default and says so; the editor's
    // preview says it cannot play it instead.
    void takesEveryFormatTheModuleReads() {
        QStringList offered{"Chimes", "Vintage Alarm Clock"};
        for (const auto& [file, format] :
             {std::pair{"Kettle.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
              {"Ocarina.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS},
              {"Whistle.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS}}) {
            if (!writeTone(source(file), format)) {
                qInfo("this libsndfile cannot write %s", file);
                continue;
            }
            const SoundImport added = importSound(source(file), player->sounds());
            QCOMPARE(added.error, QString());
            QCOMPARE(added.name, QFileInfo(file).baseName());
            QCOMPARE(player->sounds().names(), offered << added.name);
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

    void refusesWhatCannotRing() {
        QVERIFY(QFile(source("empty.wav")).open(QIODevice::WriteOnly));
        QDir().mkpath(source("folder.wav"));
        QFile notes(source("notes.wav"));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("RIFF, but only in name") > 0);
        notes.close();
        QFile huge(source("huge.wav"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(2LL << 30));  // sparse
        huge.close();
        QVERIFY(writeTone(source("Kettle.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16));
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
            const SoundImport added =
                importSound(source(*file ? file : "Kettle.wav"), player->sounds());
            QVERIFY(added.name.isEmpty());
            QVERIFY2(added.error.contains(said), qPrintable(added.error));
            // Nothing half copied, nothing new on offer.
            if (QFileInfo(userSoundsFolder()).isDir()) QCOMPARE(userFolder(), QStringList());
            QCOMPARE(player->sounds().names(), QStringList({"Chimes", "Vintage Alarm Clock"}));
        }
    }

    void namesAreOfferableAndUnique() {
        const QStringList files{"Chimes.wav",   "Kettle.wav",      "sub/Kettle.wav",
                                ".hidden.wav",  "back\\slash.wav", "Tea \"strong\".wav",
                                "Bell 1.5.flac"};
        QDir().mkpath(source("sub"));
        for (const QString& file : files)
            QVERIFY(writeTone(source(file), file.endsWith("flac")
                                                ? SF_FORMAT_FLAC | SF_FORMAT_PCM_16
                                                : SF_FORMAT_WAV | SF_FORMAT_PCM_16));
        QStringList names;
        for (const QString& file : files) names << importSound(source(file), player->sounds()).name;
        QCOMPARE(names, QStringList({"Chimes 2", "Kettle", "Kettle 2", "hidden", "back-slash",
                                     "Tea \"strong\"", "Bell 1.5"}));
        for (const QString& name : names)
            QVERIFY2(player->play(name, startSettings()), qPrintable(name));
    }

    void otherSoundInTheEditor() {
        testing::StoreFixture store(home->storePath());
        QVERIFY(writeTone(source("Kettle.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16));
        EditController dlg(
            startSettings(), *player,
            [&](Timer& t, StoreError* e) { return saveTimer(store.store(), t, e); }, nullptr);
        dlg.setAreEditing(false);
        dlg.open();
        auto* sounds = dlg.findChild<QComboBox*>("pmAlarm");
        auto* desc = dlg.findChild<QLineEdit*>("edDescription");
        desc->setText("Tea");
        const int other = sounds->count() - 1;
        QCOMPARE(sounds->itemText(other), QString("Other sound…"));
        const auto choose = [&](const QString& file) {
            dlg.setSoundFileChooser([this, file](QWidget*) { return source(file); });
            sounds->setCurrentIndex(other);
            emit sounds->activated(other);
        };

        // Refused: named in an alert, and the sheet keeps what it had.
        QVERIFY(QFile(source("empty.wav")).open(QIODevice::WriteOnly));
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        choose("empty.wav");
        const std::optional<AlertSpec> alert = MessageBox::lastAlert();
        QVERIFY(alert && alert->message == "Could not add the sound.");
        QCOMPARE(alert->informativeText, QString("\"empty.wav\" is empty."));
        QCOMPARE(sounds->currentText(), QString("Vintage Alarm Clock"));
        QVERIFY(dlg.isVisible() && desc->text() == "Tea");

        // Taken in: chosen, and stored with the timer.
        MessageBox::clearLastAlert();
        choose("Kettle.wav");
        QVERIFY(!MessageBox::lastAlert());
        QCOMPARE(sounds->currentText(), QString("Kettle"));
        QCOMPARE(sounds->itemText(sounds->count() - 1), QString("Other sound…"));
        dlg.findChild<QPushButton*>("btnSave")->click();
        const QList<Timer> stored = testing::storedRecords(home->storePath());
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].sound, QString("Kettle"));
    }
};

QTEST_MAIN(TestSoundImport)
#include "tst_soundimport.moc"
