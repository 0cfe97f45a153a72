#include "desktop/SoundBackend.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace dunok {

namespace {

QString soundModulePath() {
    // Relative to the program, as installed, so that the whole tree can live under any prefix; the
    // build tree has the same layout. Tests run from elsewhere in the build tree, and find the
    // module there by its full path. When neither exists, the reason names where an install
    // should have it.
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/" DUNOK_SOUND_MODULE_FROM_BINDIR));
    const QString built = QStringLiteral(DUNOK_BUILD_SOUND_MODULE);
    return QFileInfo(installed).isFile() || !QFileInfo(built).isFile() ? installed : built;
}

}  // namespace

sound::Backend* sound::openBackend(const QString& path, QString* error) {
    // Never closed: the backend and what it made live as long as the process. Every symbol is
    // bound now, so that a module that does not fit fails here and not during an alarm.
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    const auto makeBackend = handle ? reinterpret_cast<DunokSoundBackendFunction>(
                                          dlsym(handle, DUNOK_SOUND_BACKEND_FUNCTION))
                                    : nullptr;
    QString why;
    sound::Backend* backend = nullptr;
    if (!makeBackend)
        why = QStringLiteral("The sound module %1 can't be loaded: %2.")
                  .arg(path, QString::fromLocal8Bit(dlerror()));
    else if (!(backend = makeBackend(sound::kInterfaceVersion)))
        why = QStringLiteral("The sound module %1 belongs to another version of Dunok.").arg(path);
    if (error) *error = why;
    return backend;
}

sound::Backend* sound::loadBackend(QString* error) {
    // The one record of the module the program keeps. A loaded module is the process's, not any
    // object's: it is never unloaded, as the sound system's threads may still run its code while
    // the program winds down. So it is looked for once, and a module that failed to load fails
    // the same way the next time.
    struct Loaded {
        sound::Backend* backend = nullptr;
        QString error;
    };
    static const Loaded module = [] {
        Loaded loaded;
        loaded.backend = openBackend(soundModulePath(), &loaded.error);
        return loaded;
    }();
    if (!module.backend && error) *error = module.error;
    return module.backend;
}

}  // namespace dunok
