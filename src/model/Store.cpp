#include "model/Store.h"

#include <QCoreApplication>
#include <QDebug>
#include <QStandardPaths>

#include "platform/ObjectStore.h"

namespace dunok {

namespace {
ManagedObjectContext* sharedContext = nullptr;
}

QString dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Dunok");
}

QString defaultStorePath() {
    return dataFolder() + QStringLiteral("/TimerModel.sqlite");
}

ManagedObjectContext& viewContext() {
    if (!sharedContext) qFatal("The store was used before it was opened");
    return *sharedContext;
}

void setViewContext(ManagedObjectContext* context) {
    sharedContext = context;
}

bool hasViewContext() {
    return sharedContext != nullptr;
}

void logStoreError(const QString& prefix, const StoreError& error) {
    qWarning().noquote() << prefix + error.consoleText();
}

QString storeTroubleText(const StoreError& error, const QString& consequence) {
    QString cause;
    switch (error.cause()) {
        case StoreError::Cause::DiskFull:
            cause = QCoreApplication::translate(
                "Store", "The disk that holds your timers is full. Make room on it and try again.");
            break;
        case StoreError::Cause::InUse:
            cause = QCoreApplication::translate(
                "Store",
                "Another program is using the file that holds your timers. Close it and try "
                "again.");
            break;
        case StoreError::Cause::NewerStore:
            cause = QCoreApplication::translate(
                "Store",
                "Your timers were saved by a newer version of Dunok. Use that version; this one "
                "leaves the file as it is.");
            break;
        case StoreError::Cause::Other:
            return consequence;
    }
    return consequence.isEmpty() ? cause : cause + QLatin1Char(' ') + consequence;
}

}  // namespace dunok
