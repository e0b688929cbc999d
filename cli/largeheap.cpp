#include "largeheap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace {

// Room for the largest projects (64 MiB of file and its records) without growing again.
constexpr int HeapStep = 256 << 20;
// Blocks up to this size come from the heap, not from a mapping of their own.
constexpr int LargestHeapBlock = 32 << 20;

} // namespace

void UseLargeHeapPages()
{
    if (mallopt(M_MMAP_THRESHOLD, LargestHeapBlock) == 0 || mallopt(M_TOP_PAD, HeapStep) == 0 ||
        mallopt(M_TRIM_THRESHOLD, 2 * HeapStep) == 0)
        return;
    // A block larger than the free top grows the heap by the whole step; the advice covers it all.
    void *probe = std::malloc(LargestHeapBlock / 2);
    if (!probe)
        return;
    const std::uintptr_t page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const std::uintptr_t from = std::uintptr_t(probe) & ~(page - 1);
    const std::uintptr_t to = std::uintptr_t(sbrk(0));
    if (to > from)
        madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
    std::free(probe);
}
