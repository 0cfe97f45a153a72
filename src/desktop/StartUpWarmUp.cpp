#include "desktop/StartUpWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace dunok {

namespace {
// What a start fills of the heap before its first picture with the
// ready-made list (1.5 MB), and some.
constexpr std::size_t startRoom = 2 * 1024 * 1024;
}  // namespace

StartUpWarmUp::StartUpWarmUp() : heap_(startRoom) {
    try {
        thread_ = std::thread([begin = heap_.begin(), bytes = heap_.bytes()] {
            // The heap first: the main thread starts filling it at once.
            makePagesPresent(begin, bytes);
            // Loads the configuration into fontconfig's current one, which
            // is where Qt's font database looks for it; Qt's own call then
            // finds it there and does nothing.
            FcInit();
        });
    } catch (const std::system_error&) {
        // No thread to spare: Qt loads the configuration when it needs it,
        // and each page of the heap is made present as it is first used.
    }
}

StartUpWarmUp::~StartUpWarmUp() {
    wait();
}

void StartUpWarmUp::wait() {
    if (thread_.joinable()) thread_.join();
}

void StartUpWarmUp::startIsOver() {
    heap_.release();
}

}  // namespace dunok
