#include "domain/StoreError.h"

#include <QDebug>
#include <QStringList>

namespace dunok {

QString StoreError::consoleText() const {
    QStringList pairs;
    // QVariantMap iterates in key order, which is the order the text promises.
    for (auto it = userInfo.cbegin(); it != userInfo.cend(); ++it)
        pairs << it.key() + QStringLiteral(" = ") + it.value().toString();
    return description + QStringLiteral(", {") + pairs.join(QStringLiteral("; ")) +
           QLatin1Char('}');
}

void logStoreError(const QString& prefix, const StoreError& error) {
    qWarning().noquote() << prefix + error.consoleText();
}

}  // namespace dunok
