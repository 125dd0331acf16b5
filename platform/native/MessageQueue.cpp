// The message queue of the player's only thread, common to every back end. Window-system
// input is pulled in by the back end on each peek; posted messages keep their order, and
// the quit message comes once nothing else is pending.
#include "platform/native/Backend.h"

#include <cstring>

namespace native {
namespace {

struct Queue {
    Message messages[detail::kQueueSize];
    uint32_t count = 0;
    bool quitPending = false;
    int32_t exitCode = 0;
};

Queue& queue() {
    static Queue instance;
    return instance;
}

bool matches(const Message& message, WindowHandle window, uint32_t filterMin, uint32_t filterMax) {
    if (window && message.window != window) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return message.message >= filterMin && message.message <= filterMax;
}

void removeAt(uint32_t index) {
    Queue& q = queue();
    std::memmove(&q.messages[index], &q.messages[index + 1],
                 (q.count - index - 1) * sizeof(Message));
    --q.count;
}

} // namespace

namespace detail {

uint32_t queueSpace() {
    return kQueueSize - queue().count;
}

void resetMessageQueue() {
    queue() = Queue{};
}

} // namespace detail

bool postMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    Queue& q = queue();
    if (window && !isWindow(window)) return false;
    if (q.count == detail::kQueueSize) return false;
    Message& entry = q.messages[q.count++];
    entry.window = window;
    entry.message = message;
    entry.wParam = wParam;
    entry.lParam = lParam;
    entry.time = getTickCount();
    getCursorPos(&entry.point);
    return true;
}

void postQuitMessage(int32_t exitCode) {
    queue().quitPending = true;
    queue().exitCode = exitCode;
}

bool peekMessage(Message* message, WindowHandle window, uint32_t filterMin, uint32_t filterMax,
                 uint32_t flags) {
    backend::pumpEvents();
    Queue& q = queue();
    for (uint32_t index = 0; index < q.count; ++index) {
        if (!matches(q.messages[index], window, filterMin, filterMax)) continue;
        *message = q.messages[index];
        if (flags & PM_REMOVE) {
            removeAt(index);
            detail::updateKeyboardState(*message);
        }
        return true;
    }
    const bool quitWanted =
        (filterMin == 0 && filterMax == 0) || (WM_QUIT >= filterMin && WM_QUIT <= filterMax);
    if (q.quitPending && quitWanted) {
        *message = Message{};
        message->message = WM_QUIT;
        message->wParam = static_cast<uintptr_t>(q.exitCode);
        message->time = getTickCount();
        if (flags & PM_REMOVE) q.quitPending = false;
        return true;
    }
    return false;
}

bool translateMessage(const Message* message) {
    if (!message) return false;
    const bool system = message->message == WM_SYSKEYDOWN;
    if (message->message != WM_KEYDOWN && !system) return false;
    uint8_t state[256];
    getKeyboardState(state);
    uint16_t character = 0;
    const uint32_t scanCode = (static_cast<uintptr_t>(message->lParam) >> 16) & 0xFF;
    if (toAscii(static_cast<uint32_t>(message->wParam), scanCode, state, &character, 0) != 1) {
        return false;
    }
    postMessage(message->window, system ? WM_SYSCHAR : WM_CHAR, character, message->lParam);
    return true;
}

} // namespace native
