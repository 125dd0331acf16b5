// The entry points of the extension loader, one X(type, name) per slot, grouped by the
// extension (or core version) that loads them. Names and types follow glext.h and the
// Khronos extension specifications; the window-system and NV_element_array types, which
// glext.h on Linux does not carry, are declared here.
#pragma once

#include "platform/native/Native.h"

#include <GL/gl.h>
#include <GL/glext.h>

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
typedef void* (*PFNWGLALLOCATEMEMORYNVPROC)(GLsizei, GLfloat, GLfloat, GLfloat);
typedef void (*PFNWGLFREEMEMORYNVPROC)(void*);
typedef void(APIENTRYP PFNGLELEMENTPOINTERNVPROC)(GLenum type, const void* pointer);
typedef void(APIENTRYP PFNGLDRAWELEMENTARRAYNVPROC)(GLenum mode, GLint first, GLsizei count);
typedef void(APIENTRYP PFNGLDRAWRANGEELEMENTARRAYNVPROC)(GLenum mode, GLuint start, GLuint end,
                                                         GLint first, GLsizei count);
typedef void(APIENTRYP PFNGLMULTIDRAWELEMENTARRAYNVPROC)(GLenum mode, const GLint* first,
                                                         const GLsizei* count, GLsizei primcount);
typedef void(APIENTRYP PFNGLMULTIDRAWRANGEELEMENTARRAYNVPROC)(GLenum mode, GLuint start, GLuint end,
                                                              const GLint* first,
                                                              const GLsizei* count,
                                                              GLsizei primcount);

// ARB_imaging also loads glBlendColor and glBlendEquation of the 1.4 list; ARB_vertex_program
// and ARB_fragment_program both load the program functions of ENTRY_POINTS_GL_ARB_program.
// GL_NV_half_float loads its basic forms, and the other lists as the extensions they
// complete are present.
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

#define ENTRY_POINTS_GL_VERSION_1_2(X)                                                             \
    X(PFNGLTEXIMAGE3DPROC, glTexImage3D)                                                           \
    X(PFNGLTEXSUBIMAGE3DPROC, glTexSubImage3D)                                                     \
    X(PFNGLCOPYTEXSUBIMAGE3DPROC, glCopyTexSubImage3D)                                             \
    X(PFNGLDRAWRANGEELEMENTSPROC, glDrawRangeElements)

#define ENTRY_POINTS_GL_VERSION_1_3(X)                                                             \
    X(PFNGLACTIVETEXTUREPROC, glActiveTexture)                                                     \
    X(PFNGLSAMPLECOVERAGEPROC, glSampleCoverage)                                                   \
    X(PFNGLCOMPRESSEDTEXIMAGE3DPROC, glCompressedTexImage3D)                                       \
    X(PFNGLCOMPRESSEDTEXIMAGE2DPROC, glCompressedTexImage2D)                                       \
    X(PFNGLCOMPRESSEDTEXIMAGE1DPROC, glCompressedTexImage1D)                                       \
    X(PFNGLCOMPRESSEDTEXSUBIMAGE3DPROC, glCompressedTexSubImage3D)                                 \
    X(PFNGLCOMPRESSEDTEXSUBIMAGE2DPROC, glCompressedTexSubImage2D)                                 \
    X(PFNGLCOMPRESSEDTEXSUBIMAGE1DPROC, glCompressedTexSubImage1D)                                 \
    X(PFNGLGETCOMPRESSEDTEXIMAGEPROC, glGetCompressedTexImage)                                     \
    X(decltype(&::glClientActiveTexture), glClientActiveTexture)                                   \
    X(decltype(&::glMultiTexCoord1d), glMultiTexCoord1d)                                           \
    X(decltype(&::glMultiTexCoord1dv), glMultiTexCoord1dv)                                         \
    X(decltype(&::glMultiTexCoord1f), glMultiTexCoord1f)                                           \
    X(decltype(&::glMultiTexCoord1fv), glMultiTexCoord1fv)                                         \
    X(decltype(&::glMultiTexCoord1i), glMultiTexCoord1i)                                           \
    X(decltype(&::glMultiTexCoord1iv), glMultiTexCoord1iv)                                         \
    X(decltype(&::glMultiTexCoord1s), glMultiTexCoord1s)                                           \
    X(decltype(&::glMultiTexCoord1sv), glMultiTexCoord1sv)                                         \
    X(decltype(&::glMultiTexCoord2d), glMultiTexCoord2d)                                           \
    X(decltype(&::glMultiTexCoord2dv), glMultiTexCoord2dv)                                         \
    X(decltype(&::glMultiTexCoord2f), glMultiTexCoord2f)                                           \
    X(decltype(&::glMultiTexCoord2fv), glMultiTexCoord2fv)                                         \
    X(decltype(&::glMultiTexCoord2i), glMultiTexCoord2i)                                           \
    X(decltype(&::glMultiTexCoord2iv), glMultiTexCoord2iv)                                         \
    X(decltype(&::glMultiTexCoord2s), glMultiTexCoord2s)                                           \
    X(decltype(&::glMultiTexCoord2sv), glMultiTexCoord2sv)                                         \
    X(decltype(&::glMultiTexCoord3d), glMultiTexCoord3d)                                           \
    X(decltype(&::glMultiTexCoord3dv), glMultiTexCoord3dv)                                         \
    X(decltype(&::glMultiTexCoord3f), glMultiTexCoord3f)                                           \
    X(decltype(&::glMultiTexCoord3fv), glMultiTexCoord3fv)                                         \
    X(decltype(&::glMultiTexCoord3i), glMultiTexCoord3i)                                           \
    X(decltype(&::glMultiTexCoord3iv), glMultiTexCoord3iv)                                         \
    X(decltype(&::glMultiTexCoord3s), glMultiTexCoord3s)                                           \
    X(decltype(&::glMultiTexCoord3sv), glMultiTexCoord3sv)                                         \
    X(decltype(&::glMultiTexCoord4d), glMultiTexCoord4d)                                           \
    X(decltype(&::glMultiTexCoord4dv), glMultiTexCoord4dv)                                         \
    X(decltype(&::glMultiTexCoord4f), glMultiTexCoord4f)                                           \
    X(decltype(&::glMultiTexCoord4fv), glMultiTexCoord4fv)                                         \
    X(decltype(&::glMultiTexCoord4i), glMultiTexCoord4i)                                           \
    X(decltype(&::glMultiTexCoord4iv), glMultiTexCoord4iv)                                         \
    X(decltype(&::glMultiTexCoord4s), glMultiTexCoord4s)                                           \
    X(decltype(&::glMultiTexCoord4sv), glMultiTexCoord4sv)                                         \
    X(decltype(&::glLoadTransposeMatrixf), glLoadTransposeMatrixf)                                 \
    X(decltype(&::glLoadTransposeMatrixd), glLoadTransposeMatrixd)                                 \
    X(decltype(&::glMultTransposeMatrixf), glMultTransposeMatrixf)                                 \
    X(decltype(&::glMultTransposeMatrixd), glMultTransposeMatrixd)

#define ENTRY_POINTS_GL_VERSION_1_4(X)                                                             \
    X(PFNGLBLENDCOLORPROC, glBlendColor)                                                           \
    X(PFNGLBLENDEQUATIONPROC, glBlendEquation)                                                     \
    X(PFNGLBLENDFUNCSEPARATEPROC, glBlendFuncSeparate)                                             \
    X(PFNGLMULTIDRAWARRAYSPROC, glMultiDrawArrays)                                                 \
    X(PFNGLMULTIDRAWELEMENTSPROC, glMultiDrawElements)                                             \
    X(PFNGLPOINTPARAMETERFPROC, glPointParameterf)                                                 \
    X(PFNGLPOINTPARAMETERFVPROC, glPointParameterfv)                                               \
    X(PFNGLFOGCOORDFPROC, glFogCoordf)                                                             \
    X(PFNGLFOGCOORDFVPROC, glFogCoordfv)                                                           \
    X(PFNGLFOGCOORDDPROC, glFogCoordd)                                                             \
    X(PFNGLFOGCOORDDVPROC, glFogCoorddv)                                                           \
    X(PFNGLFOGCOORDPOINTERPROC, glFogCoordPointer)                                                 \
    X(PFNGLSECONDARYCOLOR3BPROC, glSecondaryColor3b)                                               \
    X(PFNGLSECONDARYCOLOR3BVPROC, glSecondaryColor3bv)                                             \
    X(PFNGLSECONDARYCOLOR3DPROC, glSecondaryColor3d)                                               \
    X(PFNGLSECONDARYCOLOR3DVPROC, glSecondaryColor3dv)                                             \
    X(PFNGLSECONDARYCOLOR3FPROC, glSecondaryColor3f)                                               \
    X(PFNGLSECONDARYCOLOR3FVPROC, glSecondaryColor3fv)                                             \
    X(PFNGLSECONDARYCOLOR3IPROC, glSecondaryColor3i)                                               \
    X(PFNGLSECONDARYCOLOR3IVPROC, glSecondaryColor3iv)                                             \
    X(PFNGLSECONDARYCOLOR3SPROC, glSecondaryColor3s)                                               \
    X(PFNGLSECONDARYCOLOR3SVPROC, glSecondaryColor3sv)                                             \
    X(PFNGLSECONDARYCOLOR3UBPROC, glSecondaryColor3ub)                                             \
    X(PFNGLSECONDARYCOLOR3UBVPROC, glSecondaryColor3ubv)                                           \
    X(PFNGLSECONDARYCOLOR3UIPROC, glSecondaryColor3ui)                                             \
    X(PFNGLSECONDARYCOLOR3UIVPROC, glSecondaryColor3uiv)                                           \
    X(PFNGLSECONDARYCOLOR3USPROC, glSecondaryColor3us)                                             \
    X(PFNGLSECONDARYCOLOR3USVPROC, glSecondaryColor3usv)                                           \
    X(PFNGLSECONDARYCOLORPOINTERPROC, glSecondaryColorPointer)                                     \
    X(PFNGLWINDOWPOS2DPROC, glWindowPos2d)                                                         \
    X(PFNGLWINDOWPOS2DVPROC, glWindowPos2dv)                                                       \
    X(PFNGLWINDOWPOS2FPROC, glWindowPos2f)                                                         \
    X(PFNGLWINDOWPOS2FVPROC, glWindowPos2fv)                                                       \
    X(PFNGLWINDOWPOS2IPROC, glWindowPos2i)                                                         \
    X(PFNGLWINDOWPOS2IVPROC, glWindowPos2iv)                                                       \
    X(PFNGLWINDOWPOS2SPROC, glWindowPos2s)                                                         \
    X(PFNGLWINDOWPOS2SVPROC, glWindowPos2sv)                                                       \
    X(PFNGLWINDOWPOS3DPROC, glWindowPos3d)                                                         \
    X(PFNGLWINDOWPOS3DVPROC, glWindowPos3dv)                                                       \
    X(PFNGLWINDOWPOS3FPROC, glWindowPos3f)                                                         \
    X(PFNGLWINDOWPOS3FVPROC, glWindowPos3fv)                                                       \
    X(PFNGLWINDOWPOS3IPROC, glWindowPos3i)                                                         \
    X(PFNGLWINDOWPOS3IVPROC, glWindowPos3iv)                                                       \
    X(PFNGLWINDOWPOS3SPROC, glWindowPos3s)                                                         \
    X(PFNGLWINDOWPOS3SVPROC, glWindowPos3sv)

