// What a whole seed decodes to, for the golden table the seed replay keeps next to a corpus
// (ReplayMain.cpp): a change in what a reader returns then shows up as a diff, not only a
// crash. Image targets define fuzzSeedOutcome with VORNEX_SEED_OUTCOME(reader class) or
// their own body; the others have no table.
#pragma once

#include <vornex/Image.h>

#include <cstddef>
#include <cstdint>

struct SeedOutcome {
    int result = -1; // the reader's load(): 0 or -1
    int width = 0;
    int height = 0;
    unsigned bitsPerPixel = 0;
    uint64_t pixelHash = 0; // FNV-1a of the pixel bytes, 0 without pixels
};

SeedOutcome fuzzSeedOutcome(const uint8_t* data, size_t size);

inline SeedOutcome describeImage(Image* image, int result) {
    SeedOutcome outcome;
    outcome.result = result;
    if (!image || result != 0) return outcome;
    outcome.width = image->width();
    outcome.height = image->height();
    outcome.bitsPerPixel = image->bitsPerPixel();
    if (const uint8_t* pixels = image->pixels(0)) {
        uint64_t hash = 0xcbf29ce484222325ull;
        for (uint32_t i = 0; i < image->size(); ++i) hash = (hash ^ pixels[i]) * 0x100000001b3ull;
        outcome.pixelHash = hash;
    }
    return outcome;
}
