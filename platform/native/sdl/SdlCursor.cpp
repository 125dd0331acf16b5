// The cursor on the sdl back end. Its position is that of the last mouse event: the
// client origin of the window it happened in plus the position within the window, which
// is the screen position the desktop would report while handling that event.
#include "platform/native/sdl/SdlVideo.h"

namespace native {
namespace sdl {
namespace {

Point cursor = {0, 0};
bool cursorKnown = false;
int32_t displayCounter = 0;

} // namespace

void trackCursor(SDL_Window* window, int32_t windowX, int32_t windowY) {
    int left = 0;
    int top = 0;
    if (window) SDL_GetWindowPosition(window, &left, &top);
    cursor = {left + windowX, top + windowY};
    cursorKnown = true;
}

} // namespace sdl

bool getCursorPos(Point* point) {
    if (!point) return false;
    if (!sdl::cursorKnown && sdl::videoRunning()) {
        int x = 0;
        int y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        sdl::cursor = {x, y};
    }
    *point = sdl::cursor;
    return true;
}

bool setCursorPos(int32_t x, int32_t y) {
    if (!sdl::ensureVideo() || SDL_WarpMouseGlobal(x, y) != 0) return false;
    sdl::cursor = {x, y};
    sdl::cursorKnown = true;
    return true;
}

int32_t showCursor(bool show) {
    sdl::displayCounter += show ? 1 : -1;
    if (sdl::ensureVideo()) SDL_ShowCursor(sdl::displayCounter >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return sdl::displayCounter;
}

} // namespace native