#define ENTRY_POINTS_GL_ARB_imaging(X)                                                             \
    X(decltype(&::glColorTable), glColorTable)                                                     \
    X(decltype(&::glColorTableParameterfv), glColorTableParameterfv)                               \
    X(decltype(&::glColorTableParameteriv), glColorTableParameteriv)                               \
    X(decltype(&::glCopyColorTable), glCopyColorTable)                                             \
    X(decltype(&::glGetColorTable), glGetColorTable)                                               \
    X(decltype(&::glGetColorTableParameterfv), glGetColorTableParameterfv)                         \
    X(decltype(&::glGetColorTableParameteriv), glGetColorTableParameteriv)                         \
    X(decltype(&::glColorSubTable), glColorSubTable)                                               \
    X(decltype(&::glCopyColorSubTable), glCopyColorSubTable)                                       \
    X(decltype(&::glConvolutionFilter1D), glConvolutionFilter1D)                                   \
    X(decltype(&::glConvolutionFilter2D), glConvolutionFilter2D)                                   \
    X(decltype(&::glConvolutionParameterf), glConvolutionParameterf)                               \
    X(decltype(&::glConvolutionParameterfv), glConvolutionParameterfv)                             \
    X(decltype(&::glConvolutionParameteri), glConvolutionParameteri)                               \
    X(decltype(&::glConvolutionParameteriv), glConvolutionParameteriv)                             \
    X(decltype(&::glCopyConvolutionFilter1D), glCopyConvolutionFilter1D)                           \
    X(decltype(&::glCopyConvolutionFilter2D), glCopyConvolutionFilter2D)                           \
    X(decltype(&::glGetConvolutionFilter), glGetConvolutionFilter)                                 \
    X(decltype(&::glGetConvolutionParameterfv), glGetConvolutionParameterfv)                       \
    X(decltype(&::glGetConvolutionParameteriv), glGetConvolutionParameteriv)                       \
    X(decltype(&::glGetSeparableFilter), glGetSeparableFilter)                                     \
    X(decltype(&::glSeparableFilter2D), glSeparableFilter2D)                                       \
    X(decltype(&::glGetHistogram), glGetHistogram)                                                 \
    X(decltype(&::glGetHistogramParameterfv), glGetHistogramParameterfv)                           \
    X(decltype(&::glGetHistogramParameteriv), glGetHistogramParameteriv)                           \
    X(decltype(&::glGetMinmax), glGetMinmax)                                                       \
    X(decltype(&::glGetMinmaxParameterfv), glGetMinmaxParameterfv)                                 \
    X(decltype(&::glGetMinmaxParameteriv), glGetMinmaxParameteriv)                                 \
    X(decltype(&::glHistogram), glHistogram)                                                       \
    X(decltype(&::glMinmax), glMinmax)                                                             \
    X(decltype(&::glResetHistogram), glResetHistogram)                                             \
    X(decltype(&::glResetMinmax), glResetMinmax)

#define ENTRY_POINTS_GL_ARB_multitexture(X)                                                        \
    X(PFNGLACTIVETEXTUREARBPROC, glActiveTextureARB)                                               \
    X(PFNGLCLIENTACTIVETEXTUREARBPROC, glClientActiveTextureARB)                                   \
    X(PFNGLMULTITEXCOORD1DARBPROC, glMultiTexCoord1dARB)                                           \
    X(PFNGLMULTITEXCOORD1DVARBPROC, glMultiTexCoord1dvARB)                                         \
    X(PFNGLMULTITEXCOORD1FARBPROC, glMultiTexCoord1fARB)                                           \
    X(PFNGLMULTITEXCOORD1FVARBPROC, glMultiTexCoord1fvARB)                                         \
    X(PFNGLMULTITEXCOORD1IARBPROC, glMultiTexCoord1iARB)                                           \
    X(PFNGLMULTITEXCOORD1IVARBPROC, glMultiTexCoord1ivARB)                                         \
    X(PFNGLMULTITEXCOORD1SARBPROC, glMultiTexCoord1sARB)                                           \
    X(PFNGLMULTITEXCOORD1SVARBPROC, glMultiTexCoord1svARB)                                         \
    X(PFNGLMULTITEXCOORD2DARBPROC, glMultiTexCoord2dARB)                                           \
    X(PFNGLMULTITEXCOORD2DVARBPROC, glMultiTexCoord2dvARB)                                         \
    X(PFNGLMULTITEXCOORD2FARBPROC, glMultiTexCoord2fARB)                                           \
    X(PFNGLMULTITEXCOORD2FVARBPROC, glMultiTexCoord2fvARB)                                         \
    X(PFNGLMULTITEXCOORD2IARBPROC, glMultiTexCoord2iARB)                                           \
    X(PFNGLMULTITEXCOORD2IVARBPROC, glMultiTexCoord2ivARB)                                         \
    X(PFNGLMULTITEXCOORD2SARBPROC, glMultiTexCoord2sARB)                                           \
    X(PFNGLMULTITEXCOORD2SVARBPROC, glMultiTexCoord2svARB)                                         \
    X(PFNGLMULTITEXCOORD3DARBPROC, glMultiTexCoord3dARB)                                           \
    X(PFNGLMULTITEXCOORD3DVARBPROC, glMultiTexCoord3dvARB)                                         \
    X(PFNGLMULTITEXCOORD3FARBPROC, glMultiTexCoord3fARB)                                           \
    X(PFNGLMULTITEXCOORD3FVARBPROC, glMultiTexCoord3fvARB)                                         \
    X(PFNGLMULTITEXCOORD3IARBPROC, glMultiTexCoord3iARB)                                           \
    X(PFNGLMULTITEXCOORD3IVARBPROC, glMultiTexCoord3ivARB)                                         \
    X(PFNGLMULTITEXCOORD3SARBPROC, glMultiTexCoord3sARB)                                           \
    X(PFNGLMULTITEXCOORD3SVARBPROC, glMultiTexCoord3svARB)                                         \
    X(PFNGLMULTITEXCOORD4DARBPROC, glMultiTexCoord4dARB)                                           \
    X(PFNGLMULTITEXCOORD4DVARBPROC, glMultiTexCoord4dvARB)                                         \
    X(PFNGLMULTITEXCOORD4FARBPROC, glMultiTexCoord4fARB)                                           \
    X(PFNGLMULTITEXCOORD4FVARBPROC, glMultiTexCoord4fvARB)                                         \
    X(PFNGLMULTITEXCOORD4IARBPROC, glMultiTexCoord4iARB)                                           \
    X(PFNGLMULTITEXCOORD4IVARBPROC, glMultiTexCoord4ivARB)                                         \
    X(PFNGLMULTITEXCOORD4SARBPROC, glMultiTexCoord4sARB)                                           \
    X(PFNGLMULTITEXCOORD4SVARBPROC, glMultiTexCoord4svARB)

