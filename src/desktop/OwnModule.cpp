#include "desktop/OwnModule.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace dunok {

QString ownModulePath(const QString& fromProgramFolder, const QString& inBuildTree) {
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QLatin1Char('/') + fromProgramFolder);
    return QFileInfo(installed).isFile() || !QFileInfo(inBuildTree).isFile() ? installed
                                                                             : inBuildTree;
}

OpenedModule openOwnModule(const QString& path, const char* function, const QString& kind,
                           QString* error) {
    OpenedModule opened;
    opened.handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (opened.handle) opened.function = dlsym(opened.handle, function);
    if (!opened.function) {
        // Read before dlclose(), which may set a reason of its own.
        const QString why = QString::fromLocal8Bit(dlerror());
        if (opened.handle) dlclose(opened.handle);
        opened.handle = nullptr;
        if (error)
            *error = QStringLiteral("The %1 module %2 can't be loaded: %3.").arg(kind, path, why);
    }
    return opened;
}

QString ownModuleOfAnotherVersion(const QString& kind, const QString& path) {
    return QStringLiteral("The %1 module %2 belongs to another version of Dunok.").arg(kind, path);
}

void CloseOwnModule::operator()(void* handle) const {
    dlclose(handle);
}

}  // namespace dunok
