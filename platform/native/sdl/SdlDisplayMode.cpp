// Display modes on the sdl back end. The desktop changes the mode of the whole screen;
// SDL changes it for a fullscreen window. So a granted mode is applied to the popup
// (borderless) windows, which is what a fullscreen demo creates, and restoring takes
// them out of fullscreen again.
#include "platform/native/sdl/SdlVideo.h"

#include <cstdio>

namespace native {
namespace sdl {
namespace {

SDL_DisplayMode chosenMode;
bool modeActive = false;

bool depthMatches(uint32_t requested, uint32_t offered) {
    // A 32-bit request is a 24-bit colour mode with padding.
    if (requested == 32 || requested == 24) return offered == 24 || offered == 32;
    return requested == offered;
}

bool findMode(const DisplayMode& mode, SDL_DisplayMode* found) {
    const int count = SDL_GetNumDisplayModes(0);
    for (int index = 0; index < count; ++index) {
        SDL_DisplayMode candidate;
        if (SDL_GetDisplayMode(0, index, &candidate) != 0) continue;
        if ((mode.fields & DM_PELSWIDTH) && candidate.w != static_cast<int>(mode.width)) continue;
        if ((mode.fields & DM_PELSHEIGHT) && candidate.h != static_cast<int>(mode.height)) {
            continue;
        }
        if ((mode.fields & DM_BITSPERPEL) &&
            !depthMatches(mode.bitsPerPixel, SDL_BITSPERPIXEL(candidate.format))) {
            continue;
        }
        *found = candidate;
        return true;
    }
    return false;
}

template <typename Action> bool forEachPopup(Action action) {
    bool allDone = true;
    for (uint32_t index = 0; index < detail::kMaxWindows; ++index) {
        detail::WindowRecord* record = detail::windowAt(index);
        if (!record || !(record->style & WS_POPUP)) continue;
        allDone = action(*static_cast<SdlWindow*>(record->backendWindow)) && allDone;
    }
    return allDone;
}

} // namespace

bool fullscreenModeActive() {
    return modeActive;
}

bool applyFullscreen(SdlWindow& window) {
    if (SDL_SetWindowDisplayMode(window.window, &chosenMode) != 0 ||
        SDL_SetWindowFullscreen(window.window, SDL_WINDOW_FULLSCREEN) != 0) {
        std::printf("SDL display mode: %s\n", SDL_GetError());
        return false;
    }
    return true;
}

} // namespace sdl

int32_t changeDisplaySettings(const DisplayMode* mode, uint32_t) {
    if (!sdl::ensureVideo()) return DISP_CHANGE_FAILED;
    if (!mode) {
        sdl::modeActive = false;
        sdl::forEachPopup(
            [](sdl::SdlWindow& window) { return SDL_SetWindowFullscreen(window.window, 0) == 0; });
        return DISP_CHANGE_SUCCESSFUL;
    }
    SDL_DisplayMode found;
    if (!sdl::findMode(*mode, &found)) return DISP_CHANGE_FAILED;
    sdl::chosenMode = found;
    sdl::modeActive = true;
    if (!sdl::forEachPopup(sdl::applyFullscreen)) {
        sdl::modeActive = false;
        return DISP_CHANGE_FAILED;
    }
    return DISP_CHANGE_SUCCESSFUL;
}

} // namespace native
