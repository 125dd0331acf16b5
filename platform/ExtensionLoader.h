// Which OpenGL version and which OpenGL and window-system extensions the driver offers,
// and the entry points of every supported extension. Process-wide state filled by
// initExtensions() with a context current; never released. The window-system ("WGL")
// extensions are the equivalents the native back end can honour.
#pragma once

#include "platform/ExtensionEntryPoints.h"

// Query order of the OpenGL extension flags.
#define EXTENSIONS_GL(X)                                                                           \
    X(ARB_depth_texture)                                                                           \
    X(ARB_fragment_program)                                                                        \
    X(ARB_imaging)                                                                                 \
    X(ARB_matrix_palette)                                                                          \
    X(ARB_multisample)                                                                             \
    X(ARB_multitexture)                                                                            \
    X(ARB_point_parameters)                                                                        \
    X(ARB_shadow)                                                                                  \
    X(ARB_shadow_ambient)                                                                          \
    X(ARB_texture_border_clamp)                                                                    \
    X(ARB_texture_compression)                                                                     \
    X(ARB_texture_cube_map)                                                                        \
    X(ARB_texture_env_add)                                                                         \
    X(ARB_texture_env_combine)                                                                     \
    X(ARB_texture_env_crossbar)                                                                    \
    X(ARB_texture_env_dot3)                                                                        \
    X(ARB_texture_mirrored_repeat)                                                                 \
    X(ARB_transpose_matrix)                                                                        \
    X(ARB_vertex_blend)                                                                            \
    X(ARB_vertex_program)                                                                          \
    X(ARB_window_pos)                                                                              \
    X(EXT_abgr)                                                                                    \
    X(EXT_bgra)                                                                                    \
    X(EXT_blend_color)                                                                             \
    X(EXT_blend_func_separate)                                                                     \
    X(EXT_blend_minmax)                                                                            \
    X(EXT_blend_subtract)                                                                          \
    X(EXT_compiled_vertex_array)                                                                   \
    X(EXT_cull_vertex)                                                                             \
    X(EXT_draw_range_elements)                                                                     \
    X(EXT_fog_coord)                                                                               \
    X(EXT_multi_draw_arrays)                                                                       \
    X(EXT_point_parameters)                                                                        \
    X(EXT_secondary_color)                                                                         \
    X(EXT_separate_specular_color)                                                                 \
    X(EXT_shadow_funcs)                                                                            \
    X(EXT_stencil_two_side)                                                                        \
    X(EXT_stencil_wrap)                                                                            \
    X(EXT_texture_compression_s3tc)                                                                \
    X(EXT_texture_env_combine)                                                                     \
    X(EXT_texture_filter_anisotropic)                                                              \
    X(EXT_texture_lod_bias)                                                                        \
    X(EXT_vertex_shader)                                                                           \
    X(EXT_vertex_weighting)                                                                        \
    X(ATI_draw_buffers)                                                                            \
    X(ATI_element_array)                                                                           \
    X(ATI_envmap_bumpmap)                                                                          \
    X(ATI_fragment_shader)                                                                         \
    X(ATI_map_object_buffer)                                                                       \
    X(ATI_pn_triangles)                                                                            \
    X(ATI_point_cull_mode)                                                                         \
    X(ATI_separate_stencil)                                                                        \
    X(ATI_text_fragment_shader)                                                                    \
    X(ATI_texture_env_combine3)                                                                    \
    X(ATI_texture_float)                                                                           \
    X(ATI_texture_mirror_once)                                                                     \
    X(ATI_vertex_array_object)                                                                     \
    X(ATI_vertex_attrib_array_object)                                                              \
    X(ATI_vertex_streams)                                                                          \
    X(ATIX_point_sprites)                                                                          \
    X(ATIX_texture_env_route)                                                                      \
    X(HP_occlusion_test)                                                                           \
    X(NV_blend_square)                                                                             \
    X(NV_copy_depth_to_color)                                                                      \
    X(NV_depth_clamp)                                                                              \
    X(NV_element_array)                                                                            \
    X(NV_evaluators)                                                                               \
    X(NV_fence)                                                                                    \
    X(NV_float_buffer)                                                                             \
    X(NV_fog_distance)                                                                             \
    X(NV_fragment_program)                                                                         \
    X(NV_half_float)                                                                               \
    X(NV_light_max_exponent)                                                                       \
    X(NV_occlusion_query)                                                                          \
    X(NV_packed_depth_stencil)                                                                     \
    X(NV_pixel_data_range)                                                                         \
    X(NV_point_sprite)                                                                             \
    X(NV_primitive_restart)                                                                        \
    X(NV_register_combiners)                                                                       \
    X(NV_register_combiners2)                                                                      \
    X(NV_texgen_reflection)                                                                        \
    X(NV_texture_env_combine4)                                                                     \
    X(NV_texture_expand_normal)                                                                    \
    X(NV_texture_rectangle)                                                                        \
    X(NV_texture_shader)                                                                           \
    X(NV_texture_shader2)                                                                          \
    X(NV_texture_shader3)                                                                          \
    X(NV_vertex_array_range)                                                                       \
    X(NV_vertex_array_range2)                                                                      \
    X(NV_vertex_program)                                                                           \
    X(NV_vertex_program1_1)                                                                        \
    X(NV_vertex_program2)                                                                          \
    X(SGIS_generate_mipmap)                                                                        \
    X(SGIS_texture_lod)                                                                            \
    X(SGIX_depth_texture)                                                                          \
    X(SGIX_shadow)