#define ENTRY_POINTS_GL_ARB_vertex_program(X)                                                      \
    X(PFNGLVERTEXATTRIB1DARBPROC, glVertexAttrib1dARB)                                             \
    X(PFNGLVERTEXATTRIB1DVARBPROC, glVertexAttrib1dvARB)                                           \
    X(PFNGLVERTEXATTRIB1FARBPROC, glVertexAttrib1fARB)                                             \
    X(PFNGLVERTEXATTRIB1FVARBPROC, glVertexAttrib1fvARB)                                           \
    X(PFNGLVERTEXATTRIB1SARBPROC, glVertexAttrib1sARB)                                             \
    X(PFNGLVERTEXATTRIB1SVARBPROC, glVertexAttrib1svARB)                                           \
    X(PFNGLVERTEXATTRIB2DARBPROC, glVertexAttrib2dARB)                                             \
    X(PFNGLVERTEXATTRIB2DVARBPROC, glVertexAttrib2dvARB)                                           \
    X(PFNGLVERTEXATTRIB2FARBPROC, glVertexAttrib2fARB)                                             \
    X(PFNGLVERTEXATTRIB2FVARBPROC, glVertexAttrib2fvARB)                                           \
    X(PFNGLVERTEXATTRIB2SARBPROC, glVertexAttrib2sARB)                                             \
    X(PFNGLVERTEXATTRIB2SVARBPROC, glVertexAttrib2svARB)                                           \
    X(PFNGLVERTEXATTRIB3DARBPROC, glVertexAttrib3dARB)                                             \
    X(PFNGLVERTEXATTRIB3DVARBPROC, glVertexAttrib3dvARB)                                           \
    X(PFNGLVERTEXATTRIB3FARBPROC, glVertexAttrib3fARB)                                             \
    X(PFNGLVERTEXATTRIB3FVARBPROC, glVertexAttrib3fvARB)                                           \
    X(PFNGLVERTEXATTRIB3SARBPROC, glVertexAttrib3sARB)                                             \
    X(PFNGLVERTEXATTRIB3SVARBPROC, glVertexAttrib3svARB)                                           \
    X(PFNGLVERTEXATTRIB4NBVARBPROC, glVertexAttrib4NbvARB)                                         \
    X(PFNGLVERTEXATTRIB4NIVARBPROC, glVertexAttrib4NivARB)                                         \
    X(PFNGLVERTEXATTRIB4NSVARBPROC, glVertexAttrib4NsvARB)                                         \
    X(PFNGLVERTEXATTRIB4NUBARBPROC, glVertexAttrib4NubARB)                                         \
    X(PFNGLVERTEXATTRIB4NUBVARBPROC, glVertexAttrib4NubvARB)                                       \
    X(PFNGLVERTEXATTRIB4NUIVARBPROC, glVertexAttrib4NuivARB)                                       \
    X(PFNGLVERTEXATTRIB4NUSVARBPROC, glVertexAttrib4NusvARB)                                       \
    X(PFNGLVERTEXATTRIB4BVARBPROC, glVertexAttrib4bvARB)                                           \
    X(PFNGLVERTEXATTRIB4DARBPROC, glVertexAttrib4dARB)                                             \
    X(PFNGLVERTEXATTRIB4DVARBPROC, glVertexAttrib4dvARB)                                           \
    X(PFNGLVERTEXATTRIB4FARBPROC, glVertexAttrib4fARB)                                             \
    X(PFNGLVERTEXATTRIB4FVARBPROC, glVertexAttrib4fvARB)                                           \
    X(PFNGLVERTEXATTRIB4IVARBPROC, glVertexAttrib4ivARB)                                           \
    X(PFNGLVERTEXATTRIB4SARBPROC, glVertexAttrib4sARB)                                             \
    X(PFNGLVERTEXATTRIB4SVARBPROC, glVertexAttrib4svARB)                                           \
    X(PFNGLVERTEXATTRIB4UBVARBPROC, glVertexAttrib4ubvARB)                                         \
    X(PFNGLVERTEXATTRIB4UIVARBPROC, glVertexAttrib4uivARB)                                         \
    X(PFNGLVERTEXATTRIB4USVARBPROC, glVertexAttrib4usvARB)                                         \
    X(PFNGLVERTEXATTRIBPOINTERARBPROC, glVertexAttribPointerARB)                                   \
    X(PFNGLENABLEVERTEXATTRIBARRAYARBPROC, glEnableVertexAttribArrayARB)                           \
    X(PFNGLDISABLEVERTEXATTRIBARRAYARBPROC, glDisableVertexAttribArrayARB)                         \
    X(PFNGLGETVERTEXATTRIBDVARBPROC, glGetVertexAttribdvARB)                                       \
    X(PFNGLGETVERTEXATTRIBFVARBPROC, glGetVertexAttribfvARB)                                       \
    X(PFNGLGETVERTEXATTRIBIVARBPROC, glGetVertexAttribivARB)                                       \
    X(PFNGLGETVERTEXATTRIBPOINTERVARBPROC, glGetVertexAttribPointervARB)

#define ENTRY_POINTS_GL_ARB_program(X)                                                             \
    X(PFNGLPROGRAMSTRINGARBPROC, glProgramStringARB)                                               \
    X(PFNGLBINDPROGRAMARBPROC, glBindProgramARB)                                                   \
    X(PFNGLDELETEPROGRAMSARBPROC, glDeleteProgramsARB)                                             \
    X(PFNGLGENPROGRAMSARBPROC, glGenProgramsARB)                                                   \
    X(PFNGLPROGRAMENVPARAMETER4DARBPROC, glProgramEnvParameter4dARB)                               \
    X(PFNGLPROGRAMENVPARAMETER4DVARBPROC, glProgramEnvParameter4dvARB)                             \
    X(PFNGLPROGRAMENVPARAMETER4FARBPROC, glProgramEnvParameter4fARB)                               \
    X(PFNGLPROGRAMENVPARAMETER4FVARBPROC, glProgramEnvParameter4fvARB)                             \
    X(PFNGLPROGRAMLOCALPARAMETER4DARBPROC, glProgramLocalParameter4dARB)                           \
    X(PFNGLPROGRAMLOCALPARAMETER4DVARBPROC, glProgramLocalParameter4dvARB)                         \
    X(PFNGLPROGRAMLOCALPARAMETER4FARBPROC, glProgramLocalParameter4fARB)                           \
    X(PFNGLPROGRAMLOCALPARAMETER4FVARBPROC, glProgramLocalParameter4fvARB)                         \
    X(PFNGLGETPROGRAMENVPARAMETERDVARBPROC, glGetProgramEnvParameterdvARB)                         \
    X(PFNGLGETPROGRAMENVPARAMETERFVARBPROC, glGetProgramEnvParameterfvARB)                         \
    X(PFNGLGETPROGRAMLOCALPARAMETERDVARBPROC, glGetProgramLocalParameterdvARB)                     \
    X(PFNGLGETPROGRAMLOCALPARAMETERFVARBPROC, glGetProgramLocalParameterfvARB)                     \
    X(PFNGLGETPROGRAMIVARBPROC, glGetProgramivARB)                                                 \
    X(PFNGLGETPROGRAMSTRINGARBPROC, glGetProgramStringARB)                                         \
    X(PFNGLISPROGRAMARBPROC, glIsProgramARB)

#define ENTRY_POINTS_GL_ARB_window_pos(X)                                                          \
    X(PFNGLWINDOWPOS2DARBPROC, glWindowPos2dARB)                                                   \
    X(PFNGLWINDOWPOS2DVARBPROC, glWindowPos2dvARB)                                                 \
    X(PFNGLWINDOWPOS2FARBPROC, glWindowPos2fARB)                                                   \
    X(PFNGLWINDOWPOS2FVARBPROC, glWindowPos2fvARB)                                                 \
    X(PFNGLWINDOWPOS2IARBPROC, glWindowPos2iARB)                                                   \
    X(PFNGLWINDOWPOS2IVARBPROC, glWindowPos2ivARB)                                                 \
    X(PFNGLWINDOWPOS2SARBPROC, glWindowPos2sARB)                                                   \
    X(PFNGLWINDOWPOS2SVARBPROC, glWindowPos2svARB)                                                 \
    X(PFNGLWINDOWPOS3DARBPROC, glWindowPos3dARB)                                                   \
    X(PFNGLWINDOWPOS3DVARBPROC, glWindowPos3dvARB)                                                 \
    X(PFNGLWINDOWPOS3FARBPROC, glWindowPos3fARB)                                                   \
    X(PFNGLWINDOWPOS3FVARBPROC, glWindowPos3fvARB)                                                 \
    X(PFNGLWINDOWPOS3IARBPROC, glWindowPos3iARB)                                                   \
    X(PFNGLWINDOWPOS3IVARBPROC, glWindowPos3ivARB)                                                 \
    X(PFNGLWINDOWPOS3SARBPROC, glWindowPos3sARB)                                                   \
    X(PFNGLWINDOWPOS3SVARBPROC, glWindowPos3svARB)

#define ENTRY_POINTS_GL_ARB_texture_compression(X)                                                 \
    X(PFNGLCOMPRESSEDTEXIMAGE3DARBPROC, glCompressedTexImage3DARB)                                 \
    X(PFNGLCOMPRESSEDTEXIMAGE2DARBPROC, glCompressedTexImage2DARB)                                 \
    X(PFNGLCOMPRESSEDTEXIMAGE1DARBPROC, glCompressedTexImage1DARB)                                 \
    X(PFNGLCOMPRESSEDTEXSUBIMAGE3DARBPROC, glCompressedTexSubImage3DARB)                           \
    X(PFNGLCOMPRESSEDTEXSUBIMAGE2DARBPROC, glCompressedTexSubImage2DARB)                           \
    X(PFNGLCOMPRESSEDTEXSUBIMAGE1DARBPROC, glCompressedTexSubImage1DARB)                           \
    X(PFNGLGETCOMPRESSEDTEXIMAGEARBPROC, glGetCompressedTexImageARB)

