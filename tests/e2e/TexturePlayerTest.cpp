// The real player drawing textures loaded from PNG, TGA, BMP, GIF and JPEG files through a
// test effect, read back from the frame: the top of each picture must show at the top.
#include "../unit/JpegTestFiles.h"
#include "ImageBytes.h"
#include "PlayerRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
// 8 x 8, the top half red and the bottom half blue, as the given bottom-up BGR rows.
Bytes splitRowsBottomUp() {
    Bytes rows;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) append(rows, y < 4 ? Bytes{255, 0, 0} : Bytes{0, 0, 255});
    return rows;
}

Bytes splitPng() {
    PngPicture picture;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            append(picture.samples, y < 4 ? Bytes{255, 0, 0} : Bytes{0, 0, 255});
    return encodePng(picture);
}
} // namespace

TEST(TexturePlayer, LoadedTexturesDrawUprightInTheirColours) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/textures/split.png", asString(splitPng()));
    Bytes tga = tgaHeader(2, 8, 8, 24);
    append(tga, splitRowsBottomUp());
    dir.write("data/textures/split.tga", asString(tga));
    Bytes bmp = bmpHeader(8, 8, 24);
    append(bmp, splitRowsBottomUp());
    dir.write("data/textures/split.bmp", asString(bmp));
    dir.write("data/script.txt", R"(<demo name="textures" width="240" height="80">
  <loadplugin file="texturefx.dll"/><loadplugin file="fillfx.dll"/>
  <texture mode="load" filename="split.png"/>
  <texture mode="create" name="buffer" width="64" height="48" bpp="24"/>
  <add type="texture" name="png"/><add type="texture" name="tga"/>
  <add type="texture" name="bmp"/><add type="probe" name="probe"/>
  <png file="SPLIT.PNG" viewport="0,0,0.3333,1"/>
  <tga file="split.tga" viewport="0.3333,0,0.3334,1"/>
  <bmp file="split.bmp" viewport="0.6667,0,0.3333,1"/>
  <probe points="0.16,0.2;0.16,0.8;0.5,0.2;0.5,0.8;0.84,0.2;0.84,0.8"/>
  <draworder effect="png" effect="tga" effect="bmp" effect="probe"/>
  <event time="0.3"><exit/></event>
  <load/>
  <run/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(dir.read("pixels.txt"), "0.16 0.20 0 0 255\n"
                                      "0.16 0.80 255 0 0\n"
                                      "0.50 0.20 0 0 255\n"
                                      "0.50 0.80 255 0 0\n"
                                      "0.84 0.20 0 0 255\n"
                                      "0.84 0.80 255 0 0\n")
        << run.output << dir.read("log.txt");
    // The script's load and the effect's lookup in another case share one entry.
    EXPECT_EQ(run.output.find("load[data/textures/SPLIT.PNG]"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Error: bad texture dimensions (h48), not power of 2\n"),
              std::string::npos)
        << run.output;
}

TEST(TexturePlayer, GifGreyPngAndTopDownPaletteBmpDrawUpright) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    // 8 x 8 GIF, palette red and blue, rows top first: each pair of pixels after a clear
    // code, so every code stays 3 bits wide.
    Bytes gif{'G', 'I', 'F', '8', '9', 'a', 8, 0, 8, 0, 0x80, 0, 0, 255, 0, 0, 0, 0, 255};
    append(gif, {0x2C, 0, 0, 0, 0, 8, 0, 8, 0, 0, 2});
    Bytes packed;
    uint32_t bits = 0, count = 0;
    for (int pair = 0; pair <= 32; ++pair)
        for (const uint32_t code :
             pair == 32 ? std::vector<uint32_t>{5}
                        : std::vector<uint32_t>{4, pair < 16 ? 0u : 1u, pair < 16 ? 0u : 1u}) {
            bits |= code << count;
            for (count += 3; count >= 8; count -= 8, bits >>= 8) packed.push_back(uint8_t(bits));
        }
    packed.push_back(uint8_t(bits));
    gif.push_back(uint8_t(packed.size()));
    append(gif, packed);
    append(gif, {0, 0x3B});
    dir.write("data/textures/split.gif", asString(gif));

    PngPicture grey;
    grey.colourType = PNG_COLOR_TYPE_GRAY;
    for (int y = 0; y < 8; ++y) append(grey.samples, Bytes(8, y < 4 ? 255 : 0));
    dir.write("data/textures/grey.png", asString(encodePng(grey)));

    // 4-bit palette, entry 0 red and entry 1 blue, top row stored first.
    Bytes bmp = bmpHeader(8, -8, 4);
    append(bmp, {0, 0, 255, 0, 255, 0, 0, 0});
    putU32(bmp, 10, uint32_t(bmp.size()));
    for (int y = 0; y < 8; ++y) append(bmp, Bytes(4, y < 4 ? 0x00 : 0x11));
    dir.write("data/textures/split.bmp", asString(bmp));

    dir.write("data/script.txt", R"(<demo name="textures" width="240" height="80">
  <loadplugin file="texturefx.dll"/><loadplugin file="fillfx.dll"/>
  <add type="texture" name="gif"/><add type="texture" name="png"/>
  <add type="texture" name="bmp"/><add type="probe" name="probe"/>
  <gif file="split.gif" viewport="0,0,0.3333,1"/>
  <png file="grey.png" viewport="0.3333,0,0.3334,1"/>
  <bmp file="split.bmp" viewport="0.6667,0,0.3333,1"/>
  <probe points="0.16,0.2;0.16,0.8;0.5,0.2;0.5,0.8;0.84,0.2;0.84,0.8"/>
  <draworder effect="gif" effect="png" effect="bmp" effect="probe"/>
  <event time="0.3"><exit/></event>
  <load/>
  <run/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(dir.read("pixels.txt"), "0.16 0.20 0 0 255\n"
                                      "0.16 0.80 255 0 0\n"
                                      "0.50 0.20 0 0 0\n"
                                      "0.50 0.80 255 255 255\n"
                                      "0.84 0.20 0 0 255\n"
                                      "0.84 0.80 255 0 0\n")
        << run.output << dir.read("log.txt");
    EXPECT_EQ(run.output.find("Error"), std::string::npos) << run.output;
}

// The JPEG decoder's vector level as the environment forces it: every level draws the same
// pixels, and a name that is no level is said once and ignored.
TEST(TexturePlayer, EveryJpegSimdLevelDrawsTheSamePixels) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    TempDir dir;
    const JpegBytes photo = cjpeg(photoPnm(64, 64), "-quality 90 -sample 2x2");
    dir.write("data/textures/photo.jpg", std::string(photo.begin(), photo.end()));
    dir.write("data/script.txt", R"(<demo name="jpeg" width="128" height="128">
  <loadplugin file="texturefx.dll"/><loadplugin file="fillfx.dll"/>
  <add type="texture" name="photo"/><add type="probe" name="probe"/>
  <photo file="photo.jpg" viewport="0,0,1,1"/>
  <probe points="0.1,0.1;0.3,0.7;0.5,0.5;0.62,0.21;0.77,0.9;0.9,0.4"/>
  <draworder effect="photo" effect="probe"/>
  <event time="0.3"><exit/></event>
  <load/>
  <run/>
</demo>
)");
    std::string first;
    for (const std::string level : {"none", "sse2", "avx2", "mmx"}) {
        SCOPED_TRACE(level);
        const PlayerResult run =
            runPlayerCommand("env VORNEX_JPEG_SIMD=" + level + " " + VORNEX_PLAYER_COMMAND,
                             dir.path().string(), "", 60);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        const std::string pixels = dir.read("pixels.txt");
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), '\n'), 6) << pixels;
        if (first.empty())
            first = pixels;
        else
            EXPECT_EQ(pixels, first);
        EXPECT_EQ(run.output.find("VORNEX_JPEG_SIMD=mmx ignored: the levels are avx2, sse2 and "
                                  "none\n") != std::string::npos,
                  level == "mmx")
            << run.output;
    }
}
