// The entry points of the ARB extensions the loader covers. ARB_vertex_program and
// ARB_fragment_program both load the program functions of ENTRY_POINTS_GL_ARB_program.
// One X(type, name) per slot, grouped by the extension (or core version) that loads them;
// names and types follow glext.h and the Khronos extension specifications.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

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

// Every slot of the family, in the order above.
// clang-format off
#define ENTRY_POINTS_ARB(X) \
    ENTRY_POINTS_GL_ARB_imaging(X) \
    ENTRY_POINTS_GL_ARB_multitexture(X) \
    ENTRY_POINTS_GL_ARB_vertex_program(X) \
    ENTRY_POINTS_GL_ARB_program(X) \
    ENTRY_POINTS_GL_ARB_window_pos(X) \
    ENTRY_POINTS_GL_ARB_texture_compression(X) \
    ENTRY_POINTS_GL_ARB_vertex_blend(X) \
    ENTRY_POINTS_GL_ARB_matrix_palette(X) \
    ENTRY_POINTS_GL_ARB_transpose_matrix(X) \
    ENTRY_POINTS_GL_ARB_point_parameters(X) \
    ENTRY_POINTS_GL_ARB_multisample(X)
// clang-format on
