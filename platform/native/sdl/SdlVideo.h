// What the files of the sdl back end share: video start-up, the back end's window object,
// and the mapping between SDL windows and native handles.
#pragma once

#include "platform/native/Backend.h"

#include <SDL.h>

namespace native::sdl {

// The GL framebuffer an SDL window was created for (on X11 the visual is fixed when the
// window is made, so a different pixel format means making the window again).
struct FramebufferRequest {
    int redBits;
    int greenBits;
    int blueBits;
    int depthBits;
    int stencilBits;
    bool doubleBuffer;
};

struct SdlWindow {
    SDL_Window* window;
    uint32_t sdlId;
    FramebufferRequest framebuffer;
    bool pixelFormatSet;
    // Foreground and focus were asked for while the window was hidden.
    bool focusWanted;
    PixelFormatDescriptor granted;
};

// Starts the video subsystem once; false (after a line on standard output) if it cannot.
bool ensureVideo();
bool videoRunning();
SdlWindow* sdlWindow(WindowHandle window);
// The handle of a live window with this SDL id; null if none.
WindowHandle handleForSdlId(uint32_t sdlId);
// Makes the SDL window of a record (again) with the given framebuffer; keeps the
// position, size, title, style, visibility and fullscreen state of the previous one.
bool makeSdlWindow(detail::WindowRecord& record, SdlWindow& window, int32_t x, int32_t y,
                   int32_t width, int32_t height);
void applyFramebufferAttributes(const FramebufferRequest& request);

// Fullscreen display mode chosen by changeDisplaySettings, applied to popup windows.
bool fullscreenModeActive();
bool applyFullscreen(SdlWindow& window);

// The cursor in screen coordinates as the last mouse event left it.
void trackCursor(SDL_Window* window, int32_t windowX, int32_t windowY);

// Virtual-key code of an SDL key; 0 for keys without one.
uint32_t virtualKeyFor(const SDL_Keysym& keysym);

} // namespace native::sdl
