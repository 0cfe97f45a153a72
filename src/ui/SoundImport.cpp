#include "ui/SoundImport.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "desktop/Alarm.h"
#include "desktop/AudioPlayer.h"

namespace dunok {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("SoundImport", text);
}

// A plain name the list can offer: no separator, no leading dot, no NUL.
QString offeredName(const QFileInfo& file, const SoundLibrary& sounds) {
    QString name = file.completeBaseName();
    name.replace(QLatin1Char('\\'), QLatin1Char('-'));
    name.remove(QChar(0));
    while (name.startsWith(QLatin1Char('.'))) name.remove(0, 1);
    name = name.trimmed();
    if (name.isEmpty()) name = tr("My sound");
    const QStringList taken = sounds.names();
    QString unique = name;
    for (int n = 2; taken.contains(unique); ++n)
        unique = name + QLatin1Char(' ') + QString::number(n);
    return unique;
}

bool copyWhole(const QString& from, const QString& to, QString* error) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = source.errorString();
        return false;
    }
    // Written beside the target and renamed only once complete.
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly)) {
        *error = target.errorString();
        return false;
    }
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError) {
            *error = source.errorString();
            target.cancelWriting();
            return false;
        }
        if (target.write(chunk) != chunk.size()) {
            *error = target.errorString();
            target.cancelWriting();
            return false;
        }
    }
    if (!target.commit()) {
        *error = target.errorString();
        return false;
    }
    return true;
}
}  // namespace

SoundImport importSound(const QString& path, const SoundLibrary& sounds) {
    const QFileInfo file(path);
    const QString shown = file.fileName();
    if (!file.exists()) return {{}, tr("\"%1\" is not there any more.").arg(shown)};
    if (!file.isFile()) return {{}, tr("\"%1\" is not a file.").arg(shown)};
    if (file.size() == 0) return {{}, tr("\"%1\" is empty.").arg(shown)};
    if (file.size() > maxSoundFileBytes)
        return {{},
                tr("\"%1\" is too large for an alarm sound: %2 MB at most.")
                    .arg(shown)
                    .arg(maxSoundFileBytes / (1024 * 1024))};
    QString why;
    if (!AudioPlayer::create(path, &why)) {
        qWarning().noquote() << "Couldn't load sound file" << why;
        return {{}, tr("\"%1\" is not a sound that Dunok can play.").arg(shown)};
    }
    const QString folder = userSoundsFolder();
    if (!QDir().mkpath(folder))
        return {{}, tr("The folder %1 could not be made.").arg(QDir::toNativeSeparators(folder))};
    const QString name = offeredName(file, sounds);
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    QString error;
    if (!copyWhole(path, folder + QLatin1Char('/') + name + suffix, &error))
        return {{},
                tr("\"%1\" could not be copied into %2: %3")
                    .arg(shown, QDir::toNativeSeparators(folder), error)};
    return {name, {}};
}

QString chooseSoundFile(QWidget* parent) {
    return QFileDialog::getOpenFileName(
        parent, tr("Other Sound"), QDir::homePath(),
        tr("Sounds (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;All files (*)"));
}

}  // namespace dunok
