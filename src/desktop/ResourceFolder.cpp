#include "desktop/ResourceFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace dunok {

namespace {
QString& overrideFolder() {
    static QString folder;
    return folder;
}
}  // namespace

QString resourceFolder() {
    if (!overrideFolder().isEmpty()) return overrideFolder();
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

void setResourceFolderForTesting(const QString& folder) {
    overrideFolder() = folder;
}

QString resourcePath(const QString& name, const QString& extension, const QString& subdir) {
    QString path = resourceFolder();
    if (!subdir.isEmpty()) path += QLatin1Char('/') + subdir;
    path += QLatin1Char('/') + name + QLatin1Char('.') + extension;
    return QFileInfo(path).isFile() ? path : QString();
}

}  // namespace dunok
