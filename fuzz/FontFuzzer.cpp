// Font files from outside bytes, through the text effect's own path: FreeType opens them,
// a size is chosen, and a text with kerning pairs, a ligature, a combining mark, a
// right-to-left run and a character most fonts lack is shaped and rasterised into the atlas.
#include "FontFace.h"
#include "GlyphAtlas.h"
#include "TextLayout.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FontFace face;
    static GlyphAtlas atlas;
    static TextLayout layout;
    if (face.open("fuzz", "input", data, size) != 0) return 0;
    for (int pixels : {12, 40}) {
        if (face.setPixelSize(pixels) != 0) break;
        atlas.clear();
        layout.build("fuzz", "AVA fi Wo.\ne\xcc\x81 \xd7\x90\xd7\x91 \xee\x80\x80", face, atlas,
                     1.0f);
    }
    face.close();
    return 0;
}
