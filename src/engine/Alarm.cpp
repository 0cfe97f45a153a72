#include "engine/Alarm.h"

#include <QDebug>
#include <QDir>

#include "model/Globals.h"
#include "platform/AudioPlayer.h"
#include "platform/ResourceFolder.h"

namespace dunok {

namespace {
SharedPlayer* currentOwner = nullptr;

const QString soundsFolder = QStringLiteral("Sounds");
const QString soundExtension = QStringLiteral("caf");
}  // namespace

SharedPlayer::SharedPlayer() : previous_(currentOwner) {
    currentOwner = this;
}

SharedPlayer::~SharedPlayer() {
    // Only the newest can end while older ones live; anything else is a bug in
    // whoever made them.
    Q_ASSERT(currentOwner == this);
    release();
    currentOwner = previous_;
}

SharedPlayer* SharedPlayer::current() {
    return currentOwner;
}

void SharedPlayer::replace(std::unique_ptr<AudioPlayer> player) {
    // The global is cleared before the old player goes, so nothing reached
    // from its destructor finds a player half destroyed.
    audioPlayer = nullptr;
    if (player_) player_->stop();
    player_ = std::move(player);
    audioPlayer = player_.get();
}

void SharedPlayer::release() {
    replace(nullptr);
}

QString soundFilePath(const QString& soundName) {
    if (soundName.isEmpty()) return QString();
    return resourcePath(soundName, soundExtension, soundsFolder);
}

QStringList soundNames() {
    const QString folder = resourceFolder();
    if (folder.isEmpty()) return {};
    QStringList names;
    const QDir dir(folder + QLatin1Char('/') + soundsFolder);
    const QStringList files =
        dir.entryList({QStringLiteral("*.") + soundExtension}, QDir::Files, QDir::Name);
    for (const QString& file : files) names.append(file.chopped(soundExtension.size() + 1));
    return names;
}

bool playSound(const QString& soundName) {
    QString error;
    const QString path = soundFilePath(soundName);
    std::unique_ptr<AudioPlayer> player;
    SharedPlayer* owner = SharedPlayer::current();
    if (!owner)
        error = QStringLiteral("no sound can play while Dunok is quitting");
    else if (path.isEmpty())
        error = QStringLiteral("there is no sound named \"%1\"").arg(soundName);
    else
        player = AudioPlayer::create(path, &error);
    if (!player) {
        qWarning().noquote() << "Couldn't load sound file" << error;
        return false;
    }
    owner->replace(std::move(player));
    audioPlayer->setVolume(prefsVolume);
    audioPlayer->play();
    return true;
}

void stopPlaying() {
    if (audioPlayer && audioPlayer->isPlaying()) audioPlayer->stop();
}

bool isAlarmPlaying() {
    return audioPlayer && audioPlayer->isPlaying();
}

}  // namespace dunok
