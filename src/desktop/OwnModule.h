// Dunok's own modules: code that only some sessions or some moments need, kept out of the program
// so that a start that does not need it does not load the libraries it links. Each is installed
// as lib/dunok/NAME.so and exports one entry function, found by name.
#pragma once

#include <QString>
#include <memory>

namespace dunok {

// Where a module is: relative to the running program, as installed, so that the whole tree can
// live under any prefix (the build tree has the same layout); else its file in the build tree,
// for the tests and benchmarks that run from elsewhere in it. When neither exists, the installed
// path, so that the reason for a failure names where an install should have it.
QString ownModulePath(const QString& fromProgramFolder, const QString& inBuildTree);

struct OpenedModule {
    void* handle = nullptr;    // for dlclose(); null when the module could not be used
    void* function = nullptr;  // its entry function
};

// Opens the module at path with every symbol bound now, so that a module that does not fit fails
// here and not when it is first used, and finds its entry function. On failure nothing stays open
// and *error reads "The KIND module PATH can't be loaded: " and the loader's reason.
OpenedModule openOwnModule(const QString& path, const char* function, const QString& kind,
                           QString* error);

// "The KIND module PATH belongs to another version of Dunok.": its entry function refused this
// program's interface version.
QString ownModuleOfAnotherVersion(const QString& kind, const QString& path);

// An opened module, for an owner that closes it when it goes.
struct CloseOwnModule {
    void operator()(void* handle) const;
};
using OwnModuleHandle = std::unique_ptr<void, CloseOwnModule>;

}  // namespace dunok
