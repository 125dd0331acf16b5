#include "ShaderCalls.h"

#ifdef _WIN32
// The GL headers are used without windows.h elsewhere; here it declares wglGetProcAddress.
#undef APIENTRY
#undef WINGDIAPI
#undef CALLBACK
#include <windows.h>
#else
#include <GL/glx.h>
#endif

#include <cstdlib>

namespace {

template <typename Function> bool find(Function& target, const char* name) {
#ifdef _WIN32
    // Through the generic function type, which any entry point may be cast to and from.
    target = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
#else
    target =
        reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
#endif
    return target != nullptr;
}

bool resolve(ShaderCalls& calls) {
    // The version string tells whether the entry points may be called, not just found.
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version || std::atoi(version) < 2) return false;
    return find(calls.createShader, "glCreateShader") &&
           find(calls.shaderSource, "glShaderSource") &&
           find(calls.compileShader, "glCompileShader") &&
           find(calls.getShaderiv, "glGetShaderiv") &&
           find(calls.getShaderInfoLog, "glGetShaderInfoLog") &&
           find(calls.deleteShader, "glDeleteShader") &&
           find(calls.createProgram, "glCreateProgram") &&
           find(calls.attachShader, "glAttachShader") && find(calls.linkProgram, "glLinkProgram") &&
           find(calls.getProgramiv, "glGetProgramiv") &&
           find(calls.getProgramInfoLog, "glGetProgramInfoLog") &&
           find(calls.deleteProgram, "glDeleteProgram") && find(calls.useProgram, "glUseProgram") &&
           find(calls.getUniformLocation, "glGetUniformLocation") &&
           find(calls.uniform1f, "glUniform1f") && find(calls.uniform2f, "glUniform2f") &&
           find(calls.uniform3f, "glUniform3f") && find(calls.uniform1i, "glUniform1i") &&
           find(calls.activeTexture, "glActiveTexture");
}

} // namespace

const ShaderCalls* shaderCalls() {
    static ShaderCalls calls;
    static int state = 0; // 0 not tried, 1 ready, -1 unavailable
    if (state == 0) state = resolve(calls) ? 1 : -1;
    return state == 1 ? &calls : nullptr;
}
