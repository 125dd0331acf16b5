// The entry points of the ATI extensions the loader covers.
// One X(type, name) per slot, grouped by the extension (or core version) that loads them;
// names and types follow glext.h and the Khronos extension specifications.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

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

// Every slot of the family, in the order above.
// clang-format off
#define ENTRY_POINTS_ATI(X) \
    ENTRY_POINTS_GL_ATI_draw_buffers(X) \
    ENTRY_POINTS_GL_ATI_element_array(X) \
    ENTRY_POINTS_GL_ATI_envmap_bumpmap(X) \
    ENTRY_POINTS_GL_ATI_fragment_shader(X) \
    ENTRY_POINTS_GL_ATI_map_object_buffer(X) \
    ENTRY_POINTS_GL_ATI_pn_triangles(X) \
    ENTRY_POINTS_GL_ATI_separate_stencil(X) \
    ENTRY_POINTS_GL_ATI_vertex_array_object(X) \
    ENTRY_POINTS_GL_ATI_vertex_attrib_array_object(X) \
    ENTRY_POINTS_GL_ATI_vertex_streams(X)
// clang-format on
