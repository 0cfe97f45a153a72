#include "storage/Store.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "domain/StoreError.h"
#include "storage/TimerStore.h"

namespace dunok {

QString dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Dunok");
}

QString defaultStorePath() {
    return dataFolder() + QStringLiteral("/TimerModel.sqlite");
}

QString storeTroubleText(const StoreError& error, const QString& consequence) {
    QString cause;
    switch (storeCause(error)) {
        case StoreCause::DiskFull:
            cause = QCoreApplication::translate(
                "Store", "The disk that holds your timers is full. Make room on it and try again.");
            break;
        case StoreCause::InUse:
            cause = QCoreApplication::translate(
                "Store",
                "Another program is using the file that holds your timers. Close it and try "
                "again.");
            break;
        case StoreCause::NewerStore:
            cause = QCoreApplication::translate(
                "Store",
                "Your timers were saved by a newer version of Dunok. Use that version; this one "
                "leaves the file as it is.");
            break;
        case StoreCause::Other:
            return consequence;
    }
    return consequence.isEmpty() ? cause : cause + QLatin1Char(' ') + consequence;
}

QString storeRefusalText(const StoreError& error, const QString& consequence) {
    if (storeCause(error) == StoreCause::Other)
        return consequence + QLatin1Char(' ') + error.description;
    return storeTroubleText(error, consequence);
}

namespace {
struct StoreTexts {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

QString moveAside() {
    return StoreTexts::tr(
        "Move it somewhere else (keep it if your timers matter to you), then start Dunok "
        "again: it begins with a new timer file.");
}
}  // namespace

StoreOpenTrouble storeOpenTrouble(const StoreError& error) {
    const QString path = error.userInfo.value(QStringLiteral("path")).toString();
    const QString file = QDir::toNativeSeparators(path);
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    switch (storeCause(error)) {
        case StoreCause::NewerStore:
        case StoreCause::DiskFull:
        case StoreCause::InUse:
            return {StoreTexts::tr("Dunok cannot open the file that holds your timers, “%1”.")
                        .arg(file),
                    storeTroubleText(error, QString())};
        case StoreCause::Other:
            break;
    }
    const QFileInfo info(path);
    switch (error.problem) {
        case StoreError::Problem::FolderNotMade:
            return {
                StoreTexts::tr("Dunok cannot make the folder “%1” for your timers.").arg(folder),
                StoreTexts::tr(
                    "Make sure that no file of that name is in the way and that you may write "
                    "in the folder above it, then start Dunok again.")};
        case StoreError::Problem::FileNotMade:
        case StoreError::Problem::FolderNotWritable:
            return {
                StoreTexts::tr(
                    "Dunok may not write in the folder “%1”, where your timers are kept.")
                    .arg(folder),
                StoreTexts::tr("Give yourself permission to write in that folder, then start Dunok "
                               "again.")};
        case StoreError::Problem::CannotExamine:
            if (info.isSymLink())
                return {StoreTexts::tr(
                            "The file that holds your timers, “%1”, is a link to “%2”, which "
                            "does not exist.")
                            .arg(file, QDir::toNativeSeparators(info.symLinkTarget())),
                        StoreTexts::tr(
                            "Bring back the file it points to, or remove the link to start with "
                            "a new timer file; then start Dunok again.")};
            return {StoreTexts::tr("Dunok cannot reach the file that holds your timers, “%1”.")
                        .arg(file),
                    StoreTexts::tr(
                        "Give yourself permission to open the folders on its way, then start "
                        "Dunok again.")};
        case StoreError::Problem::NotAFile:
            return {info.isDir()
                        ? StoreTexts::tr("Where Dunok keeps your timers, “%1”, there is a folder "
                                         "instead of a file.")
                              .arg(file)
                        : StoreTexts::tr("Where Dunok keeps your timers, “%1”, there is something "
                                         "other than a file.")
                              .arg(file),
                    moveAside()};
        case StoreError::Problem::NoAccess:
            return {
                StoreTexts::tr(
                    "Dunok may not read and write the file that holds your timers, “%1”.")
                    .arg(file),
                StoreTexts::tr("Give yourself permission to read and write it, then start Dunok "
                               "again.")};
        case StoreError::Problem::NotADatabase:
            return {StoreTexts::tr("The file that holds your timers, “%1”, is not a timer file.")
                        .arg(file),
                    moveAside()};
        case StoreError::Problem::Damaged:
            return {StoreTexts::tr("The file that holds your timers, “%1”, is damaged.").arg(file),
                    moveAside()};
        case StoreError::Problem::ForeignData:
            return {StoreTexts::tr("The file “%1” holds another program's data, not your timers.")
                        .arg(file),
                    moveAside()};
        case StoreError::Problem::Other:
            break;
    }
    return {StoreTexts::tr("Dunok cannot open the file that holds your timers, “%1”.").arg(file),
            StoreTexts::tr("The details say what went wrong.")};
}

}  // namespace dunok
