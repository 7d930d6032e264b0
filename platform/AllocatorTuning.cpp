#include "AllocatorTuning.h"

// Any C library header tells whether the C library is glibc.
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void releaseLargeBuffersOnFree()
{
#ifdef __GLIBC__
    // Every recording opened allocates a new set of pictures of megabytes
    // each. glibc raises its mapping threshold past such blocks after the
    // first free and then keeps freed sets in its heaps, where they are
    // split and rarely given back: memory climbs with every file played.
    // A fixed threshold keeps them mapped, so a free returns them.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}

void growHeapInLargeSteps()
{
#ifdef __GLIBC__
    // Without this, each block of 128 KiB or more is a fresh mapping, and
    // the heap is trimmed after every large free only to grow again.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TOP_PAD, 64 * 1024 * 1024);
#endif
}
