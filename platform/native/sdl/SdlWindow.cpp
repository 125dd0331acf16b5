// Windows on the sdl back end. SDL sizes and positions are those of the client area, so
// the frame adjustment is the identity and outer size equals client size; the window
// manager adds its decorations outside.
#include "platform/native/sdl/SdlVideo.h"

#include <cstdio>
#include <cstdlib>

namespace native {
namespace sdl {
namespace {

SdlWindow windows[detail::kMaxWindows];
bool videoStarted = false;

constexpr FramebufferRequest kDefaultFramebuffer = {8, 8, 8, 24, 8, true};

void stopVideo() {
    if (videoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    videoStarted = false;
}

uint32_t liveWindowCount() {
    uint32_t count = 0;
    for (uint32_t index = 0; index < detail::kMaxWindows; ++index) {
        if (detail::windowAt(index)) ++count;
    }
    return count;
}

} // namespace

bool ensureVideo() {
    if (videoStarted) return true;
    // Closing the last window is a WM_CLOSE like any other; the quit comes from the player.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::printf("SDL video: %s\n", SDL_GetError());
        return false;
    }
    videoStarted = true;
    std::atexit(stopVideo);
    // Characters come from the key translation, not from the input method.
    SDL_StopTextInput();
    return true;
}

bool videoRunning() {
    return videoStarted;
}

SdlWindow* sdlWindow(WindowHandle window) {
    detail::WindowRecord* record = detail::findWindow(window);
    return record ? static_cast<SdlWindow*>(record->backendWindow) : nullptr;
}

WindowHandle handleForSdlId(uint32_t sdlId) {
    for (uint32_t index = 0; index < detail::kMaxWindows; ++index) {
        detail::WindowRecord* record = detail::windowAt(index);
        if (record && static_cast<SdlWindow*>(record->backendWindow)->sdlId == sdlId) {
            return detail::handleOf(*record);
        }
    }
    return nullptr;
}

void applyFramebufferAttributes(const FramebufferRequest& request) {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, request.redBits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, request.greenBits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, request.blueBits);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, request.depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, request.stencilBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, request.doubleBuffer ? 1 : 0);
    // The fixed-function pipeline must be there.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

bool makeSdlWindow(detail::WindowRecord& record, SdlWindow& window, int32_t x, int32_t y,
                   int32_t width, int32_t height) {
    applyFramebufferAttributes(window.framebuffer);
    uint32_t flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    if ((record.style & WS_CAPTION) != WS_CAPTION) flags |= SDL_WINDOW_BORDERLESS;
    if (record.style & WS_THICKFRAME) flags |= SDL_WINDOW_RESIZABLE;
    if (record.extendedStyle & WS_EX_TOPMOST) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    if (record.extendedStyle & WS_EX_TOOLWINDOW) flags |= SDL_WINDOW_SKIP_TASKBAR;
    SDL_Window* created =
        SDL_CreateWindow(record.title, x, y, width > 0 ? width : 1, height > 0 ? height : 1, flags);
    if (!created) {
        std::printf("SDL window: %s\n", SDL_GetError());
        return false;
    }
    // The previous window goes first, so two fullscreen windows never share the screen.
    const bool shown = window.window && !(SDL_GetWindowFlags(window.window) & SDL_WINDOW_HIDDEN);
    if (window.window) SDL_DestroyWindow(window.window);
    window.window = created;
    window.sdlId = SDL_GetWindowID(created);
    // A popup made while a display mode is granted is the fullscreen window, also when it
    // is made again for another pixel format.
    if ((record.style & WS_POPUP) && fullscreenModeActive()) applyFullscreen(window);
    if (shown) SDL_ShowWindow(created);
    return true;
}

} // namespace sdl

