// Reads the system's font configuration on a thread of its own while the
// program connects to the display and opens its store.
#pragma once

#include <thread>

namespace dunok {

// Before Qt can match the first font, fontconfig parses its configuration
// files and maps its caches: the largest single piece of a start (a third
// of what a bare Qt window executes before its first picture), and all of it
// plain C that needs nothing of Qt. Made before the application object, it
// has that done by the time the first widget asks for a font. Whoever builds
// the first widget calls wait() first: Qt asked while the thread still loads
// would load a second configuration of its own.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    // Waits, if nobody has.
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Returns once the configuration is loaded (or failed to load: Qt then
    // meets and reports the same trouble). At once on later calls.
    void wait();

private:
    std::thread thread_;
};

}  // namespace dunok
