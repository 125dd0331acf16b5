// Message boxes on the sdl back end. The text always goes to standard error as well, and
// no box is shown without a display (or under CI), so a run never waits on a modal box.
#include "platform/native/Native.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>

namespace native {

int messageBox(void* owner, const char* text, const char* caption, uint32_t flags) {
    std::fprintf(stderr, "[%s] %s\n", caption ? caption : "", text ? text : "");
    const bool headless = std::getenv("DISPLAY") == nullptr || std::getenv("CI") != nullptr ||
                          std::getenv("VORNEX_NO_MESSAGEBOX") != nullptr;
    if (headless) return IDOK;
    uint32_t sdlFlags = SDL_MESSAGEBOX_INFORMATION;
    if ((flags & 0xF0) == MB_ICONERROR) sdlFlags = SDL_MESSAGEBOX_ERROR;
    if ((flags & 0xF0) == MB_ICONEXCLAMATION) sdlFlags = SDL_MESSAGEBOX_WARNING;
    SDL_ShowSimpleMessageBox(sdlFlags, caption, text, static_cast<SDL_Window*>(owner));
    return IDOK;
}

} // namespace native