#define ENTRY_POINTS_GL_ARB_vertex_blend(X)                                                        \
    X(PFNGLWEIGHTBVARBPROC, glWeightbvARB)                                                         \
    X(PFNGLWEIGHTSVARBPROC, glWeightsvARB)                                                         \
    X(PFNGLWEIGHTIVARBPROC, glWeightivARB)                                                         \
    X(PFNGLWEIGHTFVARBPROC, glWeightfvARB)                                                         \
    X(PFNGLWEIGHTDVARBPROC, glWeightdvARB)                                                         \
    X(PFNGLWEIGHTUBVARBPROC, glWeightubvARB)                                                       \
    X(PFNGLWEIGHTUSVARBPROC, glWeightusvARB)                                                       \
    X(PFNGLWEIGHTUIVARBPROC, glWeightuivARB)                                                       \
    X(PFNGLWEIGHTPOINTERARBPROC, glWeightPointerARB)                                               \
    X(PFNGLVERTEXBLENDARBPROC, glVertexBlendARB)

#define ENTRY_POINTS_GL_ARB_matrix_palette(X)                                                      \
    X(PFNGLCURRENTPALETTEMATRIXARBPROC, glCurrentPaletteMatrixARB)                                 \
    X(PFNGLMATRIXINDEXUBVARBPROC, glMatrixIndexubvARB)                                             \
    X(PFNGLMATRIXINDEXUSVARBPROC, glMatrixIndexusvARB)                                             \
    X(PFNGLMATRIXINDEXUIVARBPROC, glMatrixIndexuivARB)                                             \
    X(PFNGLMATRIXINDEXPOINTERARBPROC, glMatrixIndexPointerARB)

#define ENTRY_POINTS_GL_ARB_transpose_matrix(X)                                                    \
    X(PFNGLLOADTRANSPOSEMATRIXFARBPROC, glLoadTransposeMatrixfARB)                                 \
    X(PFNGLLOADTRANSPOSEMATRIXDARBPROC, glLoadTransposeMatrixdARB)                                 \
    X(PFNGLMULTTRANSPOSEMATRIXFARBPROC, glMultTransposeMatrixfARB)                                 \
    X(PFNGLMULTTRANSPOSEMATRIXDARBPROC, glMultTransposeMatrixdARB)

#define ENTRY_POINTS_GL_ARB_point_parameters(X)                                                    \
    X(PFNGLPOINTPARAMETERFARBPROC, glPointParameterfARB)                                           \
    X(PFNGLPOINTPARAMETERFVARBPROC, glPointParameterfvARB)

#define ENTRY_POINTS_GL_ARB_multisample(X) X(PFNGLSAMPLECOVERAGEARBPROC, glSampleCoverageARB)

#define ENTRY_POINTS_GL_EXT_blend_color(X) X(PFNGLBLENDCOLOREXTPROC, glBlendColorEXT)

#define ENTRY_POINTS_GL_EXT_blend_minmax(X) X(PFNGLBLENDEQUATIONEXTPROC, glBlendEquationEXT)

#define ENTRY_POINTS_GL_EXT_blend_func_separate(X)                                                 \
    X(PFNGLBLENDFUNCSEPARATEEXTPROC, glBlendFuncSeparateEXT)

#define ENTRY_POINTS_GL_EXT_compiled_vertex_array(X)                                               \
    X(PFNGLLOCKARRAYSEXTPROC, glLockArraysEXT)                                                     \
    X(PFNGLUNLOCKARRAYSEXTPROC, glUnlockArraysEXT)

#define ENTRY_POINTS_GL_EXT_cull_vertex(X)                                                         \
    X(PFNGLCULLPARAMETERDVEXTPROC, glCullParameterdvEXT)                                           \
    X(PFNGLCULLPARAMETERFVEXTPROC, glCullParameterfvEXT)

#define ENTRY_POINTS_GL_EXT_draw_range_elements(X)                                                 \
    X(PFNGLDRAWRANGEELEMENTSEXTPROC, glDrawRangeElementsEXT)

#define ENTRY_POINTS_GL_EXT_fog_coord(X)                                                           \
    X(PFNGLFOGCOORDFEXTPROC, glFogCoordfEXT)                                                       \
    X(PFNGLFOGCOORDFVEXTPROC, glFogCoordfvEXT)                                                     \
    X(PFNGLFOGCOORDDEXTPROC, glFogCoorddEXT)                                                       \
    X(PFNGLFOGCOORDDVEXTPROC, glFogCoorddvEXT)                                                     \
    X(PFNGLFOGCOORDPOINTEREXTPROC, glFogCoordPointerEXT)

#define ENTRY_POINTS_GL_EXT_multi_draw_arrays(X)                                                   \
    X(PFNGLMULTIDRAWARRAYSEXTPROC, glMultiDrawArraysEXT)                                           \
    X(PFNGLMULTIDRAWELEMENTSEXTPROC, glMultiDrawElementsEXT)

#define ENTRY_POINTS_GL_EXT_point_parameters(X)                                                    \
    X(PFNGLPOINTPARAMETERFEXTPROC, glPointParameterfEXT)                                           \
    X(PFNGLPOINTPARAMETERFVEXTPROC, glPointParameterfvEXT)

#define ENTRY_POINTS_GL_EXT_secondary_color(X)                                                     \
    X(PFNGLSECONDARYCOLOR3BEXTPROC, glSecondaryColor3bEXT)                                         \
    X(PFNGLSECONDARYCOLOR3BVEXTPROC, glSecondaryColor3bvEXT)                                       \
    X(PFNGLSECONDARYCOLOR3DEXTPROC, glSecondaryColor3dEXT)                                         \
    X(PFNGLSECONDARYCOLOR3DVEXTPROC, glSecondaryColor3dvEXT)                                       \
    X(PFNGLSECONDARYCOLOR3FEXTPROC, glSecondaryColor3fEXT)                                         \
    X(PFNGLSECONDARYCOLOR3FVEXTPROC, glSecondaryColor3fvEXT)                                       \
    X(PFNGLSECONDARYCOLOR3IEXTPROC, glSecondaryColor3iEXT)                                         \
    X(PFNGLSECONDARYCOLOR3IVEXTPROC, glSecondaryColor3ivEXT)                                       \
    X(PFNGLSECONDARYCOLOR3SEXTPROC, glSecondaryColor3sEXT)                                         \
    X(PFNGLSECONDARYCOLOR3SVEXTPROC, glSecondaryColor3svEXT)                                       \
    X(PFNGLSECONDARYCOLOR3UBEXTPROC, glSecondaryColor3ubEXT)                                       \
    X(PFNGLSECONDARYCOLOR3UBVEXTPROC, glSecondaryColor3ubvEXT)                                     \
    X(PFNGLSECONDARYCOLOR3UIEXTPROC, glSecondaryColor3uiEXT)                                       \
    X(PFNGLSECONDARYCOLOR3UIVEXTPROC, glSecondaryColor3uivEXT)                                     \
    X(PFNGLSECONDARYCOLOR3USEXTPROC, glSecondaryColor3usEXT)                                       \
    X(PFNGLSECONDARYCOLOR3USVEXTPROC, glSecondaryColor3usvEXT)                                     \
    X(PFNGLSECONDARYCOLORPOINTEREXTPROC, glSecondaryColorPointerEXT)

#define ENTRY_POINTS_GL_EXT_stencil_two_side(X)                                                    \
    X(PFNGLACTIVESTENCILFACEEXTPROC, glActiveStencilFaceEXT)

