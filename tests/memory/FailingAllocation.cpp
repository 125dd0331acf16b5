#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {
long remaining = -1; // below 0: never fail

void* allocate(std::size_t size) noexcept {
    if (remaining == 0) return nullptr;
    if (remaining > 0) --remaining;
    return std::malloc(size ? size : 1);
}

void* allocateOrThrow(std::size_t size) {
    if (void* memory = allocate(size)) return memory;
    throw std::bad_alloc();
}
} // namespace

void failAllocationsAfter(long allocations) {
    remaining = allocations;
}

void allowAllocations() {
    remaining = -1;
}

// Every form that pairs with the plain deletes below, so memory always returns to the
// allocator it came from.
void* operator new(std::size_t size) {
    return allocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return allocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
