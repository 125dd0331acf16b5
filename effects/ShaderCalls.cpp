#include "ShaderCalls.h"

#include <vornex/HostGL.h>

#include <cstdlib>

namespace {

template <typename Function> bool find(Function& target, const char* name) {
    target = reinterpret_cast<Function>(hostGLProc(name));
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
           find(calls.uniform3f, "glUniform3f") && find(calls.uniform4f, "glUniform4f") &&
           find(calls.uniform3fv, "glUniform3fv") && find(calls.uniform1i, "glUniform1i") &&
           find(calls.activeTexture, "glActiveTexture") &&
           find(calls.getActiveUniform, "glGetActiveUniform");
}

} // namespace

const ShaderCalls* shaderCalls() {
    static ShaderCalls calls;
    static int state = 0; // 0 not tried, 1 ready, -1 unavailable
    if (state == 0) state = resolve(calls) ? 1 : -1;
    return state == 1 ? &calls : nullptr;
}
