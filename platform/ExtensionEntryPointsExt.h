// The entry points of the EXT extensions the loader covers.
// One X(type, name) per slot, grouped by the extension (or core version) that loads them;
// names and types follow glext.h and the Khronos extension specifications.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

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

// Every slot of the family, in the order above.
// clang-format off
#define ENTRY_POINTS_EXT(X) \
    ENTRY_POINTS_GL_EXT_blend_color(X) \
    ENTRY_POINTS_GL_EXT_blend_minmax(X) \
    ENTRY_POINTS_GL_EXT_blend_func_separate(X) \
    ENTRY_POINTS_GL_EXT_compiled_vertex_array(X) \
    ENTRY_POINTS_GL_EXT_cull_vertex(X) \
    ENTRY_POINTS_GL_EXT_draw_range_elements(X) \
    ENTRY_POINTS_GL_EXT_fog_coord(X) \
    ENTRY_POINTS_GL_EXT_multi_draw_arrays(X) \
    ENTRY_POINTS_GL_EXT_point_parameters(X) \
    ENTRY_POINTS_GL_EXT_secondary_color(X) \
    ENTRY_POINTS_GL_EXT_stencil_two_side(X) \
    ENTRY_POINTS_GL_EXT_vertex_shader(X) \
    ENTRY_POINTS_GL_EXT_vertex_weighting(X)
// clang-format on
