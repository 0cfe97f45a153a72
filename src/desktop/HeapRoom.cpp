#include "desktop/HeapRoom.h"

#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace dunok {

#ifdef __GLIBC__
namespace {
// glibc's own room, which a HeapRoom overrides until it is released.
constexpr int usualRoom = 128 * 1024;

char* heapEnd() {
    return static_cast<char*>(::sbrk(0));
}
}  // namespace

HeapRoom::HeapRoom(std::size_t bytes) {
    char* const before = heapEnd();
    if (before == reinterpret_cast<char*>(-1)) return;
    ::mallopt(M_TOP_PAD, int(bytes));
    kept_ = true;
    // Blocks too small for glibc to map on their own come from the top of
    // the heap; once it has none left, the heap grows, by the room more than
    // asked. Early in a program the top holds a few hundred KB at most.
    constexpr std::size_t block = 96 * 1024;
    std::array<void*, 8> taken{};
    for (void*& p : taken) {
        if (heapEnd() != before) break;
        p = std::malloc(block);
    }
    for (auto it = taken.rbegin(); it != taken.rend(); ++it) std::free(*it);
    const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    const auto first = (reinterpret_cast<std::uintptr_t>(before) + page - 1) & ~(page - 1);
    const auto last = reinterpret_cast<std::uintptr_t>(heapEnd());
    if (last <= first) return;
    begin_ = reinterpret_cast<void*>(first);
    bytes_ = std::size_t(last - first);
}

void HeapRoom::release() {
    if (kept_) ::mallopt(M_TOP_PAD, usualRoom);
    kept_ = false;
}
#else
HeapRoom::HeapRoom(std::size_t) {}

void HeapRoom::release() {}
#endif

HeapRoom::~HeapRoom() {
    release();
}

bool makePagesPresent(void* begin, std::size_t bytes) {
    if (bytes == 0) return true;
#ifdef MADV_POPULATE_WRITE
    return ::madvise(begin, bytes, MADV_POPULATE_WRITE) == 0;
#else
    return false;
#endif
}

}  // namespace dunok
