// Window classes and windows on the win32 back end: the real user32 calls. The player's
// window procedure has the desktop's own shape, so one real procedure forwards every
// message to the procedure its class was registered with.
#include "platform/native/Native.h"

#include "platform/native/win32/Windows.h"

namespace native {
namespace {

constexpr uint32_t kMaxClasses = 16;

struct ClassProcedure {
    ATOM atom;
    WindowProc procedure;
};

ClassProcedure classProcedures[kMaxClasses];

WindowProc procedureOf(HWND window) {
    const ATOM atom = static_cast<ATOM>(GetClassWord(window, GCW_ATOM));
    for (const ClassProcedure& entry : classProcedures) {
        if (entry.atom != 0 && entry.atom == atom) return entry.procedure;
    }
    return nullptr;
}

LRESULT CALLBACK forwardingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowProc procedure = procedureOf(window);
    if (!procedure) return DefWindowProcA(window, message, wParam, lParam);
    return procedure(window, message, wParam, lParam);
}

HWND hwnd(WindowHandle window) {
    return static_cast<HWND>(window);
}

} // namespace

uint16_t registerClass(const WindowClass* windowClass) {
    if (!windowClass || !windowClass->procedure) return 0;
    ClassProcedure* slot = nullptr;
    for (ClassProcedure& entry : classProcedures) {
        if (entry.atom == 0) {
            slot = &entry;
            break;
        }
    }
    if (!slot) return 0;
    WNDCLASSEXA description{};
    description.cbSize = sizeof(description);
    description.style = windowClass->style;
    description.lpfnWndProc = forwardingProcedure;
    description.cbClsExtra = windowClass->classExtraBytes;
    description.cbWndExtra = windowClass->windowExtraBytes;
    description.hInstance = static_cast<HINSTANCE>(windowClass->instance);
    description.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    description.hbrBackground = GetSysColorBrush(static_cast<int>(windowClass->backgroundColour));
    description.lpszClassName = windowClass->className;
    const ATOM atom = RegisterClassExA(&description);
    if (atom != 0) *slot = ClassProcedure{atom, windowClass->procedure};
    return atom;
}

bool unregisterClass(const char* className, void* instance) {
    WNDCLASSEXA description{};
    description.cbSize = sizeof(description);
    const ATOM registered = static_cast<ATOM>(
        GetClassInfoExA(static_cast<HINSTANCE>(instance), className, &description));
    if (!UnregisterClassA(className, static_cast<HINSTANCE>(instance))) return false;
    for (ClassProcedure& entry : classProcedures) {
        if (entry.atom == registered) entry = ClassProcedure{};
    }
    return true;
}

void* getModuleHandle() {
    return GetModuleHandleA(nullptr);
}

WindowHandle createWindow(uint32_t extendedStyle, const char* className, const char* title,
                          uint32_t style, int32_t x, int32_t y, int32_t outerWidth,
                          int32_t outerHeight, void* instance) {
    return CreateWindowExA(extendedStyle, className, title, style, x, y, outerWidth, outerHeight,
                           nullptr, nullptr, static_cast<HINSTANCE>(instance), nullptr);
}

bool destroyWindow(WindowHandle window) {
    return DestroyWindow(hwnd(window)) != 0;
}

bool isWindow(WindowHandle window) {
    return window && IsWindow(hwnd(window));
}

intptr_t defWindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return DefWindowProcA(hwnd(window), message, wParam, lParam);
}

intptr_t sendMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return SendMessageA(hwnd(window), message, wParam, lParam);
}

void setWindowUserData(WindowHandle window, void* data) {
    SetWindowLongPtrA(hwnd(window), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
}

void* getWindowUserData(WindowHandle window) {
    return reinterpret_cast<void*>(GetWindowLongPtrA(hwnd(window), GWLP_USERDATA));
}

bool showWindow(WindowHandle window, int32_t command) {
    return ShowWindow(hwnd(window), command) != 0;
}

bool setWindowText(WindowHandle window, const char* text) {
    return SetWindowTextA(hwnd(window), text) != 0;
}

bool setForegroundWindow(WindowHandle window) {
    return SetForegroundWindow(hwnd(window)) != 0;
}

WindowHandle setFocus(WindowHandle window) {
    return SetFocus(hwnd(window));
}

bool updateWindow(WindowHandle window) {
    return UpdateWindow(hwnd(window)) != 0;
}

bool setWindowPos(WindowHandle window, InsertAfter insertAfter, int32_t x, int32_t y,
                  int32_t outerWidth, int32_t outerHeight, uint32_t flags) {
    HWND after = HWND_TOP;
    if (insertAfter == InsertAfter::Topmost) after = HWND_TOPMOST;
    if (insertAfter == InsertAfter::NoTopmost) after = HWND_NOTOPMOST;
    return SetWindowPos(hwnd(window), after, x, y, outerWidth, outerHeight, flags) != 0;
}

bool adjustWindowRect(Rect* rect, uint32_t style, bool hasMenu) {
    if (!rect) return false;
    RECT adjusted{rect->left, rect->top, rect->right, rect->bottom};
    if (!AdjustWindowRect(&adjusted, style, hasMenu)) return false;
    *rect = Rect{adjusted.left, adjusted.top, adjusted.right, adjusted.bottom};
    return true;
}

void getDesktopRect(Rect* rect) {
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    *rect = Rect{desktop.left, desktop.top, desktop.right, desktop.bottom};
}

bool clientToScreen(WindowHandle window, Point* point) {
    if (!point) return false;
    POINT converted{point->x, point->y};
    if (!ClientToScreen(hwnd(window), &converted)) return false;
    *point = Point{converted.x, converted.y};
    return true;
}

} // namespace native
