// The real player drawing textures loaded from PNG, TGA and BMP files through a test
// effect, read back from the frame: the top of each picture must show at the top.
#include "ImageBytes.h"
#include "PlayerRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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