// Query order of the window-system extension flags.
#define EXTENSIONS_WGL(X)                                                                          \
    X(ARB_buffer_region)                                                                           \
    X(ARB_make_current_read)                                                                       \
    X(ARB_multisample)                                                                             \
    X(ARB_pbuffer)                                                                                 \
    X(ARB_pixel_format)                                                                            \
    X(ARB_render_texture)                                                                          \
    X(ATI_pixel_format_float)                                                                      \
    X(EXT_swap_control)                                                                            \
    X(NV_render_depth_texture)                                                                     \
    X(NV_render_texture_rectangle)

namespace ext {

// One flag per OpenGL extension, named without the "GL_" prefix (ext::gl.ARB_multitexture).
struct GLExtensionFlags {
#define EXTENSION_FLAG(name) bool name;
    EXTENSIONS_GL(EXTENSION_FLAG)
};
// One flag per window-system extension, without the "WGL_" prefix.
struct WglExtensionFlags {
    EXTENSIONS_WGL(EXTENSION_FLAG)
#undef EXTENSION_FLAG
};

extern GLExtensionFlags gl;
extern WglExtensionFlags wgl;
// The two window-system extension-string entry points were found.
extern bool hasWGLExtensionsStringARB;
extern bool hasWGLExtensionsStringEXT;
// Core versions.
extern bool openGL12;
extern bool openGL13;
extern bool openGL14;

#define EXTENSION_SLOT(type, name) extern type name;
ENTRY_POINTS_ALL(EXTENSION_SLOT)
#undef EXTENSION_SLOT

// Detects the version and the extensions and loads the entry points of every supported
// one. Needs a current context; without one the OpenGL flags keep their values. Returns
// true when some entry point of a supported extension was missing.
bool initExtensions();
// Whole-token match in the GL_EXTENSIONS string.
bool isGLExtensionSupported(const char* name);
// Whole-token match in the window-system extension string.
bool isWGLExtensionSupported(const char* name);
// The entry point through the native layer; a null result marks the loader's failure.
native::Proc getProc(const char* name);

// The token rule on any blank-separated list: a name that is empty or holds a blank never
// matches; an occurrence counts when it starts the list or follows a blank, and ends the
// list or precedes a blank.
bool hasToken(const char* list, const char* name);
// Sets the three version flags from a GL_VERSION string (null: no context, flags kept).
// A version of 2.0 or later sets all three; a 1.x version by its minor digit.
void applyVersion(const char* version);

} // namespace ext
