#include "engine/Alarm.h"

#include <QDebug>
#include <QDir>

#include "model/Globals.h"
#include "platform/AudioPlayer.h"
#include "platform/ResourceFolder.h"

namespace dunok {

namespace {
const QString soundsFolder = QStringLiteral("Sounds");
const QString soundExtension = QStringLiteral("caf");
}  // namespace

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
    if (path.isEmpty())
        error = QStringLiteral("there is no sound named \"%1\"").arg(soundName);
    else
        player = AudioPlayer::create(path, &error);
    if (!player) {
        qWarning().noquote() << "Couldn't load sound file" << error;
        return false;
    }
    audioPlayer = std::shared_ptr<AudioPlayer>(player.release());
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
