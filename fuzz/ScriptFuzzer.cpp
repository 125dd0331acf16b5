// Script reader: any bytes, parsed from memory; includes resolve below a data folder
// that does not exist, so they read nothing.
#include "io/MemoryStream.h"
#include "script/ScriptDocument.h"

#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> text(data, data + size);
    text.push_back(0);
    MemoryStream stream(text.data(), static_cast<uint32_t>(size));
    ScriptDocument document;
    document.parseElements(document, stream);
    return 0;
}