#define ENTRY_POINTS_GL_EXT_vertex_shader(X)                                                       \
    X(PFNGLBEGINVERTEXSHADEREXTPROC, glBeginVertexShaderEXT)                                       \
    X(PFNGLENDVERTEXSHADEREXTPROC, glEndVertexShaderEXT)                                           \
    X(PFNGLBINDVERTEXSHADEREXTPROC, glBindVertexShaderEXT)                                         \
    X(PFNGLGENVERTEXSHADERSEXTPROC, glGenVertexShadersEXT)                                         \
    X(PFNGLDELETEVERTEXSHADEREXTPROC, glDeleteVertexShaderEXT)                                     \
    X(PFNGLSHADEROP1EXTPROC, glShaderOp1EXT)                                                       \
    X(PFNGLSHADEROP2EXTPROC, glShaderOp2EXT)                                                       \
    X(PFNGLSHADEROP3EXTPROC, glShaderOp3EXT)                                                       \
    X(PFNGLSWIZZLEEXTPROC, glSwizzleEXT)                                                           \
    X(PFNGLWRITEMASKEXTPROC, glWriteMaskEXT)                                                       \
    X(PFNGLINSERTCOMPONENTEXTPROC, glInsertComponentEXT)                                           \
    X(PFNGLEXTRACTCOMPONENTEXTPROC, glExtractComponentEXT)                                         \
    X(PFNGLGENSYMBOLSEXTPROC, glGenSymbolsEXT)                                                     \
    X(PFNGLSETINVARIANTEXTPROC, glSetInvariantEXT)                                                 \
    X(PFNGLSETLOCALCONSTANTEXTPROC, glSetLocalConstantEXT)                                         \
    X(PFNGLVARIANTBVEXTPROC, glVariantbvEXT)                                                       \
    X(PFNGLVARIANTSVEXTPROC, glVariantsvEXT)                                                       \
    X(PFNGLVARIANTIVEXTPROC, glVariantivEXT)                                                       \
    X(PFNGLVARIANTFVEXTPROC, glVariantfvEXT)                                                       \
    X(PFNGLVARIANTDVEXTPROC, glVariantdvEXT)                                                       \
    X(PFNGLVARIANTUBVEXTPROC, glVariantubvEXT)                                                     \
    X(PFNGLVARIANTUSVEXTPROC, glVariantusvEXT)                                                     \
    X(PFNGLVARIANTUIVEXTPROC, glVariantuivEXT)                                                     \
    X(PFNGLVARIANTPOINTEREXTPROC, glVariantPointerEXT)                                             \
    X(PFNGLENABLEVARIANTCLIENTSTATEEXTPROC, glEnableVariantClientStateEXT)                         \
    X(PFNGLDISABLEVARIANTCLIENTSTATEEXTPROC, glDisableVariantClientStateEXT)                       \
    X(PFNGLBINDLIGHTPARAMETEREXTPROC, glBindLightParameterEXT)                                     \
    X(PFNGLBINDMATERIALPARAMETEREXTPROC, glBindMaterialParameterEXT)                               \
    X(PFNGLBINDTEXGENPARAMETEREXTPROC, glBindTexGenParameterEXT)                                   \
    X(PFNGLBINDTEXTUREUNITPARAMETEREXTPROC, glBindTextureUnitParameterEXT)                         \
    X(PFNGLBINDPARAMETEREXTPROC, glBindParameterEXT)                                               \
    X(PFNGLISVARIANTENABLEDEXTPROC, glIsVariantEnabledEXT)                                         \
    X(PFNGLGETVARIANTBOOLEANVEXTPROC, glGetVariantBooleanvEXT)                                     \
    X(PFNGLGETVARIANTINTEGERVEXTPROC, glGetVariantIntegervEXT)                                     \
    X(PFNGLGETVARIANTFLOATVEXTPROC, glGetVariantFloatvEXT)                                         \
    X(PFNGLGETVARIANTPOINTERVEXTPROC, glGetVariantPointervEXT)                                     \
    X(PFNGLGETINVARIANTBOOLEANVEXTPROC, glGetInvariantBooleanvEXT)                                 \
    X(PFNGLGETINVARIANTINTEGERVEXTPROC, glGetInvariantIntegervEXT)                                 \
    X(PFNGLGETINVARIANTFLOATVEXTPROC, glGetInvariantFloatvEXT)                                     \
    X(PFNGLGETLOCALCONSTANTBOOLEANVEXTPROC, glGetLocalConstantBooleanvEXT)                         \
    X(PFNGLGETLOCALCONSTANTINTEGERVEXTPROC, glGetLocalConstantIntegervEXT)                         \
    X(PFNGLGETLOCALCONSTANTFLOATVEXTPROC, glGetLocalConstantFloatvEXT)

#define ENTRY_POINTS_GL_EXT_vertex_weighting(X)                                                    \
    X(PFNGLVERTEXWEIGHTFEXTPROC, glVertexWeightfEXT)                                               \
    X(PFNGLVERTEXWEIGHTFVEXTPROC, glVertexWeightfvEXT)                                             \
    X(PFNGLVERTEXWEIGHTPOINTEREXTPROC, glVertexWeightPointerEXT)

#define ENTRY_POINTS_GL_ATI_draw_buffers(X) X(PFNGLDRAWBUFFERSATIPROC, glDrawBuffersATI)

#define ENTRY_POINTS_GL_ATI_element_array(X)                                                       \
    X(PFNGLELEMENTPOINTERATIPROC, glElementPointerATI)                                             \
    X(PFNGLDRAWELEMENTARRAYATIPROC, glDrawElementArrayATI)                                         \
    X(PFNGLDRAWRANGEELEMENTARRAYATIPROC, glDrawRangeElementArrayATI)

#define ENTRY_POINTS_GL_ATI_envmap_bumpmap(X)                                                      \
    X(PFNGLTEXBUMPPARAMETERIVATIPROC, glTexBumpParameterivATI)                                     \
    X(PFNGLTEXBUMPPARAMETERFVATIPROC, glTexBumpParameterfvATI)                                     \
    X(PFNGLGETTEXBUMPPARAMETERIVATIPROC, glGetTexBumpParameterivATI)                               \
    X(PFNGLGETTEXBUMPPARAMETERFVATIPROC, glGetTexBumpParameterfvATI)

#define ENTRY_POINTS_GL_ATI_fragment_shader(X)                                                     \
    X(PFNGLGENFRAGMENTSHADERSATIPROC, glGenFragmentShadersATI)                                     \
    X(PFNGLBINDFRAGMENTSHADERATIPROC, glBindFragmentShaderATI)                                     \
    X(PFNGLDELETEFRAGMENTSHADERATIPROC, glDeleteFragmentShaderATI)                                 \
    X(PFNGLBEGINFRAGMENTSHADERATIPROC, glBeginFragmentShaderATI)                                   \
    X(PFNGLENDFRAGMENTSHADERATIPROC, glEndFragmentShaderATI)                                       \
    X(PFNGLPASSTEXCOORDATIPROC, glPassTexCoordATI)                                                 \
    X(PFNGLSAMPLEMAPATIPROC, glSampleMapATI)                                                       \
    X(PFNGLCOLORFRAGMENTOP1ATIPROC, glColorFragmentOp1ATI)                                         \
    X(PFNGLCOLORFRAGMENTOP2ATIPROC, glColorFragmentOp2ATI)                                         \
    X(PFNGLCOLORFRAGMENTOP3ATIPROC, glColorFragmentOp3ATI)                                         \
    X(PFNGLALPHAFRAGMENTOP1ATIPROC, glAlphaFragmentOp1ATI)                                         \
    X(PFNGLALPHAFRAGMENTOP2ATIPROC, glAlphaFragmentOp2ATI)                                         \
    X(PFNGLALPHAFRAGMENTOP3ATIPROC, glAlphaFragmentOp3ATI)                                         \
    X(PFNGLSETFRAGMENTSHADERCONSTANTATIPROC, glSetFragmentShaderConstantATI)

#define ENTRY_POINTS_GL_ATI_map_object_buffer(X)                                                   \
    X(PFNGLMAPOBJECTBUFFERATIPROC, glMapObjectBufferATI)                                           \
    X(PFNGLUNMAPOBJECTBUFFERATIPROC, glUnmapObjectBufferATI)

#define ENTRY_POINTS_GL_ATI_pn_triangles(X)                                                        \
    X(PFNGLPNTRIANGLESIATIPROC, glPNTrianglesiATI)                                                 \
    X(PFNGLPNTRIANGLESFATIPROC, glPNTrianglesfATI)

#define ENTRY_POINTS_GL_ATI_separate_stencil(X)                                                    \
    X(PFNGLSTENCILOPSEPARATEATIPROC, glStencilOpSeparateATI)                                       \
    X(PFNGLSTENCILFUNCSEPARATEATIPROC, glStencilFuncSeparateATI)

#define ENTRY_POINTS_GL_ATI_vertex_array_object(X)                                                 \
    X(PFNGLNEWOBJECTBUFFERATIPROC, glNewObjectBufferATI)                                           \
    X(PFNGLISOBJECTBUFFERATIPROC, glIsObjectBufferATI)                                             \
    X(PFNGLUPDATEOBJECTBUFFERATIPROC, glUpdateObjectBufferATI)                                     \
    X(PFNGLGETOBJECTBUFFERFVATIPROC, glGetObjectBufferfvATI)                                       \
    X(PFNGLGETOBJECTBUFFERIVATIPROC, glGetObjectBufferivATI)                                       \
    X(PFNGLFREEOBJECTBUFFERATIPROC, glFreeObjectBufferATI)                                         \
    X(PFNGLARRAYOBJECTATIPROC, glArrayObjectATI)                                                   \
    X(PFNGLGETARRAYOBJECTFVATIPROC, glGetArrayObjectfvATI)                                         \
    X(PFNGLGETARRAYOBJECTIVATIPROC, glGetArrayObjectivATI)                                         \
    X(PFNGLVARIANTARRAYOBJECTATIPROC, glVariantArrayObjectATI)                                     \
    X(PFNGLGETVARIANTARRAYOBJECTFVATIPROC, glGetVariantArrayObjectfvATI)                           \
    X(PFNGLGETVARIANTARRAYOBJECTIVATIPROC, glGetVariantArrayObjectivATI)

#define ENTRY_POINTS_GL_ATI_vertex_attrib_array_object(X)                                          \
    X(PFNGLVERTEXATTRIBARRAYOBJECTATIPROC, glVertexAttribArrayObjectATI)                           \
    X(PFNGLGETVERTEXATTRIBARRAYOBJECTFVATIPROC, glGetVertexAttribArrayObjectfvATI)                 \
    X(PFNGLGETVERTEXATTRIBARRAYOBJECTIVATIPROC, glGetVertexAttribArrayObjectivATI)

