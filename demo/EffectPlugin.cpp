#include "demo/EffectPlugin.h"

#include <vornex/plugin.h>

#include <cstdio>

int EffectPlugin::open(const char* fileName) {
    close();
    refusedSdkVersion_ = 0;
    library = native::loadLibrary(fileName);
    if (!library) {
        std::snprintf(failure_, sizeof failure_, "%s", native::libraryError());
        return -1;
    }
    hasFx = reinterpret_cast<HasFxFunction>(native::getLibraryProc(library, "hasFX"));
    getFx = reinterpret_cast<GetFxFunction>(native::getLibraryProc(library, "getFX"));
    const auto sdkVersion =
        reinterpret_cast<SdkVersionFunction>(native::getLibraryProc(library, "vornexSdkVersion"));
    listFx = reinterpret_cast<ListFxFunction>(native::getLibraryProc(library, "listFX"));
    if (hasFx && getFx) {
        // A library without the export is taken to be of the player's own version.
        const uint32_t version = sdkVersion ? sdkVersion() : kSdkVersion;
        if (sdkVersionMajor(version) == kSdkVersionMajor) {
            failure_[0] = '\0';
            return 0;
        }
        refusedSdkVersion_ = version;
    } else {
        std::snprintf(failure_, sizeof failure_, "%s exports no %s: not an effect plugin", fileName,
                      hasFx ? "getFX" : "hasFX");
    }
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
