#include "desktop/ResourceFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace dunok {

QString resourceFolder() {
    static const QString found = [] {
        // Relative to the program, as installed, so that the whole tree can
        // live under any prefix; the build tree has the same layout.
        const QString installed =
            QDir::cleanPath(QCoreApplication::applicationDirPath() +
                            QStringLiteral("/" DUNOK_RESOURCE_DIR_FROM_BINDIR));
        if (QFileInfo(installed).isDir()) return installed;
        return QStringLiteral(DUNOK_BUILD_RESOURCE_DIR);
    }();
    return found;
}

QString resourcePath(const QString& folder, const QString& name, const QString& extension) {
    const QString path = folder + QLatin1Char('/') + name + QLatin1Char('.') + extension;
    return QFileInfo(path).isFile() ? path : QString();
}

}  // namespace dunok
