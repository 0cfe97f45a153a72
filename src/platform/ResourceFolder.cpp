#include "platform/ResourceFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

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

QIcon namedImage(const QString& name) {
    static QHash<QString, QIcon> cache;
    auto it = cache.constFind(name);
    if (it != cache.constEnd()) return *it;
    // Each image comes rendered at a few sizes; the icon picks the nearest.
    QIcon icon;
    const QDir images(QStringLiteral(":/images"));
    // The size is in the file name (NAME-SIZE.png): told it, the icon reads a
    // file only when that size is first drawn, not all of them up front.
    for (const QString& file : images.entryList({name + QStringLiteral("-*.png")}, QDir::Files)) {
        const int size = QStringView(file).sliced(name.size() + 1).chopped(4).toInt();
        if (size > 0) icon.addFile(images.filePath(file), QSize(size, size));
    }
    cache.insert(name, icon);
    return icon;
}

}  // namespace dunok
