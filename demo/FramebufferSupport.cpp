#include "demo/FramebufferSupport.h"

#include "platform/ExtensionLoader.h"

#include <cstdio>
#include <cstdlib>

namespace {

template <typename Function> bool find(Function& target, const char* name, const char* suffix) {
    char full[64];
    std::snprintf(full, sizeof full, "%s%s", name, suffix);
    target = reinterpret_cast<Function>(ext::getProc(full));
    return target != nullptr;
}

bool resolve(FramebufferCalls& calls) {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version) return false;
    const char* suffix = nullptr;
    if (std::atoi(version) >= 3 || ext::isGLExtensionSupported("GL_ARB_framebuffer_object"))
        suffix = "";
    else if (ext::isGLExtensionSupported("GL_EXT_framebuffer_object"))
        suffix = "EXT";
    if (!suffix) return false;
    return find(calls.genFramebuffers, "glGenFramebuffers", suffix) &&
           find(calls.deleteFramebuffers, "glDeleteFramebuffers", suffix) &&
           find(calls.bindFramebuffer, "glBindFramebuffer", suffix) &&
           find(calls.framebufferTexture2D, "glFramebufferTexture2D", suffix) &&
           find(calls.genRenderbuffers, "glGenRenderbuffers", suffix) &&
           find(calls.deleteRenderbuffers, "glDeleteRenderbuffers", suffix) &&
           find(calls.bindRenderbuffer, "glBindRenderbuffer", suffix) &&
           find(calls.renderbufferStorage, "glRenderbufferStorage", suffix) &&
           find(calls.framebufferRenderbuffer, "glFramebufferRenderbuffer", suffix) &&
           find(calls.checkFramebufferStatus, "glCheckFramebufferStatus", suffix);
}

} // namespace

const FramebufferCalls* framebufferCalls() {
    static FramebufferCalls calls;
    static int state = 0; // 0 not tried, 1 ready, -1 unavailable
    if (state == 0) state = resolve(calls) ? 1 : -1;
    return state == 1 ? &calls : nullptr;
}
