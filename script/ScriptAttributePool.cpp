// Allocation of ScriptAttribute records from zero-filled slabs. A released record is kept
// for reuse and only its used bytes are cleared when it is handed out again (the lines the
// caller is about to fill anyway), so every record handed out is all zero without a 2 KB
// clear each time.
#include <vornex/ScriptNode.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>
#ifdef _WIN32
#include <malloc.h>
#else
#include <sys/mman.h>
#endif

namespace {
// One slab fills one 2 MB huge page: the records are 2 KB apart, so with small pages
// nearly every record would cost a TLB miss.
constexpr size_t kSlabBytes = 2u << 20;
constexpr size_t kRecordsPerSlab = kSlabBytes / sizeof(ScriptAttribute);

char* allocateSlab() {
#ifdef _WIN32
    return static_cast<char*>(_aligned_malloc(kSlabBytes, kSlabBytes));
#else
    char* slab = static_cast<char*>(std::aligned_alloc(kSlabBytes, kSlabBytes));
    if (slab) madvise(slab, kSlabBytes, MADV_HUGEPAGE);
    return slab;
#endif
}

struct Pool {
    // Released records are listed here rather than linked through themselves, so taking
    // one does not wait for its memory.
    std::vector<char*> released;
    char* slab = nullptr; // the slab being carved
    size_t carved = kRecordsPerSlab;
};

// Never destroyed: documents may be released during static destruction, and the slabs
// stay reachable for leak checkers through this pointer.
Pool& pool() {
    static Pool* instance = new Pool;
    return *instance;
}

// Records are 2 KB apart, too far for the hardware to guess: fetch the name and value
// lines of a record that is about to be filled.
void prefetchForWrite(const char* record) {
    __builtin_prefetch(record, 1);
    __builtin_prefetch(record + offsetof(ScriptAttribute, value), 1);
}
} // namespace

void* ScriptAttribute::operator new(size_t) {
    Pool& p = pool();
    if (!p.released.empty()) {
        ScriptAttribute* record = reinterpret_cast<ScriptAttribute*>(p.released.back());
        p.released.pop_back();
        if (p.released.size() > 4) prefetchForWrite(p.released[p.released.size() - 4]);
        std::memset(record->name, 0, strnlen(record->name, kNameSize));
        std::memset(record->value, 0, strnlen(record->value, kValueSize));
        return record;
    }
    if (p.carved == kRecordsPerSlab) {
        // Slabs are kept for the life of the process and reused through `released`.
        p.slab = allocateSlab();
        if (!p.slab) throw std::bad_alloc();
        std::memset(p.slab, 0, kSlabBytes);
        p.carved = 0;
    }
    char* record = p.slab + sizeof(ScriptAttribute) * p.carved++;
    if (p.carved + 4 < kRecordsPerSlab) prefetchForWrite(record + 4 * sizeof(ScriptAttribute));
    return record;
}

void ScriptAttribute::operator delete(void* pointer) {
    if (!pointer) return;
    // A record that cannot be listed stays unused in its slab: delete must not throw.
    try {
        pool().released.push_back(static_cast<char*>(pointer));
    } catch (const std::bad_alloc&) {
    }
}
