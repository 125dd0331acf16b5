// The entry points of the core versions 1.2 to 1.4, loaded when the context reports the
// version. ARB_imaging also loads glBlendColor and glBlendEquation of the 1.4 list.
// One X(type, name) per slot, grouped by the extension (or core version) that loads them;
// names and types follow glext.h and the Khronos extension specifications.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

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

// Every slot of the family, in the order above.
// clang-format off
#define ENTRY_POINTS_GL_CORE(X) \
    ENTRY_POINTS_GL_VERSION_1_2(X) \
    ENTRY_POINTS_GL_VERSION_1_3(X) \
    ENTRY_POINTS_GL_VERSION_1_4(X)
// clang-format on
