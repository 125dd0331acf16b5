// The OpenGL 2.0 calls the shader effect needs, resolved once through the host's
// hostGLProc, so the plugin needs no window-system header.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

struct ShaderCalls {
    PFNGLCREATESHADERPROC createShader;
    PFNGLSHADERSOURCEPROC shaderSource;
    PFNGLCOMPILESHADERPROC compileShader;
    PFNGLGETSHADERIVPROC getShaderiv;
    PFNGLGETSHADERINFOLOGPROC getShaderInfoLog;
    PFNGLDELETESHADERPROC deleteShader;
    PFNGLCREATEPROGRAMPROC createProgram;
    PFNGLATTACHSHADERPROC attachShader;
    PFNGLLINKPROGRAMPROC linkProgram;
    PFNGLGETPROGRAMIVPROC getProgramiv;
    PFNGLGETPROGRAMINFOLOGPROC getProgramInfoLog;
    PFNGLDELETEPROGRAMPROC deleteProgram;
    PFNGLUSEPROGRAMPROC useProgram;
    PFNGLGETUNIFORMLOCATIONPROC getUniformLocation;
    PFNGLUNIFORM1FPROC uniform1f;
    PFNGLUNIFORM2FPROC uniform2f;
    PFNGLUNIFORM3FPROC uniform3f;
    PFNGLUNIFORM4FPROC uniform4f;
    PFNGLUNIFORM3FVPROC uniform3fv;
    PFNGLUNIFORM1IPROC uniform1i;
    PFNGLACTIVETEXTUREPROC activeTexture;
    PFNGLGETACTIVEUNIFORMPROC getActiveUniform;
};

// The calls, or null when the driver lacks one of them (OpenGL before 2.0).
const ShaderCalls* shaderCalls();
