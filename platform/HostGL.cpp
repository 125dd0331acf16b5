#include <vornex/HostGL.h>

#include "platform/native/Native.h"

HostGLProc hostGLProc(const char* name) {
    if (!name || name[0] == '\0') return nullptr;
    return native::getProcAddress(name);
}
