#include "demo/EffectPlugin.h"

int EffectPlugin::open(const char* fileName) {
    close();
    library = native::loadLibrary(fileName);
    if (!library) return -1;
    hasFx = reinterpret_cast<HasFxFunction>(native::getLibraryProc(library, "hasFX"));
    getFx = reinterpret_cast<GetFxFunction>(native::getLibraryProc(library, "getFX"));
    listFx = reinterpret_cast<ListFxFunction>(native::getLibraryProc(library, "listFX"));
    if (hasFx && getFx) return 0;
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
    listFx = nullptr;
}