#define ENTRY_POINTS_GL_ATI_vertex_streams(X)                                                      \
    X(PFNGLVERTEXSTREAM2SATIPROC, glVertexStream2sATI)                                             \
    X(PFNGLVERTEXSTREAM2SVATIPROC, glVertexStream2svATI)                                           \
    X(PFNGLVERTEXSTREAM2IATIPROC, glVertexStream2iATI)                                             \
    X(PFNGLVERTEXSTREAM2IVATIPROC, glVertexStream2ivATI)                                           \
    X(PFNGLVERTEXSTREAM2FATIPROC, glVertexStream2fATI)                                             \
    X(PFNGLVERTEXSTREAM2FVATIPROC, glVertexStream2fvATI)                                           \
    X(PFNGLVERTEXSTREAM2DATIPROC, glVertexStream2dATI)                                             \
    X(PFNGLVERTEXSTREAM2DVATIPROC, glVertexStream2dvATI)                                           \
    X(PFNGLVERTEXSTREAM3SATIPROC, glVertexStream3sATI)                                             \
    X(PFNGLVERTEXSTREAM3SVATIPROC, glVertexStream3svATI)                                           \
    X(PFNGLVERTEXSTREAM3IATIPROC, glVertexStream3iATI)                                             \
    X(PFNGLVERTEXSTREAM3IVATIPROC, glVertexStream3ivATI)                                           \
    X(PFNGLVERTEXSTREAM3FATIPROC, glVertexStream3fATI)                                             \
    X(PFNGLVERTEXSTREAM3FVATIPROC, glVertexStream3fvATI)                                           \
    X(PFNGLVERTEXSTREAM3DATIPROC, glVertexStream3dATI)                                             \
    X(PFNGLVERTEXSTREAM3DVATIPROC, glVertexStream3dvATI)                                           \
    X(PFNGLVERTEXSTREAM4SATIPROC, glVertexStream4sATI)                                             \
    X(PFNGLVERTEXSTREAM4SVATIPROC, glVertexStream4svATI)                                           \
    X(PFNGLVERTEXSTREAM4IATIPROC, glVertexStream4iATI)                                             \
    X(PFNGLVERTEXSTREAM4IVATIPROC, glVertexStream4ivATI)                                           \
    X(PFNGLVERTEXSTREAM4FATIPROC, glVertexStream4fATI)                                             \
    X(PFNGLVERTEXSTREAM4FVATIPROC, glVertexStream4fvATI)                                           \
    X(PFNGLVERTEXSTREAM4DATIPROC, glVertexStream4dATI)                                             \
    X(PFNGLVERTEXSTREAM4DVATIPROC, glVertexStream4dvATI)                                           \
    X(PFNGLNORMALSTREAM3BATIPROC, glNormalStream3bATI)                                             \
    X(PFNGLNORMALSTREAM3BVATIPROC, glNormalStream3bvATI)                                           \
    X(PFNGLNORMALSTREAM3SATIPROC, glNormalStream3sATI)                                             \
    X(PFNGLNORMALSTREAM3SVATIPROC, glNormalStream3svATI)                                           \
    X(PFNGLNORMALSTREAM3IATIPROC, glNormalStream3iATI)                                             \
    X(PFNGLNORMALSTREAM3IVATIPROC, glNormalStream3ivATI)                                           \
    X(PFNGLNORMALSTREAM3FATIPROC, glNormalStream3fATI)                                             \
    X(PFNGLNORMALSTREAM3FVATIPROC, glNormalStream3fvATI)                                           \
    X(PFNGLNORMALSTREAM3DATIPROC, glNormalStream3dATI)                                             \
    X(PFNGLNORMALSTREAM3DVATIPROC, glNormalStream3dvATI)                                           \
    X(PFNGLCLIENTACTIVEVERTEXSTREAMATIPROC, glClientActiveVertexStreamATI)                         \
    X(PFNGLVERTEXBLENDENVIATIPROC, glVertexBlendEnviATI)                                           \
    X(PFNGLVERTEXBLENDENVFATIPROC, glVertexBlendEnvfATI)

#define ENTRY_POINTS_GL_NV_element_array(X)                                                        \
    X(PFNGLELEMENTPOINTERNVPROC, glElementPointerNV)                                               \
    X(PFNGLDRAWELEMENTARRAYNVPROC, glDrawElementArrayNV)                                           \
    X(PFNGLDRAWRANGEELEMENTARRAYNVPROC, glDrawRangeElementArrayNV)                                 \
    X(PFNGLMULTIDRAWELEMENTARRAYNVPROC, glMultiDrawElementArrayNV)                                 \
    X(PFNGLMULTIDRAWRANGEELEMENTARRAYNVPROC, glMultiDrawRangeElementArrayNV)

#define ENTRY_POINTS_GL_NV_fence(X)                                                                \
    X(PFNGLDELETEFENCESNVPROC, glDeleteFencesNV)                                                   \
    X(PFNGLGENFENCESNVPROC, glGenFencesNV)                                                         \
    X(PFNGLISFENCENVPROC, glIsFenceNV)                                                             \
    X(PFNGLTESTFENCENVPROC, glTestFenceNV)                                                         \
    X(PFNGLGETFENCEIVNVPROC, glGetFenceivNV)                                                       \
    X(PFNGLFINISHFENCENVPROC, glFinishFenceNV)                                                     \
    X(PFNGLSETFENCENVPROC, glSetFenceNV)

#define ENTRY_POINTS_GL_NV_fragment_program(X)                                                     \
    X(PFNGLPROGRAMNAMEDPARAMETER4FNVPROC, glProgramNamedParameter4fNV)                             \
    X(PFNGLPROGRAMNAMEDPARAMETER4FVNVPROC, glProgramNamedParameter4fvNV)                           \
    X(PFNGLPROGRAMNAMEDPARAMETER4DNVPROC, glProgramNamedParameter4dNV)                             \
    X(PFNGLPROGRAMNAMEDPARAMETER4DVNVPROC, glProgramNamedParameter4dvNV)                           \
    X(PFNGLGETPROGRAMNAMEDPARAMETERFVNVPROC, glGetProgramNamedParameterfvNV)                       \
    X(PFNGLGETPROGRAMNAMEDPARAMETERDVNVPROC, glGetProgramNamedParameterdvNV)

#define ENTRY_POINTS_GL_NV_half_float_basic(X)                                                     \
    X(PFNGLVERTEX2HNVPROC, glVertex2hNV)                                                           \
    X(PFNGLVERTEX2HVNVPROC, glVertex2hvNV)                                                         \
    X(PFNGLVERTEX3HNVPROC, glVertex3hNV)                                                           \
    X(PFNGLVERTEX3HVNVPROC, glVertex3hvNV)                                                         \
    X(PFNGLVERTEX4HNVPROC, glVertex4hNV)                                                           \
    X(PFNGLVERTEX4HVNVPROC, glVertex4hvNV)                                                         \
    X(PFNGLNORMAL3HNVPROC, glNormal3hNV)                                                           \
    X(PFNGLNORMAL3HVNVPROC, glNormal3hvNV)                                                         \
    X(PFNGLCOLOR3HNVPROC, glColor3hNV)                                                             \
    X(PFNGLCOLOR3HVNVPROC, glColor3hvNV)                                                           \
    X(PFNGLCOLOR4HNVPROC, glColor4hNV)                                                             \
    X(PFNGLCOLOR4HVNVPROC, glColor4hvNV)                                                           \
    X(PFNGLTEXCOORD1HNVPROC, glTexCoord1hNV)                                                       \
    X(PFNGLTEXCOORD1HVNVPROC, glTexCoord1hvNV)                                                     \
    X(PFNGLTEXCOORD2HNVPROC, glTexCoord2hNV)                                                       \
    X(PFNGLTEXCOORD2HVNVPROC, glTexCoord2hvNV)                                                     \
    X(PFNGLTEXCOORD3HNVPROC, glTexCoord3hNV)                                                       \
    X(PFNGLTEXCOORD3HVNVPROC, glTexCoord3hvNV)                                                     \
    X(PFNGLTEXCOORD4HNVPROC, glTexCoord4hNV)                                                       \
    X(PFNGLTEXCOORD4HVNVPROC, glTexCoord4hvNV)

#define ENTRY_POINTS_GL_NV_half_float_multitexture(X)                                              \
    X(PFNGLMULTITEXCOORD1HNVPROC, glMultiTexCoord1hNV)                                             \
    X(PFNGLMULTITEXCOORD1HVNVPROC, glMultiTexCoord1hvNV)                                           \
    X(PFNGLMULTITEXCOORD2HNVPROC, glMultiTexCoord2hNV)                                             \
    X(PFNGLMULTITEXCOORD2HVNVPROC, glMultiTexCoord2hvNV)                                           \
    X(PFNGLMULTITEXCOORD3HNVPROC, glMultiTexCoord3hNV)                                             \
    X(PFNGLMULTITEXCOORD3HVNVPROC, glMultiTexCoord3hvNV)                                           \
    X(PFNGLMULTITEXCOORD4HNVPROC, glMultiTexCoord4hNV)                                             \
    X(PFNGLMULTITEXCOORD4HVNVPROC, glMultiTexCoord4hvNV)

