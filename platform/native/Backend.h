// What the common part of the native layer (classes, window table, message queue, keyboard
// state) shares with a back end: the window records, and the operations every back end
// provides for them. Not for code above platform/native/.
#pragma once

#include "platform/native/Native.h"

#include <cstdint>

namespace native::detail {

constexpr uint32_t kMaxWindows = 16;
constexpr uint32_t kMaxClasses = 16;
constexpr uint32_t kQueueSize = 512;
constexpr uint32_t kClassNameSize = 260;
constexpr uint32_t kTitleSize = 256;
// Set-1 scan code of the right Shift key; every other Shift is the left one.
constexpr uint32_t kRightShiftScanCode = 0x36;

struct WindowRecord {
    uintptr_t id; // the handle value; 0 while the record is free
    uint32_t classIndex;
    uint32_t style;
    uint32_t extendedStyle;
    void* userData;
    char title[kTitleSize];
    void* backendWindow; // the back end's own window object
};

WindowRecord* findWindow(WindowHandle window);
// Live windows in creation-slot order, for back ends that map their own window ids.
WindowRecord* windowAt(uint32_t index);
inline WindowHandle handleOf(const WindowRecord& record) {
    return reinterpret_cast<WindowHandle>(record.id);
}
// Free places left in the message queue, so a back end pulls no more input than fits.
uint32_t queueSpace();
// Key messages change the keyboard state as they are taken from the queue; back ends seed
// the lock toggles from the machine's state.
void updateKeyboardState(const Message& message);
void setKeyToggled(uint32_t virtualKey, bool toggled);
void clearKeyboardState();
// Back to the start-up state (for the fake back end's reset): no classes, windows or
// messages.
void resetWindowTable();
void resetMessageQueue();

} // namespace native::detail

namespace native::backend {

// Creates the back end's window for a new record (style and title are filled in); false
// on failure. x, y, outerWidth, outerHeight are the outer rectangle.
bool createWindow(detail::WindowRecord& record, int32_t x, int32_t y, int32_t outerWidth,
                  int32_t outerHeight);
// false when the window could not be destroyed; the record then stays.
bool destroyWindow(detail::WindowRecord& record);
// Posts pending window-system input as messages (through native::postMessage).
void pumpEvents();

} // namespace native::backend
