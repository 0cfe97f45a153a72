#include "desktop/SoundBackend.h"

#include "desktop/OwnModule.h"

namespace dunok {

sound::Backend* sound::openBackend(const QString& path, QString* error) {
    // Never closed: the backend and what it made live as long as the process.
    const OpenedModule module =
        openOwnModule(path, DUNOK_SOUND_BACKEND_FUNCTION, QStringLiteral("sound"), error);
    if (!module.function) return nullptr;
    sound::Backend* backend =
        reinterpret_cast<DunokSoundBackendFunction>(module.function)(sound::kInterfaceVersion);
    if (!backend && error)
        *error = ownModuleOfAnotherVersion(QStringLiteral("sound"), path);
    else if (error)
        error->clear();
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
        loaded.backend = openBackend(ownModulePath(QStringLiteral(DUNOK_SOUND_MODULE_FROM_BINDIR),
                                                   QStringLiteral(DUNOK_BUILD_SOUND_MODULE)),
                                     &loaded.error);
        return loaded;
    }();
    if (!module.backend && error) *error = module.error;
    return module.backend;
}

}  // namespace dunok
