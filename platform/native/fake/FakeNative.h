// Controls of the fake native back end, for unit tests: a settable clock and recorded
// message boxes. Link vornex_native_fake to use them.
#pragma once

#include "platform/native/Native.h"

#include <string>
#include <vector>

namespace native::fake {

struct RecordedMessageBox {
    std::string text;
    std::string caption;
    uint32_t flags;
};

void setTickCount(uint32_t ticks);
void advanceTickCount(uint32_t milliseconds);
void setSystemTime(const SystemTime& time);
const std::vector<RecordedMessageBox>& messageBoxes();
// Back to the state after start-up: clock at 0, system time 2000-01-01 00:00:00.000,
// no recorded message boxes.
void reset();

} // namespace native::fake