namespace backend {

bool createWindow(detail::WindowRecord& record, int32_t x, int32_t y, int32_t outerWidth,
                  int32_t outerHeight) {
    if (!sdl::ensureVideo()) return false;
    for (sdl::SdlWindow& window : sdl::windows) {
        if (window.window) continue;
        window = sdl::SdlWindow{};
        window.framebuffer = sdl::kDefaultFramebuffer;
        if (!sdl::makeSdlWindow(record, window, x, y, outerWidth, outerHeight)) return false;
        record.backendWindow = &window;
        // The screen saver stays off while a window exists.
        SDL_DisableScreenSaver();
        return true;
    }
    return false;
}

bool destroyWindow(detail::WindowRecord& record) {
    sdl::SdlWindow& window = *static_cast<sdl::SdlWindow*>(record.backendWindow);
    SDL_DestroyWindow(window.window);
    window = sdl::SdlWindow{};
    // The record itself is freed after this call, so this window is still counted.
    if (sdl::liveWindowCount() <= 1) SDL_EnableScreenSaver();
    return true;
}

} // namespace backend

bool showWindow(WindowHandle window, int32_t command) {
    sdl::SdlWindow* target = sdl::sdlWindow(window);
    if (!target) return false;
    const bool wasVisible = !(SDL_GetWindowFlags(target->window) & SDL_WINDOW_HIDDEN);
    if (command == SW_HIDE) {
        SDL_HideWindow(target->window);
    } else {
        SDL_ShowWindow(target->window);
        if (target->focusWanted) {
            SDL_RaiseWindow(target->window);
            SDL_SetWindowInputFocus(target->window);
            target->focusWanted = false;
        }
    }
    return wasVisible;
}

bool setWindowText(WindowHandle window, const char* text) {
    sdl::SdlWindow* target = sdl::sdlWindow(window);
    if (!target || !text) return false;
    SDL_SetWindowTitle(target->window, text);
    return true;
}

bool setForegroundWindow(WindowHandle window) {
    sdl::SdlWindow* target = sdl::sdlWindow(window);
    if (!target) return false;
    SDL_RaiseWindow(target->window);
    if (SDL_GetWindowFlags(target->window) & SDL_WINDOW_HIDDEN) target->focusWanted = true;
    return true;
}

WindowHandle setFocus(WindowHandle window) {
    sdl::SdlWindow* target = sdl::sdlWindow(window);
    if (!target) return nullptr;
    // Only a shown window can take the input focus; a hidden one gets it when shown.
    if (SDL_GetWindowFlags(target->window) & SDL_WINDOW_HIDDEN) {
        target->focusWanted = true;
    } else {
        SDL_SetWindowInputFocus(target->window);
    }
    return window;
}

bool updateWindow(WindowHandle window) {
    return sdl::sdlWindow(window) != nullptr;
}

bool setWindowPos(WindowHandle window, InsertAfter insertAfter, int32_t x, int32_t y,
                  int32_t outerWidth, int32_t outerHeight, uint32_t flags) {
    sdl::SdlWindow* target = sdl::sdlWindow(window);
    if (!target) return false;
    if (!(flags & SWP_NOMOVE)) SDL_SetWindowPosition(target->window, x, y);
    if (!(flags & SWP_NOSIZE) && outerWidth > 0 && outerHeight > 0) {
        SDL_SetWindowSize(target->window, outerWidth, outerHeight);
    }
    if (insertAfter == InsertAfter::Topmost) SDL_SetWindowAlwaysOnTop(target->window, SDL_TRUE);
    if (insertAfter == InsertAfter::NoTopmost) SDL_SetWindowAlwaysOnTop(target->window, SDL_FALSE);
    if (insertAfter == InsertAfter::Top) SDL_RaiseWindow(target->window);
    return true;
}

bool adjustWindowRect(Rect* rect, uint32_t, bool) {
    return rect != nullptr;
}

void getDesktopRect(Rect* rect) {
    *rect = {0, 0, 0, 0};
    SDL_DisplayMode mode;
    if (sdl::ensureVideo() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        rect->right = mode.w;
        rect->bottom = mode.h;
    }
}

bool clientToScreen(WindowHandle window, Point* point) {
    sdl::SdlWindow* target = sdl::sdlWindow(window);
    if (!target || !point) return false;
    int left = 0;
    int top = 0;
    SDL_GetWindowPosition(target->window, &left, &top);
    point->x += left;
    point->y += top;
    return true;
}

} // namespace native
