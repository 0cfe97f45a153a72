// Room at the top of the heap, made before the allocations that will use it,
// so that its pages can be made present ahead of them (glibc's allocator).
#pragma once

#include <cstddef>

namespace dunok {

// Grows the heap by a given size at once, and keeps at least that much free
// at its top until release(): without it, the first free() next to the top
// would hand the room back. Made before any other thread exists. Where
// malloc() is not glibc's (a sanitizer's, say) the heap does not grow and
// pages() is empty.
class HeapRoom {
public:
    explicit HeapRoom(std::size_t bytes);
    // Releases the room, if nobody has.
    ~HeapRoom();
    HeapRoom(const HeapRoom&) = delete;
    HeapRoom& operator=(const HeapRoom&) = delete;

    // The whole pages the heap grew by, free for the allocations to come.
    void* begin() const { return begin_; }
    std::size_t bytes() const { return bytes_; }
    // From now on the heap grows by what is asked of it, and hands back what
    // it no longer needs, as in any program. At once on later calls.
    void release();

private:
    void* begin_ = nullptr;
    std::size_t bytes_ = 0;
    bool kept_ = false;
};

// Makes the pages of [begin, begin + bytes) present and writable without
// changing what they hold, as a write to each would but in one call. False
// where the system cannot (before Linux 5.14, or a range not mapped).
bool makePagesPresent(void* begin, std::size_t bytes);

}  // namespace dunok
