// Device contexts, pixel formats and OpenGL contexts on the sdl back end. A device context
// is its window's handle (every window owns its DC). Pixel formats are the two colour
// layouts SDL can ask for; the format granted is read back from a probe context, so it
// reports what the driver really gives. Window-system entry points are answered with
// stand-ins built on SDL.
#include "platform/native/sdl/SdlVideo.h"

#include <cstdio>
#include <cstring>

namespace native {
namespace {

constexpr uint32_t kMaxContexts = 16;
// 1: 8 bits per colour channel; 2: 5-6-5.
constexpr int32_t kTrueColourFormat = 1;
constexpr int32_t kHighColourFormat = 2;

struct ContextRecord {
    SDL_GLContext context;
    WindowHandle window;
};

ContextRecord contexts[kMaxContexts];
DeviceContext currentSurface = nullptr;
RenderContext currentContext = nullptr;

ContextRecord* findContext(RenderContext context) {
    const uintptr_t index = reinterpret_cast<uintptr_t>(context);
    if (index < 1 || index > kMaxContexts || !contexts[index - 1].context) return nullptr;
    return &contexts[index - 1];
}

// Reads the framebuffer a context on this window really gets.
bool probeGrantedFormat(sdl::SdlWindow& window) {
    SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
    SDL_GLContext previousContext = SDL_GL_GetCurrentContext();
    SDL_GLContext probe = SDL_GL_CreateContext(window.window);
    if (!probe) {
        std::printf("SDL pixel format: %s\n", SDL_GetError());
        return false;
    }
    int red = 0, green = 0, blue = 0, alpha = 0, depth = 0, stencil = 0, doubleBuffer = 0;
    SDL_GL_GetAttribute(SDL_GL_RED_SIZE, &red);
    SDL_GL_GetAttribute(SDL_GL_GREEN_SIZE, &green);
    SDL_GL_GetAttribute(SDL_GL_BLUE_SIZE, &blue);
    SDL_GL_GetAttribute(SDL_GL_ALPHA_SIZE, &alpha);
    SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &depth);
    SDL_GL_GetAttribute(SDL_GL_STENCIL_SIZE, &stencil);
    SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &doubleBuffer);
    SDL_GL_DeleteContext(probe);
    SDL_GL_MakeCurrent(previousWindow, previousContext);

    PixelFormatDescriptor& granted = window.granted;
    granted = PixelFormatDescriptor{};
    granted.size = sizeof(granted);
    granted.version = 1;
    granted.flags =
        PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | (doubleBuffer ? uint32_t{PFD_DOUBLEBUFFER} : 0u);
    granted.pixelType = PFD_TYPE_RGBA;
    granted.colorBits = static_cast<uint8_t>(red + green + blue + alpha);
    granted.redBits = static_cast<uint8_t>(red);
    granted.greenBits = static_cast<uint8_t>(green);
    granted.blueBits = static_cast<uint8_t>(blue);
    granted.alphaBits = static_cast<uint8_t>(alpha);
    granted.depthBits = static_cast<uint8_t>(depth);
    granted.stencilBits = static_cast<uint8_t>(stencil);
    return true;
}

// Window-system stand-ins, answered through getProcAddress.
const char* extensionsString() {
    // Swap control is offered only where SDL can set the interval.
    const bool swapControl =
        SDL_GL_GetCurrentContext() && SDL_GL_SetSwapInterval(SDL_GL_GetSwapInterval()) == 0;
    return swapControl ? "WGL_ARB_extensions_string WGL_EXT_extensions_string "
                         "WGL_ARB_make_current_read WGL_EXT_swap_control"
                       : "WGL_ARB_extensions_string WGL_EXT_extensions_string "
                         "WGL_ARB_make_current_read";
}
const char* getExtensionsStringARB(DeviceContext) {
    return extensionsString();
}
const char* getExtensionsStringEXT() {
    return extensionsString();
}
int32_t swapIntervalEXT(int32_t interval) {
    return SDL_GL_SetSwapInterval(interval) == 0 ? 1 : 0;
}
int32_t getSwapIntervalEXT() {
    return SDL_GL_GetSwapInterval();
}
// SDL binds one window as both draw and read surface; other pairs are refused.
int32_t makeContextCurrentARB(DeviceContext draw, DeviceContext read, RenderContext context) {
    if (draw != read) return 0;
    return makeCurrent(draw, context) ? 1 : 0;
}
DeviceContext getCurrentReadDCARB() {
    return currentSurface;
}

struct StandIn {
    const char* name;
    Proc proc;
};
const StandIn kStandIns[] = {
    {"wglGetExtensionsStringARB", reinterpret_cast<Proc>(&getExtensionsStringARB)},
    {"wglGetExtensionsStringEXT", reinterpret_cast<Proc>(&getExtensionsStringEXT)},
    {"wglSwapIntervalEXT", reinterpret_cast<Proc>(&swapIntervalEXT)},
    {"wglGetSwapIntervalEXT", reinterpret_cast<Proc>(&getSwapIntervalEXT)},
    {"wglMakeContextCurrentARB", reinterpret_cast<Proc>(&makeContextCurrentARB)},
    {"wglGetCurrentReadDCARB", reinterpret_cast<Proc>(&getCurrentReadDCARB)},
};

} // namespace

DeviceContext getDC(WindowHandle window) {
    return sdl::sdlWindow(window) ? window : nullptr;
}

