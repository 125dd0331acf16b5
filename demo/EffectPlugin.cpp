#include "demo/EffectPlugin.h"

#include <vornex/plugin.h>

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// More entries than any SDK version has: a table without its end is read no further.
constexpr size_t kMaxRecordSizes = 256;

// The first record the library measured otherwise than the player, or null when all agree.
// Entries the player does not know (a later minor version's) are not compared.
const SdkRecordSize* differingRecord(const SdkRecordSize* theirs, const SdkRecordSize*& ours) {
    ours = sdkRecordSizes();
    for (size_t i = 0; i < kMaxRecordSizes && theirs[i].name && ours->name; ++i, ++ours)
        if (std::strcmp(theirs[i].name, ours->name) != 0 || theirs[i].size != ours->size)
            return &theirs[i];
    return nullptr;
}

// The symbol as its declaration reads (musicOpen(char const*)), or as exported when it
// is no C++ name.
void describeSymbol(const char* symbol, char* text, size_t size) {
    int status = 0;
    char* readable = abi::__cxa_demangle(symbol, nullptr, nullptr, &status);
    std::snprintf(text, size, "%s", status == 0 && readable ? readable : symbol);
    std::free(readable);
}

} // namespace

int EffectPlugin::open(const char* fileName) {
    close();
    refusedSdkVersion_ = 0;
    refusedBuild_ = false;
    failure_[0] = '\0';
    library = native::loadLibrary(fileName);
    if (!library) {
        std::snprintf(failure_, sizeof failure_, "%s", native::libraryError());
        return -1;
    }
    hasFx = reinterpret_cast<HasFxFunction>(native::getLibraryProc(library, "hasFX"));
    getFx = reinterpret_cast<GetFxFunction>(native::getLibraryProc(library, "getFX"));
    const auto sdkVersion =
        reinterpret_cast<SdkVersionFunction>(native::getLibraryProc(library, "vornexSdkVersion"));
    const auto recordSizes = reinterpret_cast<SdkRecordSizesFunction>(
        native::getLibraryProc(library, "vornexSdkRecordSizes"));
    listFx = reinterpret_cast<ListFxFunction>(native::getLibraryProc(library, "listFX"));
    const auto missingImport = reinterpret_cast<SdkMissingImportFunction>(
        native::getLibraryProc(library, "vornexSdkMissingImport"));
    if (hasFx && getFx) {
        // A library without the exports is taken to be of the player's own version and layout.
        const uint32_t version = sdkVersion ? sdkVersion() : kSdkVersion;
        const SdkRecordSize* ours = nullptr;
        const SdkRecordSize* differing =
            recordSizes && recordSizes() ? differingRecord(recordSizes(), ours) : nullptr;
        const char* missing = missingImport ? missingImport() : nullptr;
        if (sdkVersionMajor(version) != kSdkVersionMajor) {
            refusedSdkVersion_ = version;
        } else if (missing) {
            refusedBuild_ = true;
            char symbol[512];
            describeSymbol(missing, symbol, sizeof symbol);
            std::snprintf(failure_, sizeof failure_,
                          "%s uses %s, which this player does not have: built for a later SDK",
                          fileName, symbol);
        } else if (differing) {
            refusedBuild_ = true;
            if (std::strcmp(differing->name, ours->name) == 0)
                std::snprintf(failure_, sizeof failure_,
                              "%s lays out %s in %u bytes, the player in %u: built by another "
                              "compiler or with other options",
                              fileName, ours->name, differing->size, ours->size);
            else
                std::snprintf(failure_, sizeof failure_,
                              "%s lists record %.64s where the player has %s", fileName,
                              differing->name, ours->name);
        } else {
            return 0;
        }
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
