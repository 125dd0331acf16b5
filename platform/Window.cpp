#include "platform/Window.h"

#include <cstdio>

namespace {

uint32_t styleFor(uint32_t flags) {
    uint32_t style = (flags & WF_POPUP)
                         ? (native::WS_POPUP | native::WS_SYSMENU | native::WS_THICKFRAME)
                         : native::WS_OVERLAPPEDWINDOW;
    if (flags & WF_NO_SYSMENU) style &= ~native::WS_SYSMENU;
    if (flags & WF_NO_MINIMIZE) style &= ~native::WS_MINIMIZEBOX;
    if (flags & WF_NO_MAXIMIZE) style &= ~native::WS_MAXIMIZEBOX;
    if (flags & WF_NO_BORDER) style &= ~native::WS_BORDER;
    if (flags & WF_NO_RESIZE) style &= ~native::WS_THICKFRAME;
    return style;
}

uint32_t extendedStyleFor(uint32_t flags) {
    uint32_t style = 0;
    if (flags & WF_TOPMOST) style |= native::WS_EX_TOPMOST;
    if (flags & WF_TOOLWINDOW) style |= native::WS_EX_TOOLWINDOW;
    return style;
}

Window* windowObject(native::WindowHandle handle) {
    return static_cast<Window*>(native::getWindowUserData(handle));
}

// Only a live, active object receives the operations.
Window* forwardTarget(native::WindowHandle handle) {
    Window* window = windowObject(handle);
    return window && window->isActive() ? window : nullptr;
}

void reportCursor(Window* window) {
    native::Point cursor = {0, 0};
    native::getCursorPos(&cursor);
    window->mouseMove(cursor.x, cursor.y);
}

} // namespace

Window::Window()
    : x_(0), y_(0), width_(0), height_(0), handle_(nullptr), quitOnDestroy_(true), closed_(true),
      active(false), className{} {}

Window::~Window() {
    detach();
    x_ = 0;
    y_ = 0;
    width_ = 0;
    height_ = 0;
    handle_ = nullptr;
}

bool Window::frame() {
    return false;
}

void Window::resize(int32_t newWidth, int32_t newHeight) {
    width_ = newWidth;
    height_ = newHeight;
}

void Window::paint() {}
void Window::key(uint32_t, uint32_t) {}
void Window::mouseMove(int32_t, int32_t) {}
void Window::mouseUp(uint32_t) {}
void Window::mouseDown(uint32_t) {}
void Window::mouseWheel(int32_t) {}

void Window::close() {
    destroy();
}

int Window::create(const char* title, int32_t newX, int32_t newY, int32_t newWidth,
                   int32_t newHeight, uint32_t flags) {
    // Compared by scripts and tests: keep the text exactly.
    std::snprintf(className, sizeof(className), "lumbra_%s_%i_%i", title ? title : "",
                  kClassNameMajor, kClassNameMinor);
    native::WindowClass windowClass = {};
    windowClass.style = native::CS_HREDRAW | native::CS_VREDRAW | native::CS_OWNDC;
    windowClass.procedure = &Window::windowProcedure;
    windowClass.classExtraBytes = 0;
    windowClass.windowExtraBytes = 4;
    windowClass.instance = native::getModuleHandle();
    windowClass.backgroundColour = native::kBackgroundSystemColour;
    windowClass.className = className;
    if (native::registerClass(&windowClass) == 0) {
        native::messageBox(nullptr, "RegisterClassEx() Failed.", kErrorCaption,
                           native::MB_OK | native::MB_ICONEXCLAMATION);
        className[0] = '\0';
        return -1;
    }

    if (flags & WF_NO_QUIT) quitOnDestroy_ = false;
    if (flags & WF_FULLSCREEN) flags |= WF_POPUP | WF_NO_RESIZE;
    const uint32_t style = styleFor(flags);
    const uint32_t extendedStyle = extendedStyleFor(flags);

    x_ = newX;
    y_ = newY;
    width_ = newWidth;
    height_ = newHeight;

    native::Rect outer = {0, 0, width_ - 1, height_ - 1};
    native::adjustWindowRect(&outer, style, false);
    const int32_t outerWidth = outer.right - outer.left + 1;
    const int32_t outerHeight = outer.bottom - outer.top + 1;

    int32_t left = x_;
    int32_t top = y_;
    if (flags & WF_FULLSCREEN) {
        left = 0;
        top = 0;
    } else if (!(flags & WF_POSITION)) {
        // Centred by the client size, so the frame puts the window slightly right and
        // below the exact centre.
        native::Rect desktop = {0, 0, 0, 0};
        native::getDesktopRect(&desktop);
        left = (desktop.right - width_) / 2;
        top = (desktop.bottom - height_) / 2;
    }

    handle_ = native::createWindow(extendedStyle, className, title, style, left, top, outerWidth,
                                   outerHeight, native::getModuleHandle());
    if (!handle_) {
        native::messageBox(nullptr, "Window Creation Error.", kErrorCaption,
                           native::MB_OK | native::MB_ICONEXCLAMATION);
        // Released at once, so the same title can be tried again.
        releaseClass();
        return -1;
    }

    if (!(flags & WF_HIDDEN)) bringToFront();
    native::setWindowUserData(handle_, this);
    if (flags & WF_TOPMOST) applyPosition(true);
    if (!(flags & WF_HIDDEN)) native::showWindow(handle_, native::SW_SHOW);
    closed_ = false;
    active = true;

    native::Point origin = {0, 0};
    native::clientToScreen(handle_, &origin);
    x_ = origin.x;
    y_ = origin.y;
    return 0;
}

