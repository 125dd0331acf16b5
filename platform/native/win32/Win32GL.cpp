// Device contexts, pixel formats and WGL contexts on the win32 back end: the real gdi32
// and opengl32 calls. The pixel-format record has the desktop's own layout.
#include "platform/native/Native.h"

#include "platform/native/win32/Windows.h"

#include <cstddef>
#include <cstring>

namespace native {
namespace {

static_assert(sizeof(PixelFormatDescriptor) == sizeof(PIXELFORMATDESCRIPTOR));
static_assert(offsetof(PixelFormatDescriptor, flags) == offsetof(PIXELFORMATDESCRIPTOR, dwFlags));
static_assert(offsetof(PixelFormatDescriptor, depthBits) ==
              offsetof(PIXELFORMATDESCRIPTOR, cDepthBits));
static_assert(offsetof(PixelFormatDescriptor, layerMask) ==
              offsetof(PIXELFORMATDESCRIPTOR, dwLayerMask));

PIXELFORMATDESCRIPTOR toDescriptor(const PixelFormatDescriptor* request) {
    PIXELFORMATDESCRIPTOR descriptor{};
    if (request) std::memcpy(&descriptor, request, sizeof(descriptor));
    return descriptor;
}

HDC hdc(DeviceContext deviceContext) {
    return static_cast<HDC>(deviceContext);
}

} // namespace

DeviceContext getDC(WindowHandle window) {
    return GetDC(static_cast<HWND>(window));
}

int32_t releaseDC(WindowHandle window, DeviceContext deviceContext) {
    return ReleaseDC(static_cast<HWND>(window), hdc(deviceContext));
}

int32_t choosePixelFormat(DeviceContext deviceContext, const PixelFormatDescriptor* request) {
    const PIXELFORMATDESCRIPTOR descriptor = toDescriptor(request);
    return ChoosePixelFormat(hdc(deviceContext), &descriptor);
}

bool setPixelFormat(DeviceContext deviceContext, int32_t format,
                    const PixelFormatDescriptor* request) {
    const PIXELFORMATDESCRIPTOR descriptor = toDescriptor(request);
    return SetPixelFormat(hdc(deviceContext), format, &descriptor) != 0;
}

int32_t describePixelFormat(DeviceContext deviceContext, int32_t format, uint32_t size,
                            PixelFormatDescriptor* descriptor) {
    PIXELFORMATDESCRIPTOR granted{};
    const int highest = DescribePixelFormat(hdc(deviceContext), format, sizeof(granted), &granted);
    if (highest != 0 && descriptor && size >= sizeof(granted)) {
        std::memcpy(descriptor, &granted, sizeof(granted));
    }
    return highest;
}

RenderContext createContext(DeviceContext deviceContext) {
    return wglCreateContext(hdc(deviceContext));
}

bool makeCurrent(DeviceContext deviceContext, RenderContext renderContext) {
    return wglMakeCurrent(hdc(deviceContext), static_cast<HGLRC>(renderContext)) != 0;
}

bool deleteContext(RenderContext renderContext) {
    return wglDeleteContext(static_cast<HGLRC>(renderContext)) != 0;
}

DeviceContext getCurrentDC() {
    return wglGetCurrentDC();
}

RenderContext getCurrentContext() {
    return wglGetCurrentContext();
}

bool swapBuffers(DeviceContext deviceContext) {
    return SwapBuffers(hdc(deviceContext)) != 0;
}

Proc getProcAddress(const char* name) {
    return reinterpret_cast<Proc>(wglGetProcAddress(name));
}

} // namespace native
