// The thread's message queue on the win32 back end: the real queue, with the player's
// message records converted to and from MSG.
#include "platform/native/Native.h"

#include "platform/native/win32/Windows.h"

namespace native {
namespace {

MSG toMsg(const Message& message) {
    MSG msg{};
    msg.hwnd = static_cast<HWND>(message.window);
    msg.message = message.message;
    msg.wParam = message.wParam;
    msg.lParam = message.lParam;
    msg.time = message.time;
    msg.pt = POINT{message.point.x, message.point.y};
    return msg;
}

Message fromMsg(const MSG& msg) {
    return Message{msg.hwnd,
                   msg.message,
                   msg.wParam,
                   msg.lParam,
                   static_cast<uint32_t>(msg.time),
                   Point{msg.pt.x, msg.pt.y}};
}

} // namespace

bool peekMessage(Message* message, WindowHandle window, uint32_t filterMin, uint32_t filterMax,
                 uint32_t flags) {
    MSG msg{};
    if (!PeekMessageA(&msg, static_cast<HWND>(window), filterMin, filterMax, flags)) return false;
    if (message) *message = fromMsg(msg);
    return true;
}

bool translateMessage(const Message* message) {
    if (!message) return false;
    const MSG msg = toMsg(*message);
    return TranslateMessage(&msg) != 0;
}

intptr_t dispatchMessage(const Message* message) {
    if (!message) return 0;
    const MSG msg = toMsg(*message);
    return DispatchMessageA(&msg);
}

bool postMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return PostMessageA(static_cast<HWND>(window), message, wParam, lParam) != 0;
}

void postQuitMessage(int32_t exitCode) {
    PostQuitMessage(exitCode);
}

} // namespace native
