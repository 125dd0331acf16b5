#include "image/ZeroedMemory.h"

#include <cstdint>
#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

void* allocateZeroed(size_t bytes) {
    void* block = std::calloc(1, bytes ? bytes : 1);
#ifdef __linux__
    constexpr uintptr_t kHugePage = uintptr_t(2) << 20;
    const uintptr_t start = (uintptr_t(block) + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t end = (uintptr_t(block) + bytes) & ~(kHugePage - 1);
    // Only advice: where huge pages are off the block simply keeps small ones.
    if (block && end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#endif
    return block;
}
