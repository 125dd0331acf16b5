// SDL events become the message records of the native layer: window events, keys (with
// auto-repeat, Alt combinations as system keys), mouse buttons, movement and wheel.
#include "platform/native/sdl/SdlVideo.h"

namespace native {
namespace {

// The set-1 scan code of the left Shift key (the keyboard state knows the right one).
constexpr uint32_t kLeftShiftScanCode = 0x2A;
constexpr uint32_t kMaxMessagesPerEvent = detail::kMaxWindows;

enum MouseKeyFlags : uint32_t {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

bool extendedKey(SDL_Keycode key) {
    switch (key) {
    case SDLK_RCTRL:
    case SDLK_RALT:
    case SDLK_KP_ENTER:
    case SDLK_KP_DIVIDE:
    case SDLK_INSERT:
    case SDLK_DELETE:
    case SDLK_HOME:
    case SDLK_END:
    case SDLK_PAGEUP:
    case SDLK_PAGEDOWN:
    case SDLK_LEFT:
    case SDLK_RIGHT:
    case SDLK_UP:
    case SDLK_DOWN:
    case SDLK_LGUI:
    case SDLK_RGUI:
    case SDLK_APPLICATION:
        return true;
    default:
        return false;
    }
}

void seedLockToggles() {
    const SDL_Keymod mod = SDL_GetModState();
    detail::setKeyToggled(VK_CAPITAL, (mod & KMOD_CAPS) != 0);
    detail::setKeyToggled(VK_NUMLOCK, (mod & KMOD_NUM) != 0);
}

void postKey(const SDL_KeyboardEvent& event) {
    const WindowHandle window = sdl::handleForSdlId(event.windowID);
    const uint32_t virtualKey = sdl::virtualKeyFor(event.keysym);
    if (!window || virtualKey == 0) return;
    const bool down = event.type == SDL_KEYDOWN;
    const bool alt = (event.keysym.mod & KMOD_ALT) != 0 || (virtualKey == VK_MENU && down);
    const bool control = (event.keysym.mod & KMOD_CTRL) != 0;
    // Alt combinations and F10 are system keys; Ctrl+Alt (AltGr) is not.
    const bool system =
        (alt && !control) || virtualKey == VK_F10 || (virtualKey == VK_MENU && !control);
    uint32_t message = down ? WM_KEYDOWN : WM_KEYUP;
    if (system) message = down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    uint32_t scanCode = 0;
    if (event.keysym.sym == SDLK_LSHIFT) scanCode = kLeftShiftScanCode;
    if (event.keysym.sym == SDLK_RSHIFT) scanCode = detail::kRightShiftScanCode;
    uint32_t lParam = 1 | (scanCode << 16);
    if (extendedKey(event.keysym.sym)) lParam |= 1u << 24;
    if (alt) lParam |= 1u << 29;
    if (!down || event.repeat) lParam |= 1u << 30;
    if (!down) lParam |= 1u << 31;
    postMessage(window, message, virtualKey, static_cast<intptr_t>(static_cast<int32_t>(lParam)));
}

uintptr_t mouseKeyFlags(uint32_t buttons) {
    uintptr_t flags = 0;
    if (buttons & SDL_BUTTON_LMASK) flags |= MK_LBUTTON;
    if (buttons & SDL_BUTTON_RMASK) flags |= MK_RBUTTON;
    if (buttons & SDL_BUTTON_MMASK) flags |= MK_MBUTTON;
    const SDL_Keymod mod = SDL_GetModState();
    if (mod & KMOD_SHIFT) flags |= MK_SHIFT;
    if (mod & KMOD_CTRL) flags |= MK_CONTROL;
    return flags;
}

intptr_t clientPosition(int32_t x, int32_t y) {
    return makeLParam(static_cast<uint16_t>(x), static_cast<uint16_t>(y));
}

void postMouseButton(const SDL_MouseButtonEvent& event) {
    const WindowHandle window = sdl::handleForSdlId(event.windowID);
    if (!window) return;
    const bool down = event.type == SDL_MOUSEBUTTONDOWN;
    uint32_t message = 0;
    switch (event.button) {
    case SDL_BUTTON_LEFT:
        message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        break;
    case SDL_BUTTON_MIDDLE:
        message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        break;
    case SDL_BUTTON_RIGHT:
        message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        break;
    default:
        return;
    }
    sdl::trackCursor(SDL_GetWindowFromID(event.windowID), event.x, event.y);
    postMessage(window, message, mouseKeyFlags(SDL_GetMouseState(nullptr, nullptr)),
                clientPosition(event.x, event.y));
}

void postMouseMotion(const SDL_MouseMotionEvent& event) {
    const WindowHandle window = sdl::handleForSdlId(event.windowID);
    if (!window) return;
    sdl::trackCursor(SDL_GetWindowFromID(event.windowID), event.x, event.y);
    postMessage(window, WM_MOUSEMOVE, mouseKeyFlags(event.state), clientPosition(event.x, event.y));
}

void postMouseWheel(const SDL_MouseWheelEvent& event) {
    const WindowHandle window = sdl::handleForSdlId(event.windowID);
    if (!window || event.y == 0) return;
    int32_t notches = event.y;
    if (event.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
    const int16_t delta = static_cast<int16_t>(notches * WHEEL_DELTA);
    const uintptr_t wParam = mouseKeyFlags(SDL_GetMouseState(nullptr, nullptr)) |
                             (static_cast<uintptr_t>(static_cast<uint16_t>(delta)) << 16);
    Point cursor = {0, 0};
    getCursorPos(&cursor);
    postMessage(window, WM_MOUSEWHEEL, wParam, clientPosition(cursor.x, cursor.y));
}

void postWindowEvent(const SDL_WindowEvent& event) {
    const WindowHandle window = sdl::handleForSdlId(event.windowID);
    if (!window) return;
    switch (event.event) {
    case SDL_WINDOWEVENT_MOVED:
        postMessage(window, WM_MOVE, 0, clientPosition(event.data1, event.data2));
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
        const uint32_t flags = SDL_GetWindowFlags(SDL_GetWindowFromID(event.windowID));
        postMessage(window, WM_SIZE,
                    (flags & SDL_WINDOW_MAXIMIZED) ? SIZE_MAXIMIZED : SIZE_RESTORED,
                    clientPosition(event.data1, event.data2));
        break;
    }
    case SDL_WINDOWEVENT_MINIMIZED:
        postMessage(window, WM_SIZE, SIZE_MINIMIZED, 0);
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED: {
        int width = 0;
        int height = 0;
        SDL_GetWindowSize(SDL_GetWindowFromID(event.windowID), &width, &height);
        postMessage(window, WM_SIZE,
                    event.event == SDL_WINDOWEVENT_MAXIMIZED ? SIZE_MAXIMIZED : SIZE_RESTORED,
                    clientPosition(width, height));
        break;
    }
    case SDL_WINDOWEVENT_EXPOSED:
        postMessage(window, WM_PAINT, 0, 0);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        postMessage(window, WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        seedLockToggles();
        break;
    default:
        break;
    }
}

// A quit request from outside (a signal) closes every window, as a log-off would.
void closeEveryWindow() {
    for (uint32_t index = 0; index < detail::kMaxWindows; ++index) {
        if (detail::WindowRecord* record = detail::windowAt(index)) {
            postMessage(detail::handleOf(*record), WM_CLOSE, 0, 0);
        }
    }
}

} // namespace

namespace backend {

void pumpEvents() {
    if (!sdl::videoRunning()) return;
    static bool togglesSeeded = false;
    if (!togglesSeeded) {
        seedLockToggles();
        togglesSeeded = true;
    }
    SDL_PumpEvents();
    SDL_Event event;
    // Pull no more than fits; the rest waits in SDL's queue for the next peek.
    while (detail::queueSpace() >= kMaxMessagesPerEvent &&
           SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) {
        switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            postKey(event.key);
            break;
        case SDL_MOUSEMOTION:
            postMouseMotion(event.motion);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            postMouseButton(event.button);
            break;
        case SDL_MOUSEWHEEL:
            postMouseWheel(event.wheel);
            break;
        case SDL_WINDOWEVENT:
            postWindowEvent(event.window);
            break;
        case SDL_QUIT:
            closeEveryWindow();
            break;
        default:
            break;
        }
    }
}

} // namespace backend
} // namespace native
