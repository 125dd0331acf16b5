// The window-system (WGL) entry points of the extension loader. Their types are declared
// here: glext.h carries none of them, and wglext.h is not on every system the player builds on.
// One X(type, name) per slot, grouped by the extension (or core version) that loads them;
// names and types follow glext.h and the Khronos extension specifications.
#pragma once

#include "platform/native/Native.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <cstdint>

namespace ext {

using WglBool = int32_t;
using BufferRegion = void*; // HANDLE of WGL_ARB_buffer_region
using PBuffer = void*;      // HPBUFFERARB

} // namespace ext

typedef ext::BufferRegion (*PFNWGLCREATEBUFFERREGIONARBPROC)(native::DeviceContext, int32_t,
                                                             uint32_t);
typedef void (*PFNWGLDELETEBUFFERREGIONARBPROC)(ext::BufferRegion);
typedef ext::WglBool (*PFNWGLSAVEBUFFERREGIONARBPROC)(ext::BufferRegion, int32_t, int32_t, int32_t,
                                                      int32_t);
typedef ext::WglBool (*PFNWGLRESTOREBUFFERREGIONARBPROC)(ext::BufferRegion, int32_t, int32_t,
                                                         int32_t, int32_t, int32_t, int32_t);
typedef ext::WglBool (*PFNWGLMAKECONTEXTCURRENTARBPROC)(native::DeviceContext draw,
                                                        native::DeviceContext read,
                                                        native::RenderContext);
typedef native::DeviceContext (*PFNWGLGETCURRENTREADDCARBPROC)();
typedef ext::PBuffer (*PFNWGLCREATEPBUFFERARBPROC)(native::DeviceContext, int32_t, int32_t, int32_t,
                                                   const int32_t*);
typedef native::DeviceContext (*PFNWGLGETPBUFFERDCARBPROC)(ext::PBuffer);
typedef int32_t (*PFNWGLRELEASEPBUFFERDCARBPROC)(ext::PBuffer, native::DeviceContext);
typedef ext::WglBool (*PFNWGLDESTROYPBUFFERARBPROC)(ext::PBuffer);
typedef ext::WglBool (*PFNWGLQUERYPBUFFERARBPROC)(ext::PBuffer, int32_t, int32_t*);
typedef ext::WglBool (*PFNWGLGETPIXELFORMATATTRIBIVARBPROC)(native::DeviceContext, int32_t, int32_t,
                                                            uint32_t, const int32_t*, int32_t*);
typedef ext::WglBool (*PFNWGLGETPIXELFORMATATTRIBFVARBPROC)(native::DeviceContext, int32_t, int32_t,
                                                            uint32_t, const int32_t*, float*);
typedef ext::WglBool (*PFNWGLCHOOSEPIXELFORMATARBPROC)(native::DeviceContext, const int32_t*,
                                                       const float*, uint32_t, int32_t*, uint32_t*);
typedef ext::WglBool (*PFNWGLBINDTEXIMAGEARBPROC)(ext::PBuffer, int32_t);
typedef ext::WglBool (*PFNWGLRELEASETEXIMAGEARBPROC)(ext::PBuffer, int32_t);
typedef ext::WglBool (*PFNWGLSETPBUFFERATTRIBARBPROC)(ext::PBuffer, const int32_t*);
typedef ext::WglBool (*PFNWGLSWAPINTERVALEXTPROC)(int32_t interval);
typedef int32_t (*PFNWGLGETSWAPINTERVALEXTPROC)();
typedef const char* (*PFNWGLGETEXTENSIONSSTRINGARBPROC)(native::DeviceContext);
typedef const char* (*PFNWGLGETEXTENSIONSSTRINGEXTPROC)();

#define ENTRY_POINTS_WGL_ARB_buffer_region(X)                                                      \
    X(PFNWGLCREATEBUFFERREGIONARBPROC, wglCreateBufferRegionARB)                                   \
    X(PFNWGLDELETEBUFFERREGIONARBPROC, wglDeleteBufferRegionARB)                                   \
    X(PFNWGLSAVEBUFFERREGIONARBPROC, wglSaveBufferRegionARB)                                       \
    X(PFNWGLRESTOREBUFFERREGIONARBPROC, wglRestoreBufferRegionARB)

#define ENTRY_POINTS_WGL_ARB_make_current_read(X)                                                  \
    X(PFNWGLMAKECONTEXTCURRENTARBPROC, wglMakeContextCurrentARB)                                   \
    X(PFNWGLGETCURRENTREADDCARBPROC, wglGetCurrentReadDCARB)

#define ENTRY_POINTS_WGL_ARB_pbuffer(X)                                                            \
    X(PFNWGLCREATEPBUFFERARBPROC, wglCreatePbufferARB)                                             \
    X(PFNWGLGETPBUFFERDCARBPROC, wglGetPbufferDCARB)                                               \
    X(PFNWGLRELEASEPBUFFERDCARBPROC, wglReleasePbufferDCARB)                                       \
    X(PFNWGLDESTROYPBUFFERARBPROC, wglDestroyPbufferARB)                                           \
    X(PFNWGLQUERYPBUFFERARBPROC, wglQueryPbufferARB)

#define ENTRY_POINTS_WGL_ARB_pixel_format(X)                                                       \
    X(PFNWGLGETPIXELFORMATATTRIBIVARBPROC, wglGetPixelFormatAttribivARB)                           \
    X(PFNWGLGETPIXELFORMATATTRIBFVARBPROC, wglGetPixelFormatAttribfvARB)                           \
    X(PFNWGLCHOOSEPIXELFORMATARBPROC, wglChoosePixelFormatARB)

#define ENTRY_POINTS_WGL_ARB_render_texture(X)                                                     \
    X(PFNWGLBINDTEXIMAGEARBPROC, wglBindTexImageARB)                                               \
    X(PFNWGLRELEASETEXIMAGEARBPROC, wglReleaseTexImageARB)                                         \
    X(PFNWGLSETPBUFFERATTRIBARBPROC, wglSetPbufferAttribARB)

#define ENTRY_POINTS_WGL_EXT_swap_control(X)                                                       \
    X(PFNWGLSWAPINTERVALEXTPROC, wglSwapIntervalEXT)                                               \
    X(PFNWGLGETSWAPINTERVALEXTPROC, wglGetSwapIntervalEXT)

#define ENTRY_POINTS_WGL_extensions_string(X)                                                      \
    X(PFNWGLGETEXTENSIONSSTRINGARBPROC, wglGetExtensionsStringARB)                                 \
    X(PFNWGLGETEXTENSIONSSTRINGEXTPROC, wglGetExtensionsStringEXT)

// Every slot of the family, in the order above.
// clang-format off
#define ENTRY_POINTS_WGL(X) \
    ENTRY_POINTS_WGL_ARB_buffer_region(X) \
    ENTRY_POINTS_WGL_ARB_make_current_read(X) \
    ENTRY_POINTS_WGL_ARB_pbuffer(X) \
    ENTRY_POINTS_WGL_ARB_pixel_format(X) \
    ENTRY_POINTS_WGL_ARB_render_texture(X) \
    ENTRY_POINTS_WGL_EXT_swap_control(X) \
    ENTRY_POINTS_WGL_extensions_string(X)
// clang-format on
