// Deterministic, display-free native back end for unit tests.
#include "platform/native/fake/FakeNative.h"

namespace native {
namespace {
struct FakeState {
    uint32_t ticks = 0;
    SystemTime systemTime = {2000, 1, 6, 1, 0, 0, 0, 0};
    std::vector<fake::RecordedMessageBox> messageBoxes;
};
FakeState& state() {
    static FakeState instance;
    return instance;
}
} // namespace

uint32_t getTickCount() {
    return state().ticks;
}
void getSystemTime(SystemTime* time) {
    *time = state().systemTime;
}

int messageBox(void*, const char* text, const char* caption, uint32_t flags) {
    state().messageBoxes.push_back({text ? text : "", caption ? caption : "", flags});
    return IDOK;
}

namespace fake {
void setTickCount(uint32_t ticks) {
    state().ticks = ticks;
}
void advanceTickCount(uint32_t milliseconds) {
    state().ticks += milliseconds;
}
void setSystemTime(const SystemTime& time) {
    state().systemTime = time;
}
const std::vector<RecordedMessageBox>& messageBoxes() {
    return state().messageBoxes;
}
void reset() {
    state() = FakeState{};
}
} // namespace fake
} // namespace native
