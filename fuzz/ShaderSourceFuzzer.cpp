// Shader files from outside bytes: taken for mainImage shaders or not, and wrapped for
// each kind of driver; the wrapped text always ends with the main() that calls mainImage.
#include "effects/ShaderSource.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The effect reads a file into text that ends at its first NUL.
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!isMainImageShader(text.c_str())) return 0;
    for (const int version : {110, 120, 130, 450}) {
        const std::string wrapped = wrapMainImage(text.c_str(), version);
        if (wrapped.find("mainImage(colour, gl_FragCoord.xy - vornexViewportOrigin);") ==
            std::string::npos)
            std::abort();
    }
    shadingLanguageVersion(text.c_str());
    return 0;
}
