// The start's warm-up: pages it makes present keep what they hold, and a
// warm-up nobody waited for still ends in order.
#include <sys/mman.h>
#include <unistd.h>

#include <QTest>
#include <cstring>
#include <vector>

#include "desktop/HeapRoom.h"
#include "desktop/StartUpWarmUp.h"

using namespace dunok;

namespace {
// How many of the pages of [begin, begin + bytes) are in memory.
int presentPages(void* begin, std::size_t bytes) {
    const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> state((bytes + page - 1) / page);
    if (::mincore(begin, bytes, state.data()) != 0) return -1;
    int present = 0;
    for (unsigned char s : state) present += s & 1;
    return present;
}
}  // namespace

class TestStartUpWarmUp : public QObject {
    Q_OBJECT
private slots:
    void pagesMadePresentKeepWhatTheyHold() {
        const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE));
        const int pages = 64;
        const std::size_t bytes = pages * page;
        void* mapped =
            ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        QVERIFY(mapped != MAP_FAILED);
        auto* memory = static_cast<unsigned char*>(mapped);
        // Every fourth page is in use already, as the heap's are below its top.
        for (int i = 0; i < pages; i += 4) std::memset(memory + i * page, 0x5a, page);
        QCOMPARE(presentPages(memory, bytes), pages / 4);

        QVERIFY(makePagesPresent(memory, bytes));
        QCOMPARE(presentPages(memory, bytes), pages);
        for (int i = 0; i < pages; ++i) {
            const unsigned char expected = i % 4 == 0 ? 0x5a : 0;
            QCOMPARE(memory[i * page], expected);
            QCOMPARE(memory[i * page + page - 1], expected);
        }
        QVERIFY(makePagesPresent(memory, 0));
        ::munmap(mapped, bytes);
        // Pages no longer mapped cannot be made present, and say so.
        QVERIFY(!makePagesPresent(memory, bytes));
    }

    void endsInOrderWithOrWithoutAWait() {
        // Never waited for: its destructor waits, or the thread would end
        // the program.
        { StartUpWarmUp unwaited; }
        StartUpWarmUp warmUp;
        warmUp.wait();
        warmUp.wait();
        warmUp.startIsOver();
        warmUp.startIsOver();
        // The heap serves as before once the start is over.
        std::vector<void*> blocks;
        for (int i = 0; i < 64; ++i) blocks.push_back(std::malloc(48 * 1024));
        for (void* block : blocks) {
            QVERIFY(block);
            std::memset(block, 1, 48 * 1024);
            std::free(block);
        }
    }
};

QTEST_GUILESS_MAIN(TestStartUpWarmUp)
#include "tst_startupwarmup.moc"