#define ENTRY_POINTS_GL_NV_half_float_fog_coord(X)                                                 \
    X(PFNGLFOGCOORDHNVPROC, glFogCoordhNV)                                                         \
    X(PFNGLFOGCOORDHVNVPROC, glFogCoordhvNV)

#define ENTRY_POINTS_GL_NV_half_float_secondary_color(X)                                           \
    X(PFNGLSECONDARYCOLOR3HNVPROC, glSecondaryColor3hNV)                                           \
    X(PFNGLSECONDARYCOLOR3HVNVPROC, glSecondaryColor3hvNV)

#define ENTRY_POINTS_GL_NV_half_float_vertex_weighting(X)                                          \
    X(PFNGLVERTEXWEIGHTHNVPROC, glVertexWeighthNV)                                                 \
    X(PFNGLVERTEXWEIGHTHVNVPROC, glVertexWeighthvNV)

#define ENTRY_POINTS_GL_NV_half_float_vertex_program(X)                                            \
    X(PFNGLVERTEXATTRIB1HNVPROC, glVertexAttrib1hNV)                                               \
    X(PFNGLVERTEXATTRIB1HVNVPROC, glVertexAttrib1hvNV)                                             \
    X(PFNGLVERTEXATTRIB2HNVPROC, glVertexAttrib2hNV)                                               \
    X(PFNGLVERTEXATTRIB2HVNVPROC, glVertexAttrib2hvNV)                                             \
    X(PFNGLVERTEXATTRIB3HNVPROC, glVertexAttrib3hNV)                                               \
    X(PFNGLVERTEXATTRIB3HVNVPROC, glVertexAttrib3hvNV)                                             \
    X(PFNGLVERTEXATTRIB4HNVPROC, glVertexAttrib4hNV)                                               \
    X(PFNGLVERTEXATTRIB4HVNVPROC, glVertexAttrib4hvNV)                                             \
    X(PFNGLVERTEXATTRIBS1HVNVPROC, glVertexAttribs1hvNV)                                           \
    X(PFNGLVERTEXATTRIBS2HVNVPROC, glVertexAttribs2hvNV)                                           \
    X(PFNGLVERTEXATTRIBS3HVNVPROC, glVertexAttribs3hvNV)                                           \
    X(PFNGLVERTEXATTRIBS4HVNVPROC, glVertexAttribs4hvNV)

#define ENTRY_POINTS_GL_NV_occlusion_query(X)                                                      \
    X(PFNGLGENOCCLUSIONQUERIESNVPROC, glGenOcclusionQueriesNV)                                     \
    X(PFNGLDELETEOCCLUSIONQUERIESNVPROC, glDeleteOcclusionQueriesNV)                               \
    X(PFNGLISOCCLUSIONQUERYNVPROC, glIsOcclusionQueryNV)                                           \
    X(PFNGLBEGINOCCLUSIONQUERYNVPROC, glBeginOcclusionQueryNV)                                     \
    X(PFNGLENDOCCLUSIONQUERYNVPROC, glEndOcclusionQueryNV)                                         \
    X(PFNGLGETOCCLUSIONQUERYIVNVPROC, glGetOcclusionQueryivNV)                                     \
    X(PFNGLGETOCCLUSIONQUERYUIVNVPROC, glGetOcclusionQueryuivNV)

#define ENTRY_POINTS_GL_NV_pixel_data_range(X)                                                     \
    X(PFNGLPIXELDATARANGENVPROC, glPixelDataRangeNV)                                               \
    X(PFNGLFLUSHPIXELDATARANGENVPROC, glFlushPixelDataRangeNV)

#define ENTRY_POINTS_GL_NV_point_sprite(X)                                                         \
    X(PFNGLPOINTPARAMETERINVPROC, glPointParameteriNV)                                             \
    X(PFNGLPOINTPARAMETERIVNVPROC, glPointParameterivNV)

#define ENTRY_POINTS_GL_NV_primitive_restart(X)                                                    \
    X(PFNGLPRIMITIVERESTARTNVPROC, glPrimitiveRestartNV)                                           \
    X(PFNGLPRIMITIVERESTARTINDEXNVPROC, glPrimitiveRestartIndexNV)

#define ENTRY_POINTS_GL_NV_register_combiners(X)                                                   \
    X(PFNGLCOMBINERPARAMETERFVNVPROC, glCombinerParameterfvNV)                                     \
    X(PFNGLCOMBINERPARAMETERFNVPROC, glCombinerParameterfNV)                                       \
    X(PFNGLCOMBINERPARAMETERIVNVPROC, glCombinerParameterivNV)                                     \
    X(PFNGLCOMBINERPARAMETERINVPROC, glCombinerParameteriNV)                                       \
    X(PFNGLCOMBINERINPUTNVPROC, glCombinerInputNV)                                                 \
    X(PFNGLCOMBINEROUTPUTNVPROC, glCombinerOutputNV)                                               \
    X(PFNGLFINALCOMBINERINPUTNVPROC, glFinalCombinerInputNV)                                       \
    X(PFNGLGETCOMBINERINPUTPARAMETERFVNVPROC, glGetCombinerInputParameterfvNV)                     \
    X(PFNGLGETCOMBINERINPUTPARAMETERIVNVPROC, glGetCombinerInputParameterivNV)                     \
    X(PFNGLGETCOMBINEROUTPUTPARAMETERFVNVPROC, glGetCombinerOutputParameterfvNV)                   \
    X(PFNGLGETCOMBINEROUTPUTPARAMETERIVNVPROC, glGetCombinerOutputParameterivNV)                   \
    X(PFNGLGETFINALCOMBINERINPUTPARAMETERFVNVPROC, glGetFinalCombinerInputParameterfvNV)           \
    X(PFNGLGETFINALCOMBINERINPUTPARAMETERIVNVPROC, glGetFinalCombinerInputParameterivNV)

#define ENTRY_POINTS_GL_NV_register_combiners2(X)                                                  \
    X(PFNGLCOMBINERSTAGEPARAMETERFVNVPROC, glCombinerStageParameterfvNV)                           \
    X(PFNGLGETCOMBINERSTAGEPARAMETERFVNVPROC, glGetCombinerStageParameterfvNV)

#define ENTRY_POINTS_GL_NV_vertex_array_range(X)                                                   \
    X(PFNGLFLUSHVERTEXARRAYRANGENVPROC, glFlushVertexArrayRangeNV)                                 \
    X(PFNGLVERTEXARRAYRANGENVPROC, glVertexArrayRangeNV)                                           \
    X(PFNWGLALLOCATEMEMORYNVPROC, wglAllocateMemoryNV)                                             \
    X(PFNWGLFREEMEMORYNVPROC, wglFreeMemoryNV)

