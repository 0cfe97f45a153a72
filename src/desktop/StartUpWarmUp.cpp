#include "desktop/StartUpWarmUp.h"

#include <fontconfig/fontconfig.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <system_error>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace dunok {

namespace {

// What the heap keeps free at its top while the start runs: what a start
// fills of it before the first picture with the ready-made list, and some.
constexpr std::size_t startRoom = 2 * 1024 * 1024;

struct PageSpan {
    char* begin = nullptr;
    std::size_t bytes = 0;
};

#ifdef __GLIBC__
// glibc's own room, which the start overrides until it is over.
constexpr int usualRoom = 128 * 1024;

char* heapEnd() {
    return static_cast<char*>(::sbrk(0));
}

// Grows the heap by startRoom now, so that the start's allocations are
// served from pages made present beforehand, and keeps that much room at
// its top until the start is over: without it, the first free() next to
// the top would hand the room back. Returns the pages it added, none where
// another allocator than glibc's serves malloc() (a sanitizer's, say).
PageSpan growHeap() {
    char* const before = heapEnd();
    if (before == reinterpret_cast<char*>(-1)) return {};
    ::mallopt(M_TOP_PAD, int(startRoom));
    // Blocks too small for glibc to map on their own come from the top of
    // the heap; once it has none left, the heap grows, by startRoom more
    // than asked. The top holds a few hundred KB at most at this point.
    constexpr std::size_t block = 96 * 1024;
    std::array<void*, 8> taken{};
    for (void*& p : taken) {
        if (heapEnd() != before) break;
        p = std::malloc(block);
    }
    for (auto it = taken.rbegin(); it != taken.rend(); ++it) std::free(*it);
    char* const after = heapEnd();
    if (after <= before) return {};
    const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    const auto first = (reinterpret_cast<std::uintptr_t>(before) + page - 1) & ~(page - 1);
    const auto last = reinterpret_cast<std::uintptr_t>(after);
    if (last <= first) return {};
    return {reinterpret_cast<char*>(first), std::size_t(last - first)};
}
#endif

}  // namespace

bool makePagesPresent(void* begin, std::size_t bytes) {
    if (bytes == 0) return true;
#ifdef MADV_POPULATE_WRITE
    return ::madvise(begin, bytes, MADV_POPULATE_WRITE) == 0;
#else
    return false;
#endif
}

StartUpWarmUp::StartUpWarmUp() {
    PageSpan heap;
#ifdef __GLIBC__
    heap = growHeap();
    heapGrown_ = true;
#endif
    try {
        thread_ = std::thread([heap] {
            // The heap first: the main thread starts filling it at once.
            makePagesPresent(heap.begin, heap.bytes);
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
    startIsOver();
}

void StartUpWarmUp::wait() {
    if (thread_.joinable()) thread_.join();
}

void StartUpWarmUp::startIsOver() {
#ifdef __GLIBC__
    if (heapGrown_) ::mallopt(M_TOP_PAD, usualRoom);
#endif
    heapGrown_ = false;
}

}  // namespace dunok
