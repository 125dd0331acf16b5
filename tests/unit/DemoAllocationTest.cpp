// The frame step allocates nothing: a thousand frames of a full demo (48 effects in the
// draw order, 4096 events, cameras, a seek) with every operator new of the process
// counted.
#include "DemoFixture.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> counting{false};
std::atomic<uint64_t> allocations{0};

// Out of line, so the optimiser does not see free() meet a pointer from operator new and
// warn about a mismatch that is not there (both sides are malloc and free).
[[gnu::noinline]] void release(void* block) noexcept {
    std::free(block);
}
} // namespace

// Every plain and nothrow form is replaced, so each block is freed by the allocator that
// made it (the sanitizers check that).
void* operator new(size_t size) {
    if (counting) ++allocations;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void* operator new[](size_t size) {
    return operator new(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    if (counting) ++allocations;
    return std::malloc(size ? size : 1);
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* block) noexcept {
    release(block);
}
void operator delete[](void* block) noexcept {
    release(block);
}
void operator delete(void* block, size_t) noexcept {
    release(block);
}
void operator delete[](void* block, size_t) noexcept {
    release(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    release(block);
}

namespace {

class NullEffect : public Effect {
public:
    void draw() override { native::fake::advanceTickCount(1); }
};

class DemoAllocation : public DemoFixture {};

} // namespace

TEST_F(DemoAllocation, AThousandFramesAllocateNothing) {
    std::string script = R"(<demo vhs="1"><camera mode="create" name="c"/>
        <camera mode="keyframe" name="c"><key t="0" pos="0,0,0"/><key t="100" pos="1,1,1"/>
        </camera><draworder)";
    for (uint32_t i = 0; i < Demo::kMaxEffects; ++i)
        script += R"( effect="e)" + std::to_string(i) + '"';
    script += "/>";
    // Events far beyond the run, so the passes look at them without walking them.
    for (uint32_t i = 0; i < EventTable::kCapacity; ++i)
        script += R"(<event time=")" + std::to_string(1000 + i) + R"("/>)";
    script += "</demo>";
    for (uint32_t i = 0; i < Demo::kMaxEffects; ++i)
        demo->adoptEffect(new NullEffect, "null", ("e" + std::to_string(i)).c_str());
    walk(script);
    ASSERT_EQ(demo->drawOrder().count(), Demo::kMaxEffects);
    ASSERT_EQ(demo->events().count(), EventTable::kCapacity);

    counting = true;
    for (int i = 0; i < 1000; ++i) {
        if (i == 500) demo->mouseDown(0); // seek for the second half
        frame(0);
    }
    counting = false;
    EXPECT_EQ(allocations.load(), 0u);
    EXPECT_GT(demo->time(), 0.0f);
}
