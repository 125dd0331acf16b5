// Pictures of every kind the BMP, PNG and GIF readers expand, written by ImageMagick from
// one source picture and decoded both by the reader and by ImageMagick: the pixels agree.
// A hand-made RLE4 file and a top-down BMP, which ImageMagick does not write, are checked
// against its reading of them too.
#include "ImageBytes.h"
#include "TempDir.h"
#include "image/ReadImage.h"
#include "image/gif/GifScreenImage.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {
struct OracleCase {
    const char* file;
    const char* options; // ImageMagick options between the source and the output
    bool alphaSource;
    // Largest difference per sample: where ImageMagick widens or narrows differently.
    int tolerance;
};

const OracleCase kCases[] = {
    {"p1.bmp", "-colors 2 -type palette BMP3:", false, 0},
    {"p4.bmp", "-colors 12 BMP3:", false, 0},
    {"p8.bmp", "-colors 200 -type palette -compress None BMP3:", false, 0},
    {"rle8.bmp", "-colors 200 -type palette -compress RLE BMP3:", false, 0},
    {"os2.bmp", "BMP2:", false, 0},
    {"os2_palette.bmp", "-colors 12 BMP2:", false, 0},
    // ImageMagick widens 5- and 6-bit channels by repeating their bits, and reads a 4-bit
    // channel as v x 16; the reader rounds v x 255 / maximum (15 is 255, not 240).
    {"rgb555.bmp", "-define bmp:subtype=RGB555 BMP:", false, 1},
    {"rgb565.bmp", "-define bmp:subtype=RGB565 BMP:", false, 1},
    {"argb4444.bmp", "-define bmp:subtype=ARGB4444 BMP:", true, 15},
    {"bgra32.bmp", "BMP:", true, 0},
    {"bgr24.bmp", "BMP3:", false, 0},
    {"grey1.png", "-colorspace gray -depth 1 -define png:color-type=0 PNG:", false, 0},
    {"grey2.png", "-colorspace gray -depth 2 -define png:color-type=0 PNG:", false, 0},
    {"grey4.png", "-colorspace gray -depth 4 -define png:color-type=0 PNG:", false, 0},
    {"grey8.png", "-colorspace gray -depth 8 -define png:color-type=0 PNG:", false, 0},
    // ImageMagick rounds 16-bit samples to 8 bits where libpng drops the low byte.
    {"grey16.png", "-colorspace gray -depth 16 -define png:color-type=0 PNG:", false, 1},
    {"greyalpha8.png", "-colorspace gray -depth 8 -define png:color-type=4 PNG:", true, 0},
    {"greyalpha16.png", "-colorspace gray -depth 16 -define png:color-type=4 PNG:", true, 1},
    {"grey8i.png", "-colorspace gray -depth 8 -define png:color-type=0 -interlace PNG PNG:", false,
     0},
    {"still.gif", "-colors 64 GIF:", false, 0},
    {"interlaced.gif", "-colors 64 -interlace GIF GIF:", false, 0},
    {"transparent.gif", "-channel A -threshold 50% +channel -colors 32 GIF:", true, 0},
    {"offset.gif", "-colors 16 -repage 31x19+5+3 GIF:", false, 0},
};

// 23 x 13: odd widths need row padding in BMP; the alpha version fades left to right.
const char* kSource = "-size 23x13 -seed 7 plasma:fractal";
const char* kAlpha = "-alpha set -channel A -fx \"i/(w-1)\" +channel";

bool run(const std::string& command) {
    return std::system((command + " 2>/dev/null").c_str()) == 0;
}

// Writes every case's file from its source picture in one ImageMagick run: a process for
// each would cost most of the test's time in starting ImageMagick.
bool writeCases(const TempDir& dir) {
    std::string command = "convert -respect-parentheses '" + dir.file("source.png") + "' '" +
                          dir.file("alpha.png") + "'";
    for (const OracleCase& c : kCases) {
        // The options end with the output's format prefix, which goes before the file name.
        const std::string options(c.options);
        const size_t prefix = options.find_last_of(' ') + 1;
        command += std::string(" \\( -clone ") + (c.alphaSource ? "1 " : "0 ") +
                   options.substr(0, prefix) + "-write " + options.substr(prefix) + "'" +
                   dir.file(c.file) + "' +delete \\)";
    }
    return run(command + " null:");
}

// ImageMagick's reading of each file, in one run: RGBA rows top first, GIFs drawn on their
// logical screen. Empty where it could not read them.
std::vector<Bytes> oracle(const TempDir& dir, const std::vector<std::string>& files) {
    std::string command = "convert -respect-parentheses";
    for (const std::string& file : files) {
        const bool gif = file.size() > 4 && file.compare(file.size() - 4, 4, ".gif") == 0;
        command += " \\( '" + dir.file(file) + "[0]'" + (gif ? " -background none -flatten" : "") +
                   " -depth 8 -write rgba:'" + dir.file(file + ".rgba") + "' \\)";
    }
    const bool read = run(command + " null:");
    std::vector<Bytes> pixels;
    for (const std::string& file : files) {
        const std::string bytes = read ? dir.read(file + ".rgba") : std::string();
        pixels.emplace_back(bytes.begin(), bytes.end());
    }
    return pixels;
}

