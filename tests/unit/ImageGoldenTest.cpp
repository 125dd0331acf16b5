// Files that loaded before the readers were widened load to the same pixels: a table of
// every seed image of the dispatch, BMP and PNG corpora that loaded then, with its size,
// depth and a hash of its pixel bytes (FNV-1a, 64 bits). A GIF has no pixels of its own.
// Seeds that did not load then are free to load now; they are not listed. Seeds of the
// minimised corpora are left to their golden tables, which the seed replays compare.
#include "image/ReadImage.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {
struct GoldenImage {
    const char* seed;
    int width, height;
    unsigned bitsPerPixel;
    uint64_t hash;
};

const GoldenImage kGolden[] = {
    {"BmpFuzzer/34a5f1cd8db58498ad529cbc5ba047abeb0c04d2", 4, 3, 24, 0xb6c9526d0fb7998full},
    {"BmpFuzzer/odd24.bmp", 5, 3, 24, 0x4931ba4f2e611b99ull},
    {"BmpFuzzer/rgb24.bmp", 8, 8, 24, 0x1751bc1d98bba483ull},
    {"BmpFuzzer/rgba32.bmp", 8, 8, 32, 0x0bdf3f3510fcf583ull},
    {"PngFuzzer/rgb.png", 8, 8, 24, 0x1751bc1d98bba483ull},
    {"PngFuzzer/rgba_interlaced.png", 8, 8, 32, 0x0bdf3f3510fcf583ull},
    {"ReadImageFuzzer/03bef60e27d0356786950c555789983ce3b8086f", 4, 2, 8, 0x47fe0d7eaf8e51e3ull},
    {"ReadImageFuzzer/06f2c1b1567abead6c94a493ec726167b016d86e", 8, 8, 32, 0x3c6924e265c4f058ull},
    {"ReadImageFuzzer/14a142c3071b10bab73720c27419963cdfe242cb", 8, 8, 8, 0xeebe4e4e51c6c683ull},
    {"ReadImageFuzzer/1bc3a47003919cf1cea1ba0d39643bcbf42526fe", 16, 16, 8, 0x14650fb0739d0383ull},
    {"ReadImageFuzzer/276e9b994225ee95971b1635c3a81ef732b2c2e9", 65280, 8, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/3d499a853159b53fca423ba948a056351f07cb0c", 2576, 0, 8, 0x14650fb0739d0383ull},
    {"ReadImageFuzzer/3e330cad27c57b80e471909f078ce35081cc1222", 18177, 17993, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/563fa35ab294ad0d1d0776fa0fbdea1652ce7d9b", 512, 0, 8, 0x14650fb0739d0383ull},
    {"ReadImageFuzzer/6040461c65dd94c8c935dd48eb30354c4c9f9521", 36368, 255, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/6b85528f117d1a9c5c723cd2a1d2b28c529f0570", 8, 8, 8, 0xeebe4e4e51c6c683ull},
    {"ReadImageFuzzer/728f2df0b7a60a477664191b696153bc3e4df7c4", 65, 3, 24, 0x4f05ebff3f04e0afull},
    {"ReadImageFuzzer/82dc568d2750c28d4cda0c9126fdf9aa93076684", 26316, 102, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/857bde3df50974c7abf3212488c66d81a40fb8db", 8, 8, 8, 0xeebe4e4e51c6c683ull},
    {"ReadImageFuzzer/86779834de607760afa53d6ce4c604a9200840a0", 16, 547, 8, 0x14650fb0739d0383ull},
    {"ReadImageFuzzer/8975ee7c239e628596e88313f615148bd0d13223", 11784, 2048, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/92403c3b40f3a506c9f2a690b2fe3e4688d40132", 8, 39168, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/9d514327e73469d6bef2b0b52f6be6679e5cd317", 8, 8, 32, 0xe8c1eb9b8d09d99bull},
    {"ReadImageFuzzer/9fc661c58a6a98975813dca8479a72c8844e8474", 8, 8, 32, 0xd87beb5fc2a8b9feull},
    {"ReadImageFuzzer/animated.gif", 8, 8, 8, 0x14650fb0739d0383ull},
    {"ReadImageFuzzer/b4573e98abd2708cc92c00f8918ecb26ac758da0", 16, 0, 8, 0x14650fb0739d0383ull},
    {"ReadImageFuzzer/b46182df1f91c1d8df2fcd226c96aa6a8153b80f", 65, 3, 24, 0x83cfa24cceb30184ull},
    {"ReadImageFuzzer/bb7940379c0578bd9cdfc4fbb9a45309583299d2", 57292, 4198, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/c0e748e66b3a1a67d41a260c6adb63914b22c010", 128, 0, 8, 0x14650fb0739d0383ull},
    {"ReadImageFuzzer/c3928094130b21e9e4d21aa87c5352176d75beb7", 63600, 21795, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/cae90df22177d61e8fe5234a4c4117ba5afc32c1", 16, 4096, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/ccf4fe4ea1c9f31fce1df9cb524351f638a8080b", 134, 0, 8, 0x14650fb0739d0383ull},
    {"ReadImageFuzzer/cdd484faef207a912fb9c8ae1da3fb5b6a999066", 8, 8, 32, 0x33ecb62a5d4c6622ull},
    {"ReadImageFuzzer/d3fab478023051fe414068cfe693a67df65e1ced", 17680, 325, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/db1cef4d7b8faf93f1a93b14785a3dddf92b4395", 13311, 65433, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/f5d109cc9c326e6405c47fcb8670598bafac513c", 8, 8, 8, 0xeebe4e4e51c6c683ull},
    {"ReadImageFuzzer/f6eddbf56292d5e918890321ac0c4910c9956bb9", 17480, 82, 8,
     0x14650fb0739d0383ull},
    {"ReadImageFuzzer/fd57b75056b9b722bc5e56eed8fb2cd8334bb978", 0, 0, 8, 0x14650fb0739d0383ull},
    {"ReadImageFuzzer/grey.tga", 8, 8, 8, 0x17a3e5ef01e30523ull},
    {"ReadImageFuzzer/huge-65535.gif", 65535, 65535, 8, 0x14650fb0739d0383ull},
    {"ReadImageFuzzer/interlaced.gif", 16, 16, 8, 0x14650fb0739d0383ull},
    {"ReadImageFuzzer/map16.tga", 4, 2, 8, 0x2686c72fb76c670bull},
    {"ReadImageFuzzer/odd24.bmp", 5, 3, 24, 0x4931ba4f2e611b99ull},
    {"ReadImageFuzzer/packets.tga", 8, 1, 24, 0xa51cdf6f54f06ca7ull},
    {"ReadImageFuzzer/palette_trns.png", 8, 8, 32, 0x422fd780198de80cull},
    {"ReadImageFuzzer/raw24.tga", 8, 8, 24, 0x1751bc1d98bba483ull},
    {"ReadImageFuzzer/rgb.png", 8, 8, 24, 0x1751bc1d98bba483ull},
    {"ReadImageFuzzer/rgb16.png", 4, 4, 24, 0x4b9cdc2de84cad13ull},
    {"ReadImageFuzzer/rgb24.bmp", 8, 8, 24, 0x1751bc1d98bba483ull},
    {"ReadImageFuzzer/rgba32.bmp", 8, 8, 32, 0x0bdf3f3510fcf583ull},
    {"ReadImageFuzzer/rgba_interlaced.png", 8, 8, 32, 0x0bdf3f3510fcf583ull},
    {"ReadImageFuzzer/rle32.tga", 8, 8, 32, 0x0bdf3f3510fcf583ull},
    {"ReadImageFuzzer/still.gif", 16, 16, 8, 0x14650fb0739d0383ull},
};

uint64_t fnv1a(const uint8_t* bytes, size_t length) {
    uint64_t hash = 1469598103934665603ull;
    for (size_t i = 0; i < length; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}
} // namespace

TEST(ImageGolden, SeedsThatLoadedBeforeLoadToTheSamePixels) {
    for (const GoldenImage& golden : kGolden) {
        std::ifstream in(std::string(VORNEX_SOURCE_DIR) + "/fuzz/corpus/" + golden.seed,
                         std::ios::binary);
        const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        ASSERT_FALSE(file.empty()) << golden.seed;
        MemoryStream stream(file.data(), uint32_t(file.size()));
        const std::unique_ptr<cFormat> image(readImage(&stream));
        ASSERT_TRUE(image) << golden.seed;
        EXPECT_EQ(image->width(), golden.width) << golden.seed;
        EXPECT_EQ(image->height(), golden.height) << golden.seed;
        EXPECT_EQ(image->bitsPerPixel(), golden.bitsPerPixel) << golden.seed;
        const uint8_t* pixels = image->pixels(0);
        const size_t length =
            pixels ? size_t(image->width()) * image->height() * (image->bitsPerPixel() / 8) : 0;
        EXPECT_EQ(fnv1a(pixels, length), golden.hash) << golden.seed;
    }
}
