#include "model/Store.h"

#include <QDebug>
#include <QStandardPaths>

#include "platform/ObjectStore.h"

namespace dunok {

namespace {
ManagedObjectContext* sharedContext = nullptr;
}

QString defaultStorePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Dunok/TimerModel.sqlite");
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

}  // namespace dunok