#define ENTRY_POINTS_GL_NV_vertex_program(X)                                                       \
    X(PFNGLAREPROGRAMSRESIDENTNVPROC, glAreProgramsResidentNV)                                     \
    X(PFNGLBINDPROGRAMNVPROC, glBindProgramNV)                                                     \
    X(PFNGLDELETEPROGRAMSNVPROC, glDeleteProgramsNV)                                               \
    X(PFNGLEXECUTEPROGRAMNVPROC, glExecuteProgramNV)                                               \
    X(PFNGLGENPROGRAMSNVPROC, glGenProgramsNV)                                                     \
    X(PFNGLGETPROGRAMPARAMETERDVNVPROC, glGetProgramParameterdvNV)                                 \
    X(PFNGLGETPROGRAMPARAMETERFVNVPROC, glGetProgramParameterfvNV)                                 \
    X(PFNGLGETPROGRAMIVNVPROC, glGetProgramivNV)                                                   \
    X(PFNGLGETPROGRAMSTRINGNVPROC, glGetProgramStringNV)                                           \
    X(PFNGLGETTRACKMATRIXIVNVPROC, glGetTrackMatrixivNV)                                           \
    X(PFNGLGETVERTEXATTRIBDVNVPROC, glGetVertexAttribdvNV)                                         \
    X(PFNGLGETVERTEXATTRIBFVNVPROC, glGetVertexAttribfvNV)                                         \
    X(PFNGLGETVERTEXATTRIBIVNVPROC, glGetVertexAttribivNV)                                         \
    X(PFNGLGETVERTEXATTRIBPOINTERVNVPROC, glGetVertexAttribPointervNV)                             \
    X(PFNGLISPROGRAMNVPROC, glIsProgramNV)                                                         \
    X(PFNGLLOADPROGRAMNVPROC, glLoadProgramNV)                                                     \
    X(PFNGLPROGRAMPARAMETER4DNVPROC, glProgramParameter4dNV)                                       \
    X(PFNGLPROGRAMPARAMETER4DVNVPROC, glProgramParameter4dvNV)                                     \
    X(PFNGLPROGRAMPARAMETER4FNVPROC, glProgramParameter4fNV)                                       \
    X(PFNGLPROGRAMPARAMETER4FVNVPROC, glProgramParameter4fvNV)                                     \
    X(PFNGLPROGRAMPARAMETERS4DVNVPROC, glProgramParameters4dvNV)                                   \
    X(PFNGLPROGRAMPARAMETERS4FVNVPROC, glProgramParameters4fvNV)                                   \
    X(PFNGLREQUESTRESIDENTPROGRAMSNVPROC, glRequestResidentProgramsNV)                             \
    X(PFNGLTRACKMATRIXNVPROC, glTrackMatrixNV)                                                     \
    X(PFNGLVERTEXATTRIBPOINTERNVPROC, glVertexAttribPointerNV)                                     \
    X(PFNGLVERTEXATTRIB1DNVPROC, glVertexAttrib1dNV)                                               \
    X(PFNGLVERTEXATTRIB1DVNVPROC, glVertexAttrib1dvNV)                                             \
    X(PFNGLVERTEXATTRIB1FNVPROC, glVertexAttrib1fNV)                                               \
    X(PFNGLVERTEXATTRIB1FVNVPROC, glVertexAttrib1fvNV)                                             \
    X(PFNGLVERTEXATTRIB1SNVPROC, glVertexAttrib1sNV)                                               \
    X(PFNGLVERTEXATTRIB1SVNVPROC, glVertexAttrib1svNV)                                             \
    X(PFNGLVERTEXATTRIB2DNVPROC, glVertexAttrib2dNV)                                               \
    X(PFNGLVERTEXATTRIB2DVNVPROC, glVertexAttrib2dvNV)                                             \
    X(PFNGLVERTEXATTRIB2FNVPROC, glVertexAttrib2fNV)                                               \
    X(PFNGLVERTEXATTRIB2FVNVPROC, glVertexAttrib2fvNV)                                             \
    X(PFNGLVERTEXATTRIB2SNVPROC, glVertexAttrib2sNV)                                               \
    X(PFNGLVERTEXATTRIB2SVNVPROC, glVertexAttrib2svNV)                                             \
    X(PFNGLVERTEXATTRIB3DNVPROC, glVertexAttrib3dNV)                                               \
    X(PFNGLVERTEXATTRIB3DVNVPROC, glVertexAttrib3dvNV)                                             \
    X(PFNGLVERTEXATTRIB3FNVPROC, glVertexAttrib3fNV)                                               \
    X(PFNGLVERTEXATTRIB3FVNVPROC, glVertexAttrib3fvNV)                                             \
    X(PFNGLVERTEXATTRIB3SNVPROC, glVertexAttrib3sNV)                                               \
    X(PFNGLVERTEXATTRIB3SVNVPROC, glVertexAttrib3svNV)                                             \
    X(PFNGLVERTEXATTRIB4DNVPROC, glVertexAttrib4dNV)                                               \
    X(PFNGLVERTEXATTRIB4DVNVPROC, glVertexAttrib4dvNV)                                             \
    X(PFNGLVERTEXATTRIB4FNVPROC, glVertexAttrib4fNV)                                               \
    X(PFNGLVERTEXATTRIB4FVNVPROC, glVertexAttrib4fvNV)                                             \
    X(PFNGLVERTEXATTRIB4SNVPROC, glVertexAttrib4sNV)                                               \
    X(PFNGLVERTEXATTRIB4SVNVPROC, glVertexAttrib4svNV)                                             \
    X(PFNGLVERTEXATTRIB4UBNVPROC, glVertexAttrib4ubNV)                                             \
    X(PFNGLVERTEXATTRIB4UBVNVPROC, glVertexAttrib4ubvNV)                                           \
    X(PFNGLVERTEXATTRIBS1DVNVPROC, glVertexAttribs1dvNV)                                           \
    X(PFNGLVERTEXATTRIBS1FVNVPROC, glVertexAttribs1fvNV)                                           \
    X(PFNGLVERTEXATTRIBS1SVNVPROC, glVertexAttribs1svNV)                                           \
    X(PFNGLVERTEXATTRIBS2DVNVPROC, glVertexAttribs2dvNV)                                           \
    X(PFNGLVERTEXATTRIBS2FVNVPROC, glVertexAttribs2fvNV)                                           \
    X(PFNGLVERTEXATTRIBS2SVNVPROC, glVertexAttribs2svNV)                                           \
    X(PFNGLVERTEXATTRIBS3DVNVPROC, glVertexAttribs3dvNV)                                           \
    X(PFNGLVERTEXATTRIBS3FVNVPROC, glVertexAttribs3fvNV)                                           \
    X(PFNGLVERTEXATTRIBS3SVNVPROC, glVertexAttribs3svNV)                                           \
    X(PFNGLVERTEXATTRIBS4DVNVPROC, glVertexAttribs4dvNV)                                           \
    X(PFNGLVERTEXATTRIBS4FVNVPROC, glVertexAttribs4fvNV)                                           \
    X(PFNGLVERTEXATTRIBS4SVNVPROC, glVertexAttribs4svNV)                                           \
    X(PFNGLVERTEXATTRIBS4UBVNVPROC, glVertexAttribs4ubvNV)

// Every slot once.
#define ENTRY_POINTS_ALL(X)                                                                                                       \
    ENTRY_POINTS_WGL_ARB_buffer_region(X) ENTRY_POINTS_WGL_ARB_make_current_read(X) ENTRY_POINTS_WGL_ARB_pbuffer(                 \
        X) ENTRY_POINTS_WGL_ARB_pixel_format(X) ENTRY_POINTS_WGL_ARB_render_texture(X)                                            \
        ENTRY_POINTS_WGL_EXT_swap_control(X) ENTRY_POINTS_WGL_extensions_string(X) ENTRY_POINTS_GL_VERSION_1_2(                   \
            X) ENTRY_POINTS_GL_VERSION_1_3(X) ENTRY_POINTS_GL_VERSION_1_4(X) ENTRY_POINTS_GL_ARB_imaging(X)                       \
            ENTRY_POINTS_GL_ARB_multitexture(X) ENTRY_POINTS_GL_ARB_vertex_program(X) ENTRY_POINTS_GL_ARB_program(                \
                X) ENTRY_POINTS_GL_ARB_window_pos(X) ENTRY_POINTS_GL_ARB_texture_compression(X)                                   \
                ENTRY_POINTS_GL_ARB_vertex_blend(X) ENTRY_POINTS_GL_ARB_matrix_palette(                                           \
                    X) ENTRY_POINTS_GL_ARB_transpose_matrix(X) ENTRY_POINTS_GL_ARB_point_parameters(X)                            \
                    ENTRY_POINTS_GL_ARB_multisample(X) ENTRY_POINTS_GL_EXT_blend_color(                                           \
                        X) ENTRY_POINTS_GL_EXT_blend_minmax(X) ENTRY_POINTS_GL_EXT_blend_func_separate(X)                         \
                        ENTRY_POINTS_GL_EXT_compiled_vertex_array(X) ENTRY_POINTS_GL_EXT_cull_vertex(                             \
                            X) ENTRY_POINTS_GL_EXT_draw_range_elements(X) ENTRY_POINTS_GL_EXT_fog_coord(X)                        \
                            ENTRY_POINTS_GL_EXT_multi_draw_arrays(X) ENTRY_POINTS_GL_EXT_point_parameters(                        \
                                X) ENTRY_POINTS_GL_EXT_secondary_color(X) ENTRY_POINTS_GL_EXT_stencil_two_side(X)                 \
                                ENTRY_POINTS_GL_EXT_vertex_shader(X) ENTRY_POINTS_GL_EXT_vertex_weighting(                        \
                                    X) ENTRY_POINTS_GL_ATI_draw_buffers(X) ENTRY_POINTS_GL_ATI_element_array(X)                   \
                                    ENTRY_POINTS_GL_ATI_envmap_bumpmap(X) ENTRY_POINTS_GL_ATI_fragment_shader(                    \
                                        X) ENTRY_POINTS_GL_ATI_map_object_buffer(X)                                               \
                                        ENTRY_POINTS_GL_ATI_pn_triangles(X) ENTRY_POINTS_GL_ATI_separate_stencil(                 \
                                            X) ENTRY_POINTS_GL_ATI_vertex_array_object(X)                                         \
                                            ENTRY_POINTS_GL_ATI_vertex_attrib_array_object(X) ENTRY_POINTS_GL_ATI_vertex_streams( \
                                                X) ENTRY_POINTS_GL_NV_element_array(X)                                            \
                                                ENTRY_POINTS_GL_NV_fence(X) ENTRY_POINTS_GL_NV_fragment_program(                  \
                                                    X) ENTRY_POINTS_GL_NV_half_float_basic(X)                                     \
                                                    ENTRY_POINTS_GL_NV_half_float_multitexture(                                   \
                                                        X) ENTRY_POINTS_GL_NV_half_float_fog_coord(X)                             \
                                                        ENTRY_POINTS_GL_NV_half_float_secondary_color(                            \
                                                            X) ENTRY_POINTS_GL_NV_half_float_vertex_weighting(X)                  \
                                                            ENTRY_POINTS_GL_NV_half_float_vertex_program(                         \
                                                                X) ENTRY_POINTS_GL_NV_occlusion_query(X)                          \
                                                                ENTRY_POINTS_GL_NV_pixel_data_range(                              \
                                                                    X) ENTRY_POINTS_GL_NV_point_sprite(X)                         \
                                                                    ENTRY_POINTS_GL_NV_primitive_restart(                         \
                                                                        X)                                                        \
                                                                        ENTRY_POINTS_GL_NV_register_combiners(                    \
                                                                            X)                                                    \
                                                                            ENTRY_POINTS_GL_NV_register_combiners2(               \
                                                                                X)                                                \
                                                                                ENTRY_POINTS_GL_NV_vertex_array_range(            \
                                                                                    X)                                            \
                                                                                    ENTRY_POINTS_GL_NV_vertex_program(            \
                                                                                        X)
