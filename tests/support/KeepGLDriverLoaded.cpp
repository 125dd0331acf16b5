// Linked into the sanitized programs that open a GL context. LeakSanitizer names a leak by
// the library that made it, and the lines of tests/lsan-suppressions.txt name Mesa's
// driver; but the driver is unloaded with the last context, after which its leaks have no
// name. Opened here first and marked never to be unloaded, it stays. (Preloading it would
// load it into every program a test starts as well, at a cost each time.)
#include <dlfcn.h>

namespace {

__attribute__((constructor)) void keepGLDriverLoaded() {
    dlopen(VORNEX_GL_DRIVER, RTLD_NOW | RTLD_NODELETE);
}

} // namespace