void Window::destroy() {
    if (handle_) {
        native::setWindowUserData(handle_, nullptr);
        if (!native::destroyWindow(handle_)) {
            native::messageBox(nullptr, "DestroyWindow() Failed.", kShutdownCaption,
                               native::MB_OK | native::MB_ICONINFORMATION);
        }
        releaseClass();
        handle_ = nullptr;
        active = false;
        closed_ = true;
        if (quitOnDestroy_) native::postQuitMessage(0);
    }
    closed_ = true;
}

void Window::bringToFront() {
    native::setForegroundWindow(handle_);
    native::setFocus(handle_);
    native::updateWindow(handle_);
}

void Window::applyPosition(bool topmost) {
    native::setWindowPos(handle_, topmost ? native::InsertAfter::Topmost : native::InsertAfter::Top,
                         x_, y_, width_, height_, native::SWP_FRAMECHANGED);
}

void Window::releaseClass() {
    if (className[0] == '\0') return;
    native::unregisterClass(className, native::getModuleHandle());
    className[0] = '\0';
}

void Window::detach() {
    if (!handle_) return;
    native::setWindowUserData(handle_, nullptr);
    native::destroyWindow(handle_);
    releaseClass();
    handle_ = nullptr;
    active = false;
    closed_ = true;
}

intptr_t Window::windowProcedure(native::WindowHandle window, uint32_t message, uintptr_t wParam,
                                 intptr_t lParam) {
    using namespace native;
    switch (message) {
    case WM_MOVE:
        if (Window* target = forwardTarget(window)) {
            target->setPosition(static_cast<int16_t>(loWord(static_cast<uintptr_t>(lParam))),
                                static_cast<int16_t>(hiWord(static_cast<uintptr_t>(lParam))));
        }
        break;
    case WM_SIZE:
        if (Window* target = forwardTarget(window)) {
            target->resize(loWord(static_cast<uintptr_t>(lParam)),
                           hiWord(static_cast<uintptr_t>(lParam)));
        }
        return 0;
    case WM_PAINT:
        if (Window* target = forwardTarget(window)) target->paint();
        break;
    case WM_CLOSE:
        if (Window* target = forwardTarget(window)) target->close();
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (Window* target = forwardTarget(window)) target->key(loWord(wParam), 1);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (Window* target = forwardTarget(window)) target->key(loWord(wParam), 0);
        break;
    case WM_SYSCOMMAND:
        if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER) return 0;
        break;
    case WM_MOUSEMOVE:
        if (Window* target = forwardTarget(window)) reportCursor(target);
        break;
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (Window* target = forwardTarget(window)) {
            reportCursor(target);
            // The object may have been closed by the move.
            if ((target = forwardTarget(window))) {
                target->mouseDown(message == WM_LBUTTONDOWN   ? 0
                                  : message == WM_MBUTTONDOWN ? 1
                                                              : 2);
            }
        }
        break;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP:
        if (Window* target = forwardTarget(window)) {
            reportCursor(target);
            if ((target = forwardTarget(window))) {
                target->mouseUp(message == WM_LBUTTONUP ? 0 : message == WM_MBUTTONUP ? 1 : 2);
            }
        }
        break;
    case WM_MOUSEWHEEL:
        if (Window* target = forwardTarget(window)) {
            target->mouseWheel(static_cast<int16_t>(hiWord(wParam)));
        }
        break;
    default:
        break;
    }
    return defWindowProc(window, message, wParam, lParam);
}
