// What a demo draws each frame, in order: effects, and surface items (render-target
// markers; no surface stands for the window's own frame buffer). A fixed table of 48.
#pragma once

#include <cstdint>

class Effect;
class Surface;

struct DrawOrderItem {
    enum Kind : uint32_t { kEffect = 0, kSurface = 1 };

    Kind kind;
    Effect* effect;   // kEffect
    Surface* surface; // kSurface; null for the main frame buffer
};

class DrawOrder {
public:
    static constexpr uint32_t kCapacity = 48;

    void clear() { count_ = 0; }
    // -1 with a log line when the table is full.
    int append(const DrawOrderItem& item);
    // Effect references dropped at teardown, before the effects are destroyed.
    void forgetEffects();

    uint32_t count() const { return count_; }
    const DrawOrderItem& operator[](uint32_t index) const { return items[index]; }

private:
    DrawOrderItem items[kCapacity] = {};
    uint32_t count_ = 0;
};
