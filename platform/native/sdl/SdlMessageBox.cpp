// Message boxes on the sdl back end. Only the test switch VORNEX_NO_MESSAGEBOX keeps a box
// from being shown, so a test run never waits on one; a box that cannot be shown (no
// display the library can reach) leaves its text on standard error instead.
#include "platform/native/Native.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>

namespace native {

int messageBox(void* owner, const char* text, const char* caption, uint32_t flags) {
    if (!caption) caption = "";
    if (!text) text = "";
    if (!std::getenv("VORNEX_NO_MESSAGEBOX")) {
        uint32_t sdlFlags = SDL_MESSAGEBOX_INFORMATION;
        if ((flags & 0xF0) == MB_ICONERROR) sdlFlags = SDL_MESSAGEBOX_ERROR;
        if ((flags & 0xF0) == MB_ICONEXCLAMATION) sdlFlags = SDL_MESSAGEBOX_WARNING;
        if (SDL_ShowSimpleMessageBox(sdlFlags, caption, text, static_cast<SDL_Window*>(owner)) ==
            0) {
            return IDOK;
        }
    }
    std::fprintf(stderr, "[%s] %s\n", caption, text);
    return IDOK;
}

} // namespace native