std::unique_ptr<cFormat> decode(const Bytes& file, bool gif) {
    MemoryStream stream(file.data(), uint32_t(file.size()));
    std::unique_ptr<cFormat> image(gif ? new GifScreenImage : readImage(&stream));
    if (gif && image->load(&stream) != 0) return nullptr;
    return image;
}

// Compares a decoded image (bottom row first, B G R [A]) with RGBA rows top first; alpha
// only when the image has it.
void expectSamePixels(cFormat& image, const Bytes& rgba, int tolerance, const std::string& what) {
    const int width = image.width(), height = image.height();
    const int bytes = int(image.bitsPerPixel() / 8);
    ASSERT_EQ(rgba.size(), size_t(width) * height * 4) << what;
    int worst = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t* ours = image.pixels(0) + (size_t(height - 1 - y) * width + x) * bytes;
            const uint8_t* theirs = rgba.data() + (size_t(y) * width + x) * 4;
            const int pairs[4][2] = {{ours[2], theirs[0]},
                                     {ours[1], theirs[1]},
                                     {ours[0], theirs[2]},
                                     {bytes == 4 ? ours[3] : 255, theirs[3]}};
            for (int c = 0; c < (bytes == 4 ? 4 : 3); ++c)
                worst = std::max(worst, std::abs(pairs[c][0] - pairs[c][1]));
        }
    EXPECT_LE(worst, tolerance) << what;
}

class ImageOracle : public testing::Test {
protected:
    void SetUp() override {
        if (!run("convert -version >/dev/null")) GTEST_SKIP() << "needs ImageMagick's convert";
        ASSERT_TRUE(run(std::string("convert ") + kSource + " '" + dir.file("source.png") + "'"));
        ASSERT_TRUE(run(std::string("convert ") + kSource + " " + kAlpha + " '" +
                        dir.file("alpha.png") + "'"));
    }
    Bytes bytesOf(const std::string& file) {
        const std::string bytes = dir.read(file);
        return Bytes(bytes.begin(), bytes.end());
    }
    TempDir dir;
};
} // namespace

TEST_F(ImageOracle, EveryKindWrittenByImageMagickDecodesToItsPixels) {
    ASSERT_TRUE(writeCases(dir));
    std::vector<std::string> files;
    for (const OracleCase& c : kCases) files.push_back(c.file);
    const std::vector<Bytes> expected = oracle(dir, files);
    for (size_t i = 0; i < files.size(); ++i) {
        const OracleCase& c = kCases[i];
        const bool gif = std::string(c.options).find("GIF:") != std::string::npos;
        const std::unique_ptr<cFormat> image = decode(bytesOf(c.file), gif);
        ASSERT_TRUE(image) << c.file;
        expectSamePixels(*image, expected[i], c.tolerance, c.file);
    }
}

TEST_F(ImageOracle, HandMadeRle4AndTopDownFilesDecodeAsImageMagickReadsThem) {
    // 5 x 2, RLE4: a literal of five indices, then a run alternating 2 and 3.
    Bytes rle4 = bmpHeader(5, 2, 4);
    putU32(rle4, 30, 2);
    for (int i = 0; i < 16; ++i) append(rle4, {uint8_t(i * 16), uint8_t(255 - i * 9), 40, 0});
    putU32(rle4, 10, uint32_t(rle4.size()));
    append(rle4, {0, 5, 0x12, 0x34, 0x50, 0, 0, 0, 5, 0x23, 0, 1});
    putU32(rle4, 2, uint32_t(rle4.size()));
    dir.write("rle4.bmp", asString(rle4));

    // The 24-bit file ImageMagick wrote, its rows turned top first and its height negated.
    ASSERT_TRUE(
        run("convert '" + dir.file("source.png") + "' BMP3:'" + dir.file("bottomup.bmp") + "'"));
    const Bytes bottomUp = bytesOf("bottomup.bmp");
    Bytes topDown(bottomUp.begin(), bottomUp.begin() + 54);
    const size_t rowBytes = (23 * 3 + 3) / 4 * 4;
    for (int row = 12; row >= 0; --row)
        topDown.insert(topDown.end(), bottomUp.begin() + 54 + long(row * rowBytes),
                       bottomUp.begin() + 54 + long((row + 1) * rowBytes));
    putU32(topDown, 22, uint32_t(-13));
    dir.write("topdown.bmp", asString(topDown));

    const std::vector<std::string> files = {"rle4.bmp", "topdown.bmp"};
    const std::vector<Bytes> expected = oracle(dir, files);
    for (size_t i = 0; i < files.size(); ++i) {
        const std::unique_ptr<cFormat> image = decode(bytesOf(files[i]), false);
        ASSERT_TRUE(image) << files[i];
        expectSamePixels(*image, expected[i], 0, files[i]);
    }
}
