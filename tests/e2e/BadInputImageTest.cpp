// Bad image files loaded as textures by the real player: pictures over the size limits,
// headers that claim huge sizes, and every format cut short. Each is refused or read
// within its buffers, the texture falls back as the loader decides, and the demo goes on.
#include "BadInputPlayer.h"
#include "ImageBytes.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

class BadInputImage : public testing::Test {
protected:
    void SetUp() override {
        if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    }
    void writeTexture(const std::string& name, const Bytes& bytes) {
        dir.write("data/textures/" + name, asString(bytes));
        loads += "  <texture mode=\"load\" filename=\"" + name + "\"/>\n";
    }
    BadInputRun play() {
        dir.write("data/script.txt", demoAround(loads));
        return runBadInput(dir);
    }
    void expectLoadLines(const BadInputRun& run, const std::vector<std::string>& names) {
        for (const std::string& name : names)
            EXPECT_TRUE(contains(run.player.output, "load[data/textures/" + name + "]\n"))
                << name << "\n"
                << run.player.output;
    }
    TempDir dir;
    std::string loads;
};

Bytes fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A GIF whose screen and only image claim `width` x `height` but carry one LZW code.
Bytes claimingGif(uint16_t width, uint16_t height) {
    Bytes gif{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0x80, 0, 0};
    putU16(gif, 6, width);
    putU16(gif, 8, height);
    append(gif, {0, 0, 0, 255, 255, 255});
    Bytes image{0x2C, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    putU16(image, 5, width);
    putU16(image, 7, height);
    append(gif, image);
    append(gif, {2, 2, 0x4C, 0x01, 0, 0x3B});
    return gif;
}

} // namespace

TEST_F(BadInputImage, PicturesOverTheLimitsAndHugeClaimsAreRefusedOrReadWithinBuffers) {
    Bytes wide = bmpHeader(2049, 8, 24);
    wide.resize(wide.size() + 2049 * 8 * 3, 0x40);
    writeTexture("wide.bmp", wide);
    // 65535 x 65535 reads as -1 x -1 in the signed TGA fields.
    Bytes hugeTga = tgaHeader(2, 65535, 65535, 32);
    hugeTga.resize(hugeTga.size() + 64, 0x7F);
    writeTexture("huge.tga", hugeTga);
    writeTexture("huge.gif", claimingGif(65535, 65535));
    // 65536 x 65536 x 4 bytes is 2^34: a product that wraps to 0 in 32 bits.
    writeTexture("wrap.bmp", bmpHeader(65536, 65536, 32));
    const BadInputRun run = play();
    expectWentOn(run);
    expectLoadLines(run, {"wide.bmp", "huge.tga", "huge.gif", "wrap.bmp"});
    EXPECT_TRUE(contains(run.player.output, "Error: no reader accepts image huge.tga\n"))
        << run.player.output;
    for (const char* line :
         {"Error: image wide.bmp: BMP of 2049 x 8 pixels is larger than 2048 a side\n",
          "Error: image wrap.bmp: BMP of 65536 x 65536 pixels is larger than 2048 a side\n",
          "Error: image huge.gif: GIF screen of 65535 x 65535 pixels is over the limit of 16777216 "
          "pixels\n"})
        EXPECT_TRUE(contains(run.player.output, line)) << run.player.output;
}

TEST_F(BadInputImage, FilesOfEveryFormatCutShortAreReadWithinTheirBuffers) {
    const std::filesystem::path seeds =
        std::filesystem::path(VORNEX_SOURCE_DIR) / "fuzz/corpus/ReadImageFuzzer";
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(seeds)) {
        // Inputs grown by the fuzzer carry no extension, so no texture folder would hold them.
        const std::string extension = entry.path().extension().string();
        if (extension != ".tga" && extension != ".bmp" && extension != ".png" &&
            extension != ".gif" && extension != ".jpg")
            continue;
        const Bytes whole = fileBytes(entry.path());
        const std::string name = entry.path().filename().string();
        for (const size_t length : {whole.size() / 3, whole.size() * 2 / 3, whole.size() - 1}) {
            const std::string cutName = "cut" + std::to_string(length) + "_" + name;
            writeTexture(cutName, Bytes(whole.begin(), whole.begin() + long(length)));
            names.push_back(cutName);
        }
    }
    ASSERT_GE(names.size(), 3u * 4);
    const BadInputRun run = play();
    expectWentOn(run);
    expectLoadLines(run, names);
}

TEST_F(BadInputImage, AJpegWiderThanTextureSidesIsRefusedAndACutOneReadWithinItsBuffer) {
    // Written by PIL: a baseline JFIF file, 8193 x 8, and a small one cut in its scan.
    const std::string folder = dir.file("data/textures");
    std::filesystem::create_directories(folder);
    const std::string command =
        "/usr/bin/python3 -c \"from PIL import Image; import sys; "
        "Image.new('RGB', (8193, 8), (200, 40, 40)).save(sys.argv[1] + '/wide.jpg'); "
        "Image.new('RGB', (64, 64), (20, 90, 200)).save(sys.argv[1] + '/whole.jpg')\" '" +
        folder + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const Bytes whole = fileBytes(folder + "/whole.jpg");
    loads += "  <texture mode=\"load\" filename=\"wide.jpg\"/>\n";
    writeTexture("cut.jpg", Bytes(whole.begin(), whole.begin() + long(whole.size() * 2 / 3)));
    const BadInputRun run = play();
    expectWentOn(run);
    expectLoadLines(run, {"wide.jpg", "cut.jpg"});
    EXPECT_TRUE(contains(run.player.output,
                         "load[data/textures/wide.jpg]\nWarning cFormatJPEG::load() error\n"))
        << run.player.output;
}
