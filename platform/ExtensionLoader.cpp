#include "platform/ExtensionLoader.h"

#include <cstdlib>
#include <cstring>

namespace ext {

GLExtensionFlags gl;
WglExtensionFlags wgl;
bool hasWGLExtensionsStringARB;
bool hasWGLExtensionsStringEXT;
bool openGL12;
bool openGL13;
bool openGL14;

#define EXTENSION_SLOT(type, name) type name;
ENTRY_POINTS_ALL(EXTENSION_SLOT)
#undef EXTENSION_SLOT

namespace {

#define COUNT_ONE(...) +1
static_assert(0 ENTRY_POINTS_ALL(COUNT_ONE) == 609, "one slot per entry-point name");
static_assert(0 EXTENSIONS_GL(COUNT_ONE) == 96, "96 OpenGL extension flags");
static_assert(0 EXTENSIONS_WGL(COUNT_ONE) == 10, "10 window-system extension flags");
#undef COUNT_ONE

// Set when an entry point of a supported extension was not found.
bool missingEntryPoint;

#define LOAD_SLOT(type, name) name = reinterpret_cast<type>(getProc(#name));
#define LOAD_GROUP(group)                                                                          \
    { group(LOAD_SLOT) }

void loadGLGroups() {
    if (openGL12) LOAD_GROUP(ENTRY_POINTS_GL_VERSION_1_2)
    if (openGL13) LOAD_GROUP(ENTRY_POINTS_GL_VERSION_1_3)
    if (openGL14) LOAD_GROUP(ENTRY_POINTS_GL_VERSION_1_4)
    if (gl.ARB_imaging) {
        glBlendColor = reinterpret_cast<PFNGLBLENDCOLORPROC>(getProc("glBlendColor"));
        glBlendEquation = reinterpret_cast<PFNGLBLENDEQUATIONPROC>(getProc("glBlendEquation"));
        LOAD_GROUP(ENTRY_POINTS_GL_ARB_imaging)
    }
    if (gl.ARB_multitexture) LOAD_GROUP(ENTRY_POINTS_GL_ARB_multitexture)
    if (gl.ARB_vertex_program) {
        LOAD_GROUP(ENTRY_POINTS_GL_ARB_vertex_program)
        LOAD_GROUP(ENTRY_POINTS_GL_ARB_program)
    }
    if (gl.ARB_fragment_program) LOAD_GROUP(ENTRY_POINTS_GL_ARB_program)
    if (gl.ARB_window_pos) LOAD_GROUP(ENTRY_POINTS_GL_ARB_window_pos)
    if (gl.ARB_texture_compression) LOAD_GROUP(ENTRY_POINTS_GL_ARB_texture_compression)
    if (gl.ARB_vertex_blend) LOAD_GROUP(ENTRY_POINTS_GL_ARB_vertex_blend)
    if (gl.ARB_matrix_palette) LOAD_GROUP(ENTRY_POINTS_GL_ARB_matrix_palette)
    if (gl.ARB_transpose_matrix) LOAD_GROUP(ENTRY_POINTS_GL_ARB_transpose_matrix)
    if (gl.ARB_point_parameters) LOAD_GROUP(ENTRY_POINTS_GL_ARB_point_parameters)
    if (gl.ARB_multisample) LOAD_GROUP(ENTRY_POINTS_GL_ARB_multisample)
    if (gl.EXT_blend_color) LOAD_GROUP(ENTRY_POINTS_GL_EXT_blend_color)
    if (gl.EXT_blend_minmax) LOAD_GROUP(ENTRY_POINTS_GL_EXT_blend_minmax)
    if (gl.EXT_blend_func_separate) LOAD_GROUP(ENTRY_POINTS_GL_EXT_blend_func_separate)
    if (gl.EXT_compiled_vertex_array) LOAD_GROUP(ENTRY_POINTS_GL_EXT_compiled_vertex_array)
    if (gl.EXT_cull_vertex) LOAD_GROUP(ENTRY_POINTS_GL_EXT_cull_vertex)
    if (gl.EXT_draw_range_elements) LOAD_GROUP(ENTRY_POINTS_GL_EXT_draw_range_elements)
    if (gl.EXT_fog_coord) LOAD_GROUP(ENTRY_POINTS_GL_EXT_fog_coord)
    if (gl.EXT_multi_draw_arrays) LOAD_GROUP(ENTRY_POINTS_GL_EXT_multi_draw_arrays)
    if (gl.EXT_point_parameters) LOAD_GROUP(ENTRY_POINTS_GL_EXT_point_parameters)
    if (gl.EXT_secondary_color) LOAD_GROUP(ENTRY_POINTS_GL_EXT_secondary_color)
    if (gl.EXT_stencil_two_side) LOAD_GROUP(ENTRY_POINTS_GL_EXT_stencil_two_side)
    if (gl.EXT_vertex_shader) LOAD_GROUP(ENTRY_POINTS_GL_EXT_vertex_shader)
    if (gl.EXT_vertex_weighting) LOAD_GROUP(ENTRY_POINTS_GL_EXT_vertex_weighting)
    if (gl.ATI_draw_buffers) LOAD_GROUP(ENTRY_POINTS_GL_ATI_draw_buffers)
    if (gl.ATI_element_array) LOAD_GROUP(ENTRY_POINTS_GL_ATI_element_array)
    if (gl.ATI_envmap_bumpmap) LOAD_GROUP(ENTRY_POINTS_GL_ATI_envmap_bumpmap)
    if (gl.ATI_fragment_shader) LOAD_GROUP(ENTRY_POINTS_GL_ATI_fragment_shader)
    if (gl.ATI_map_object_buffer) LOAD_GROUP(ENTRY_POINTS_GL_ATI_map_object_buffer)
    if (gl.ATI_pn_triangles) LOAD_GROUP(ENTRY_POINTS_GL_ATI_pn_triangles)
    if (gl.ATI_separate_stencil) LOAD_GROUP(ENTRY_POINTS_GL_ATI_separate_stencil)
    if (gl.ATI_vertex_array_object) LOAD_GROUP(ENTRY_POINTS_GL_ATI_vertex_array_object)
    if (gl.ATI_vertex_attrib_array_object) {
        LOAD_GROUP(ENTRY_POINTS_GL_ATI_vertex_attrib_array_object)
    }
    if (gl.ATI_vertex_streams) LOAD_GROUP(ENTRY_POINTS_GL_ATI_vertex_streams)
    if (gl.NV_element_array) LOAD_GROUP(ENTRY_POINTS_GL_NV_element_array)
    if (gl.NV_fence) LOAD_GROUP(ENTRY_POINTS_GL_NV_fence)
    if (gl.NV_fragment_program) LOAD_GROUP(ENTRY_POINTS_GL_NV_fragment_program)
    if (gl.NV_half_float) {
        LOAD_GROUP(ENTRY_POINTS_GL_NV_half_float_basic)
        if (openGL13 || gl.ARB_multitexture) {
            LOAD_GROUP(ENTRY_POINTS_GL_NV_half_float_multitexture)
        }
        if (gl.EXT_fog_coord) LOAD_GROUP(ENTRY_POINTS_GL_NV_half_float_fog_coord)
        if (gl.EXT_secondary_color) LOAD_GROUP(ENTRY_POINTS_GL_NV_half_float_secondary_color)
        if (gl.EXT_vertex_weighting) LOAD_GROUP(ENTRY_POINTS_GL_NV_half_float_vertex_weighting)
        if (gl.NV_vertex_program) LOAD_GROUP(ENTRY_POINTS_GL_NV_half_float_vertex_program)
    }
    if (gl.NV_occlusion_query) LOAD_GROUP(ENTRY_POINTS_GL_NV_occlusion_query)
    if (gl.NV_pixel_data_range) LOAD_GROUP(ENTRY_POINTS_GL_NV_pixel_data_range)
    if (gl.NV_point_sprite) LOAD_GROUP(ENTRY_POINTS_GL_NV_point_sprite)
    if (gl.NV_primitive_restart) LOAD_GROUP(ENTRY_POINTS_GL_NV_primitive_restart)
    if (gl.NV_register_combiners) LOAD_GROUP(ENTRY_POINTS_GL_NV_register_combiners)
    if (gl.NV_register_combiners2) LOAD_GROUP(ENTRY_POINTS_GL_NV_register_combiners2)
    if (gl.NV_vertex_array_range) LOAD_GROUP(ENTRY_POINTS_GL_NV_vertex_array_range)
    if (gl.NV_vertex_program) LOAD_GROUP(ENTRY_POINTS_GL_NV_vertex_program)
}

void loadWglGroups() {
    if (wgl.ARB_buffer_region) LOAD_GROUP(ENTRY_POINTS_WGL_ARB_buffer_region)
    if (wgl.ARB_make_current_read) LOAD_GROUP(ENTRY_POINTS_WGL_ARB_make_current_read)
    if (wgl.ARB_pbuffer) LOAD_GROUP(ENTRY_POINTS_WGL_ARB_pbuffer)
    if (wgl.ARB_pixel_format) LOAD_GROUP(ENTRY_POINTS_WGL_ARB_pixel_format)
    if (wgl.ARB_render_texture) LOAD_GROUP(ENTRY_POINTS_WGL_ARB_render_texture)
    if (wgl.EXT_swap_control) LOAD_GROUP(ENTRY_POINTS_WGL_EXT_swap_control)
}

#undef LOAD_GROUP
#undef LOAD_SLOT

} // namespace

native::Proc getProc(const char* name) {
    native::Proc proc = native::getProcAddress(name);
    if (!proc) missingEntryPoint = true;
    return proc;
}

bool hasToken(const char* list, const char* name) {
    if (!list || !name || name[0] == '\0' || std::strchr(name, ' ')) return false;
    const size_t length = std::strlen(name);
    const char* start = list;
    for (;;) {
        const char* found = std::strstr(start, name);
        if (!found) return false;
        const char* end = found + length;
        if ((found == start || found[-1] == ' ') && (*end == ' ' || *end == '\0')) return true;
        start = end;
    }
}

void applyVersion(const char* version) {
    if (!version) return;
    openGL12 = openGL13 = openGL14 = false;
    // The string begins "<major>.<minor>"; every version from 2.0 on contains 1.4. Looking
    // only for "1." would read a later number of the string, such as the driver's own
    // release ("4.5 (Compatibility Profile) Mesa 21.1.3").
    char* end = nullptr;
    const long major = std::strtol(version, &end, 10);
    if (end != version && *end == '.' && major >= 2) {
        openGL12 = openGL13 = openGL14 = true;
        return;
    }
    const char* one = std::strstr(version, "1.");
    if (!one) return;
    const char minor = one[2];
    if (minor >= '4') {
        openGL12 = openGL13 = openGL14 = true;
    } else if (minor == '3') {
        openGL12 = openGL13 = true;
    } else if (minor == '2') {
        openGL12 = true;
    }
}

bool isGLExtensionSupported(const char* name) {
    return hasToken(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), name);
}

