// The entry points of the NV extensions the loader covers. GL_NV_half_float loads its basic
// forms, and the other lists as the extensions they complete are present. The types of
// NV_element_array and of the window-system memory calls of NV_vertex_array_range, which
// glext.h on Linux does not carry, are declared here.
// One X(type, name) per slot, grouped by the extension (or core version) that loads them;
// names and types follow glext.h and the Khronos extension specifications.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

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

// Every slot of the family, in the order above.
// clang-format off
#define ENTRY_POINTS_NV(X) \
    ENTRY_POINTS_GL_NV_element_array(X) \
    ENTRY_POINTS_GL_NV_fence(X) \
    ENTRY_POINTS_GL_NV_fragment_program(X) \
    ENTRY_POINTS_GL_NV_half_float_basic(X) \
    ENTRY_POINTS_GL_NV_half_float_multitexture(X) \
    ENTRY_POINTS_GL_NV_half_float_fog_coord(X) \
    ENTRY_POINTS_GL_NV_half_float_secondary_color(X) \
    ENTRY_POINTS_GL_NV_half_float_vertex_weighting(X) \
    ENTRY_POINTS_GL_NV_half_float_vertex_program(X) \
    ENTRY_POINTS_GL_NV_occlusion_query(X) \
    ENTRY_POINTS_GL_NV_pixel_data_range(X) \
    ENTRY_POINTS_GL_NV_point_sprite(X) \
    ENTRY_POINTS_GL_NV_primitive_restart(X) \
    ENTRY_POINTS_GL_NV_register_combiners(X) \
    ENTRY_POINTS_GL_NV_register_combiners2(X) \
    ENTRY_POINTS_GL_NV_vertex_array_range(X) \
    ENTRY_POINTS_GL_NV_vertex_program(X)
// clang-format on
