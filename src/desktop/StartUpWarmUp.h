// Work that a start needs done before its first picture and that needs
// nothing of Qt, done on a thread of its own while the program connects to
// the display and opens its store: the machine's second processor is
// otherwise idle then.
#pragma once

#include <thread>

#include "desktop/HeapRoom.h"

namespace dunok {

// Two pieces of work, in this order:
// - The heap's next pages are made present (HeapRoom). A start fills about
//   1.5 MB of heap before its first picture, and the first touch of each
//   page is a page fault; on a virtual machine that costs some 10 µs, a
//   whole twentieth of the start. Made present here, they cost the main
//   thread nothing.
// - The system's font configuration is read. Before Qt can match the first
//   font, fontconfig parses its configuration files and maps its caches: a
//   third of what a bare Qt window executes before its first picture, and
//   all of it plain C.
// Made first thing in main(), before the application object and before
// any other thread. Whoever builds the first widget calls wait() first: Qt
// asked while the thread still loads would load a second configuration of
// its own.
class StartUpWarmUp {
public:
    StartUpWarmUp();
    // Waits, if nobody has; the heap goes back to its usual growth.
    ~StartUpWarmUp();
    StartUpWarmUp(const StartUpWarmUp&) = delete;
    StartUpWarmUp& operator=(const StartUpWarmUp&) = delete;

    // Returns once the font configuration is loaded (or failed to load: Qt
    // then meets and reports the same trouble). At once on later calls.
    void wait();
    // The first picture is up: from now on the heap grows by what is asked
    // of it, and hands back what it no longer needs, as in any program.
    void startIsOver();

private:
    HeapRoom heap_;  // made before the thread, which fills it
    std::thread thread_;
};

}  // namespace dunok