bool isWGLExtensionSupported(const char* name) {
    if (!name || name[0] == '\0' || std::strchr(name, ' ')) return false;
    const char* list = nullptr;
    if (wglGetExtensionsStringARB) {
        list = wglGetExtensionsStringARB(native::getCurrentDC());
    } else if (wglGetExtensionsStringEXT) {
        list = wglGetExtensionsStringEXT();
    }
    return hasToken(list, name);
}

bool initExtensions() {
    missingEntryPoint = false;
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version) {
        applyVersion(version);
#define QUERY_GL(name) gl.name = isGLExtensionSupported("GL_" #name);
        EXTENSIONS_GL(QUERY_GL)
#undef QUERY_GL
        loadGLGroups();
    }

    missingEntryPoint = false;
    wglGetExtensionsStringARB =
        reinterpret_cast<PFNWGLGETEXTENSIONSSTRINGARBPROC>(getProc("wglGetExtensionsStringARB"));
    wglGetExtensionsStringEXT =
        reinterpret_cast<PFNWGLGETEXTENSIONSSTRINGEXTPROC>(getProc("wglGetExtensionsStringEXT"));
    hasWGLExtensionsStringARB = wglGetExtensionsStringARB != nullptr;
    hasWGLExtensionsStringEXT = wglGetExtensionsStringEXT != nullptr;
    missingEntryPoint = false;
#define QUERY_WGL(name) wgl.name = isWGLExtensionSupported("WGL_" #name);
    EXTENSIONS_WGL(QUERY_WGL)
#undef QUERY_WGL
    loadWglGroups();
    return missingEntryPoint;
}

} // namespace ext