int32_t releaseDC(WindowHandle window, DeviceContext deviceContext) {
    return sdl::sdlWindow(window) && deviceContext == window ? 1 : 0;
}

int32_t choosePixelFormat(DeviceContext deviceContext, const PixelFormatDescriptor* request) {
    if (!sdl::sdlWindow(deviceContext) || !request) return 0;
    if (request->pixelType != PFD_TYPE_RGBA || !(request->flags & PFD_SUPPORT_OPENGL)) return 0;
    return request->colorBits != 0 && request->colorBits <= 16 ? kHighColourFormat
                                                               : kTrueColourFormat;
}

bool setPixelFormat(DeviceContext deviceContext, int32_t format,
                    const PixelFormatDescriptor* request) {
    detail::WindowRecord* record = detail::findWindow(deviceContext);
    sdl::SdlWindow* window = sdl::sdlWindow(deviceContext);
    if (!record || !window || !request || window->pixelFormatSet) return false;
    if (format != kTrueColourFormat && format != kHighColourFormat) return false;
    sdl::FramebufferRequest wanted = {8,
                                      8,
                                      8,
                                      request->depthBits,
                                      request->stencilBits,
                                      (request->flags & PFD_DOUBLEBUFFER) != 0};
    if (format == kHighColourFormat)
        wanted = {5, 6, 5, wanted.depthBits, wanted.stencilBits, wanted.doubleBuffer};
    if (std::memcmp(&wanted, &window->framebuffer, sizeof(wanted)) != 0) {
        int x = 0, y = 0, width = 0, height = 0;
        SDL_GetWindowPosition(window->window, &x, &y);
        SDL_GetWindowSize(window->window, &width, &height);
        const sdl::FramebufferRequest previous = window->framebuffer;
        window->framebuffer = wanted;
        if (!sdl::makeSdlWindow(*record, *window, x, y, width, height)) {
            window->framebuffer = previous;
            return false;
        }
    }
    sdl::applyFramebufferAttributes(wanted);
    if (!probeGrantedFormat(*window)) return false;
    window->pixelFormatSet = true;
    return true;
}

int32_t describePixelFormat(DeviceContext deviceContext, int32_t format, uint32_t size,
                            PixelFormatDescriptor* descriptor) {
    sdl::SdlWindow* window = sdl::sdlWindow(deviceContext);
    if (!window || (format != kTrueColourFormat && format != kHighColourFormat)) return 0;
    if (descriptor && size >= sizeof(PixelFormatDescriptor)) *descriptor = window->granted;
    return kHighColourFormat;
}

RenderContext createContext(DeviceContext deviceContext) {
    sdl::SdlWindow* window = sdl::sdlWindow(deviceContext);
    if (!window || !window->pixelFormatSet) return nullptr;
    for (uint32_t index = 0; index < kMaxContexts; ++index) {
        if (contexts[index].context) continue;
        SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
        SDL_GLContext previousContext = SDL_GL_GetCurrentContext();
        sdl::applyFramebufferAttributes(window->framebuffer);
        SDL_GLContext context = SDL_GL_CreateContext(window->window);
        if (!context) {
            std::printf("SDL context: %s\n", SDL_GetError());
            return nullptr;
        }
        // Creating makes it current in SDL; the desktop leaves that to makeCurrent.
        SDL_GL_MakeCurrent(previousWindow, previousContext);
        contexts[index] = {context, deviceContext};
        return reinterpret_cast<RenderContext>(static_cast<uintptr_t>(index + 1));
    }
    return nullptr;
}

bool makeCurrent(DeviceContext deviceContext, RenderContext renderContext) {
    if (!renderContext) {
        if (SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), nullptr) != 0) return false;
        currentSurface = nullptr;
        currentContext = nullptr;
        return true;
    }
    ContextRecord* context = findContext(renderContext);
    sdl::SdlWindow* window = sdl::sdlWindow(deviceContext);
    if (!context || !window) return false;
    if (SDL_GL_MakeCurrent(window->window, context->context) != 0) return false;
    currentSurface = deviceContext;
    currentContext = renderContext;
    return true;
}

bool deleteContext(RenderContext renderContext) {
    ContextRecord* context = findContext(renderContext);
    if (!context) return false;
    if (currentContext == renderContext) {
        SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), nullptr);
        currentSurface = nullptr;
        currentContext = nullptr;
    }
    SDL_GL_DeleteContext(context->context);
    *context = ContextRecord{};
    return true;
}

DeviceContext getCurrentDC() {
    return currentSurface;
}

RenderContext getCurrentContext() {
    return currentContext;
}

bool swapBuffers(DeviceContext deviceContext) {
    sdl::SdlWindow* window = sdl::sdlWindow(deviceContext);
    if (!window) return false;
    SDL_GL_SwapWindow(window->window);
    return true;
}

Proc getProcAddress(const char* name) {
    // Entry points belong to a context: without a current one nothing is found, as on the
    // desktop, so the extension loader sees no window-system extensions either.
    if (!name || !currentContext) return nullptr;
    for (const StandIn& standIn : kStandIns) {
        if (std::strcmp(standIn.name, name) == 0) return standIn.proc;
    }
    // Other window-system names have no equivalent here.
    if (std::strncmp(name, "wgl", 3) == 0) return nullptr;
    return reinterpret_cast<Proc>(SDL_GL_GetProcAddress(name));
}

} // namespace native
