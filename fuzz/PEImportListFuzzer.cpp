// Feeds arbitrary bytes to the reader of a Windows image's imported DLL names, and touches
// every byte of every name it returns. The golden table's line for a seed is the reader's
// result, the count of names (as the width), their total length (as the height) and the
// FNV-1a hash of the names, each followed by a NUL.
#include "SeedOutcome.h"
#include "platform/native/PEImportList.h"

#include <cstring>

namespace {

native::PEImportList& sharedList() {
    static native::PEImportList list;
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    native::PEImportList& list = sharedList();
    if (list.read(data, size) != 0) return 0;
    volatile size_t length = 0;
    for (size_t i = 0; i < list.count(); ++i) length += std::strlen(list.name(i));
    (void)length;
    return 0;
}

SeedOutcome fuzzSeedOutcome(const uint8_t* data, size_t size) {
    native::PEImportList& list = sharedList();
    SeedOutcome outcome;
    outcome.result = list.read(data, size);
    outcome.width = static_cast<int>(list.count());
    uint64_t hash = 0xcbf29ce484222325ull;
    for (size_t i = 0; i < list.count(); ++i) {
        const char* name = list.name(i);
        const size_t length = std::strlen(name);
        outcome.height += static_cast<int>(length);
        for (size_t at = 0; at <= length; ++at)
            hash = (hash ^ static_cast<uint8_t>(name[at])) * 0x100000001b3ull;
    }
    outcome.pixelHash = list.count() ? hash : 0;
    return outcome;
}
