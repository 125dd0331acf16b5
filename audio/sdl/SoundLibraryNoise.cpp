#include "audio/sdl/SoundLibraryNoise.h"

#include <dlfcn.h>

namespace {

// snd_lib_error_handler_t of <alsa/error.h>.
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int error,
                                  const char* format, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler handler);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void silenceSoundLibraryErrors() {
    static bool silenced = false;
    if (silenced) return;
    silenced = true;
    // SDL loads the library at run time, and so does this: the handler is the library's
    // process-wide state. The handle is kept, so the library stays loaded with the handler
    // when SDL lets go of it.
    void* library = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!library) return;
    const auto setHandler =
        reinterpret_cast<SetAlsaErrorHandler>(dlsym(library, "snd_lib_error_set_handler"));
    if (setHandler) setHandler(ignoreAlsaError);
}
