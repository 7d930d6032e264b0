#include "AllocatorTuning.h"
#include "TestEnvironment.h"

#include <cstdlib>
#include <malloc.h>

class TestAllocatorTuning : public QObject
{
    Q_OBJECT
private slots:
    void freedPicturesStayMapped();
    void largeBlocksStayInTheHeap();
};

// A picture-sized block freed and allocated again must come from its own
// mapping, not from the heap where a free would keep it; glibc's default
// moves the second one into the heap.
void TestAllocatorTuning::freedPicturesStayMapped()
{
    releaseLargeBuffersOnFree();
    const size_t picture = 3 * 1024 * 1024;
    void *first = std::malloc(picture);
    QVERIFY(first);
    std::free(first);
    const int mappedBefore = mallinfo2().hblks;
    void *second = std::malloc(picture);
    QVERIFY(second);
    const int mappedWith = mallinfo2().hblks;
    std::free(second);
    QCOMPARE(mappedWith, mappedBefore + 1);
    QCOMPARE(mallinfo2().hblks, mappedBefore);
}

// A record-sized block comes from the heap, and freeing it leaves the heap
// large enough for the next one, which reuses pages already faulted in.
void TestAllocatorTuning::largeBlocksStayInTheHeap()
{
    growHeapInLargeSteps();
    const size_t record = 8 * 1024 * 1024;
    const int mappedBefore = mallinfo2().hblks;
    void *block = std::malloc(record);
    QVERIFY(block);
    QCOMPARE(mallinfo2().hblks, mappedBefore);
    QVERIFY(mallinfo2().arena >= record);
    std::free(block);
    QVERIFY(mallinfo2().arena >= record);
}

ZEMKO_TEST_GUILESS_MAIN(TestAllocatorTuning)
#include "tst_allocatortuning.moc"
