// A GL entry point beyond 1.1, looked up through the host's loader.
#pragma once

#include <vornex/HostGL.h>

// Fills `target`; false when the driver lacks the function.
template <typename Function> bool findGLEntryPoint(Function& target, const char* name) {
    target = reinterpret_cast<Function>(hostGLProc(name));
    return target != nullptr;
}
