#include "ShaderCalls.h"

#include "GLEntryPoint.h"

#include <cstdlib>

namespace {

bool resolve(ShaderCalls& calls) {
    // The version string tells whether the entry points may be called, not just found.
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version || std::atoi(version) < 2) return false;
    return findGLEntryPoint(calls.createShader, "glCreateShader") &&
           findGLEntryPoint(calls.shaderSource, "glShaderSource") &&
           findGLEntryPoint(calls.compileShader, "glCompileShader") &&
           findGLEntryPoint(calls.getShaderiv, "glGetShaderiv") &&
           findGLEntryPoint(calls.getShaderInfoLog, "glGetShaderInfoLog") &&
           findGLEntryPoint(calls.deleteShader, "glDeleteShader") &&
           findGLEntryPoint(calls.createProgram, "glCreateProgram") &&
           findGLEntryPoint(calls.attachShader, "glAttachShader") &&
           findGLEntryPoint(calls.linkProgram, "glLinkProgram") &&
           findGLEntryPoint(calls.getProgramiv, "glGetProgramiv") &&
           findGLEntryPoint(calls.getProgramInfoLog, "glGetProgramInfoLog") &&
           findGLEntryPoint(calls.deleteProgram, "glDeleteProgram") &&
           findGLEntryPoint(calls.useProgram, "glUseProgram") &&
           findGLEntryPoint(calls.getUniformLocation, "glGetUniformLocation") &&
           findGLEntryPoint(calls.uniform1f, "glUniform1f") &&
           findGLEntryPoint(calls.uniform2f, "glUniform2f") &&
           findGLEntryPoint(calls.uniform3f, "glUniform3f") &&
           findGLEntryPoint(calls.uniform4f, "glUniform4f") &&
           findGLEntryPoint(calls.uniform3fv, "glUniform3fv") &&
           findGLEntryPoint(calls.uniform1i, "glUniform1i") &&
           findGLEntryPoint(calls.activeTexture, "glActiveTexture") &&
           findGLEntryPoint(calls.getActiveUniform, "glGetActiveUniform");
}

} // namespace

const ShaderCalls* shaderCalls() {
    static ShaderCalls calls;
    static int state = 0; // 0 not tried, 1 ready, -1 unavailable
    if (state == 0) state = resolve(calls) ? 1 : -1;
    return state == 1 ? &calls : nullptr;
}
