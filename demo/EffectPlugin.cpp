#include "demo/EffectPlugin.h"

#include <cstdio>

int EffectPlugin::open(const char* fileName) {
    close();
    library = native::loadLibrary(fileName);
    if (!library) {
        std::snprintf(failure_, sizeof failure_, "%s", native::libraryError());
        return -1;
    }
    hasFx = reinterpret_cast<HasFxFunction>(native::getLibraryProc(library, "hasFX"));
    getFx = reinterpret_cast<GetFxFunction>(native::getLibraryProc(library, "getFX"));
    if (hasFx && getFx) {
        failure_[0] = '\0';
        return 0;
    }
    std::snprintf(failure_, sizeof failure_, "%s exports no %s: not an effect plugin", fileName,
                  hasFx ? "getFX" : "hasFX");
    close();
    return -1;
}

Effect* EffectPlugin::createEffect(const char* type) {
    if (!hasFx || !getFx || !hasFx(type)) return nullptr;
    return getFx(type);
}

void EffectPlugin::close() {
    if (library) native::freeLibrary(library);
    library = nullptr;
    hasFx = nullptr;
    getFx = nullptr;
}
