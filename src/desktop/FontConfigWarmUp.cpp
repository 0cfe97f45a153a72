#include "desktop/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace dunok {

// FcInit() loads the configuration into fontconfig's current one, which is
// where Qt's font database looks for it, and does nothing once it is there.
FontConfigWarmUp::FontConfigWarmUp() {
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt loads the configuration when it needs it.
    }
}

FontConfigWarmUp::~FontConfigWarmUp() {
    wait();
}

void FontConfigWarmUp::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace dunok
