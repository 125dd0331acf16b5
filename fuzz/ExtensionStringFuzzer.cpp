// The extension strings and the version string come from the driver: the token rule and
// the version reading must stay inside any bytes. Input: name, a NUL, then the list (also
// read as a version string).
#include "platform/ExtensionLoader.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string name = input.substr(0, split);
    const std::string list = split == std::string::npos ? std::string() : input.substr(split + 1);
    ext::hasToken(list.c_str(), name.c_str());
    ext::applyVersion(list.c_str());
    return 0;
}
