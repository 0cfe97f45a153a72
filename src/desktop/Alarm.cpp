#include "desktop/Alarm.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <utility>

#include "desktop/AudioPlayer.h"
#include "desktop/ResourceFolder.h"
#include "domain/Constants.h"
#include "domain/Settings.h"
#include "storage/Store.h"

namespace dunok {

namespace {
const QString soundsFolder = QStringLiteral("Sounds");
const QString soundExtension = QStringLiteral("caf");
}  // namespace

SharedPlayer::SharedPlayer(SoundLibrary sounds) : sounds_(std::move(sounds)) {}

SharedPlayer::~SharedPlayer() {
    release();
}

void SharedPlayer::replace(std::unique_ptr<AudioPlayer> player) {
    // Taken out before the old player goes, so nothing reached from its
    // destructor finds a player half destroyed.
    std::unique_ptr<AudioPlayer> old = std::exchange(player_, nullptr);
    if (old) old->stop();
    old.reset();
    player_ = std::move(player);
    if (player_)
        QObject::connect(player_.get(), &AudioPlayer::noOutput, [this] {
            if (std::exchange(toldNoOutput_, true)) return;
            qWarning("No audio output could be opened: sounds will not be heard.");
        });
}

void SharedPlayer::release() {
    replace(nullptr);
}

void SharedPlayer::close() {
    release();
    prepared_.reset();
    closed_ = true;
}

QString userSoundsFolder() {
    return dataFolder() + QStringLiteral("/Sounds");
}

namespace {
QString userSoundPath(const QString& soundName) {
    const QDir dir(userSoundsFolder());
    // The name's own dots are part of it: "Bell 1.5" is the file "Bell 1.5.wav".
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Readable, QDir::Name))
        if (file.completeBaseName() == soundName) return file.filePath();
    return QString();
}
}  // namespace

QString SoundLibrary::shippedFolder() const {
    return folder_ + QLatin1Char('/') + soundsFolder;
}

QString SoundLibrary::filePath(const QString& soundName) const {
    if (!isSoundName(soundName)) return QString();
    const QString builtIn =
        shippedFolder() + QLatin1Char('/') + soundName + QLatin1Char('.') + soundExtension;
    return QFileInfo(builtIn).isFile() ? builtIn : userSoundPath(soundName);
}

QStringList SoundLibrary::names() const {
    QStringList names;
    if (!folder_.isEmpty()) {
        const QDir dir(shippedFolder());
        const QStringList files =
            dir.entryList({QStringLiteral("*.") + soundExtension}, QDir::Files, QDir::Name);
        for (const QString& file : files) names.append(file.chopped(soundExtension.size() + 1));
    }
    QStringList own;
    for (const QFileInfo& file :
         QDir(userSoundsFolder()).entryInfoList(QDir::Files | QDir::Readable, QDir::Name)) {
        const QString name = file.completeBaseName();
        if (isSoundName(name) && !names.contains(name) && !own.contains(name)) own.append(name);
    }
    return names + own;
}

SharedPlayer::Choice SharedPlayer::choose(const QString& soundName, const Settings& settings,
                                          MissingSound missing) const {
    const QString defSound = settings.defSound.value_or(Constants::defSound);
    const QString fallback = isSoundName(defSound) ? defSound : Constants::defSound;
    Choice choice{soundName, QString(), QString()};
    // The store may name no sound, or a path (an old version, another
    // program, a damaged file). The editor offers the default sound for such a
    // timer, so that is what rings; the name itself is never opened.
    if (!isSoundName(soundName)) {
        choice.name = fallback;
        QString shown = soundName.left(100);
        shown.replace(QChar(0), QLatin1String("\\0"));
        choice.instead = soundName.isEmpty() ? QStringLiteral(
                                                   "Playing the default sound \"%1\": the "
                                                   "timer names no sound")
                                                   .arg(fallback)
                                             : QStringLiteral(
                                                   "Playing the default sound \"%1\" instead "
                                                   "of \"%2\", which is not a sound name")
                                                   .arg(fallback, shown);
    }
    choice.path = sounds_.filePath(choice.name);
    if (choice.path.isEmpty() && missing == MissingSound::PlaysDefault && choice.name != fallback) {
        choice.instead = QStringLiteral(
                             "Playing the default sound \"%1\" instead of \"%2\", whose "
                             "file is missing")
                             .arg(fallback, choice.name);
        choice.name = fallback;
        choice.path = sounds_.filePath(fallback);
    }
    return choice;
}

bool SharedPlayer::play(const QString& soundName, const Settings& settings, MissingSound missing,
                        Fade fade) {
    const Choice choice = choose(soundName, settings, missing);
    if (!choice.instead.isEmpty()) qWarning().noquote() << choice.instead;
    QString error;
    std::unique_ptr<AudioPlayer> player;
    if (closed_)
        error = QStringLiteral("no sound can play while Dunok is quitting");
    else if (choice.path.isEmpty())
        error = QStringLiteral("there is no sound named \"%1\"").arg(choice.name);
    else if (prepared_ && preparedPath_ == choice.path)
        player = std::move(prepared_);
    else
        player = AudioPlayer::create(choice.path, &error);
    if (!player) {
        qWarning().noquote() << "Couldn't load sound file" << error;
        return false;
    }
    replace(std::move(player));
    player_->setVolume(settings.volume);
    if (fade == Fade::In) player_->setFadeIn(0, alarmFadeInSeconds);
    player_->play();
    return true;
}

void SharedPlayer::prepare(const QString& soundName, const Settings& settings) {
    if (closed_) return;
    // The sound the alarm will play, also where that is the default sound
    // standing in for a missing one; what it says of that waits for the alarm.
    const QString path = choose(soundName, settings, MissingSound::PlaysDefault).path;
    if (path.isEmpty() || (prepared_ && preparedPath_ == path)) return;
    // A sound that cannot be loaded says so when it is due, as before.
    prepared_ = AudioPlayer::create(path, nullptr);
    preparedPath_ = path;
    if (prepared_) prepared_->warmUp();
}

void SharedPlayer::stop() {
    if (player_ && player_->isPlaying()) player_->stop();
}

bool SharedPlayer::isPlaying() const {
    return player_ && player_->isPlaying();
}

}  // namespace dunok
