#include "demo/DrawOrder.h"

#include "log/Log.h"

int DrawOrder::append(const DrawOrderItem& item) {
    if (count_ >= kCapacity) {
        Log::instance().print("Draw order full (%u items): item ignored", kCapacity);
        return -1;
    }
    items[count_++] = item;
    return 0;
}

void DrawOrder::forgetEffects() {
    for (DrawOrderItem& item : items) item.effect = nullptr;
}
