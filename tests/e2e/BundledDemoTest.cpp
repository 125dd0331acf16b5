// The bundled demo (data/vornex.txt, the body of data/script.txt) played from start to end
// with a fixed frame step and recorded by its own capture effect: it ends by its own exit,
// its frames show pictures that change, and the logo where the script puts it.
#include "StockEffectsFixture.h"

#include "image/FormatTGA.h"

#include <algorithm>
#include <filesystem>

namespace {

// One frame per demo second, half a second after the events of the scene changes: lockfps
// 10, every tenth frame from 0.6 s.
constexpr const char* kRecordingScript =
    R"(<demo name="Vornex" width="320" height="240" lockfps="10">
    <include file="vornex.txt"/>
    <capture enabled="1" folder="frames" start="0.55" every="10"/>
    <load effect="loading"/>
    <run/>
</demo>
)";

// Mean absolute difference of two frames over a grid of samples, 0..255.
double difference(Frame& a, Frame& b) {
    double sum = 0.0;
    const int samples = 32;
    for (int i = 0; i < samples; ++i)
        for (int j = 0; j < samples; ++j) {
            const float x = (i + 0.5f) / samples;
            const float y = (j + 0.5f) / samples;
            const Rgb p = a.at(x, y);
            const Rgb q = b.at(x, y);
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
        }
    return sum / (samples * samples * 3);
}

// The texture's colour around (x, y) (fractions from its bottom-left corner), averaged
// over the texels that one pixel of the shrunken picture covers.
Rgb textureAverage(cFormat& image, float x, float y, int radius) {
    const int bytes = static_cast<int>(image.bitsPerPixel() / 8);
    const int cx = static_cast<int>(x * image.width());
    const int cy = static_cast<int>(y * image.height());
    int r = 0, g = 0, b = 0, n = 0;
    for (int row = cy - radius; row <= cy + radius; ++row)
        for (int column = cx - radius; column <= cx + radius; ++column) {
            const uint8_t* p = image.pixels(0) + (row * image.width() + column) * bytes;
            b += p[0];
            g += p[1];
            r += p[2];
            ++n;
        }
    return {r / n, g / n, b / n};
}

// The share of a grid of samples outside the logo's viewport with a channel above 40.
double litOutsideLogo(Frame& frame) {
    int lit = 0, total = 0;
    const int samples = 32;
    for (int i = 0; i < samples; ++i)
        for (int j = 0; j < samples; ++j) {
            const float x = (i + 0.5f) / samples;
            const float y = (j + 0.5f) / samples;
            if (x >= 0.3125f && x <= 0.6875f && y >= 0.25f && y <= 0.75f) continue;
            const Rgb c = frame.at(x, y);
            ++total;
            if (std::max({c.r, c.g, c.b}) > 40) ++lit;
        }
    return static_cast<double>(lit) / total;
}

// Pixels of the frame in the box (fractions from the bottom-left) that pass `test`.
template <typename Test>
int countPixels(Frame& frame, float left, float bottom, float right, float top, Test test) {
    int n = 0;
    for (int y = static_cast<int>(bottom * frame.height()); y < top * frame.height(); ++y)
        for (int x = static_cast<int>(left * frame.width()); x < right * frame.width(); ++x)
            if (test(frame.at((x + 0.5f) / frame.width(), (y + 0.5f) / frame.height()))) ++n;
    return n;
}

} // namespace

TEST(BundledDemo, PlaysToItsOwnExitWithChangingPicturesAndTheLogoInPlace) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    linkBundledData(dir, kRecordingScript);
    const PlayerResult run = runPlayer(dir.path().string(), "", 240);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("Loading effect 15:[capture][capture]"), std::string::npos) << log;
    EXPECT_NE(log.find("plasma: shader shaders/plasma.frag ready"), std::string::npos) << log;
    EXPECT_NE(log.find("tunnel: shader shaders/tunnel.frag ready"), std::string::npos) << log;
    EXPECT_NE(log.find("capture: writing frames to frames/ (320x240)"), std::string::npos) << log;
    // The demo ends at its own exit at 62 s, not at the timeout.
    const size_t stopped = log.find(", demo time ");
    ASSERT_NE(stopped, std::string::npos) << log;
    const double endTime = std::atof(log.c_str() + stopped + 12);
    EXPECT_GE(endTime, 62.0);
    EXPECT_LE(endTime, 62.2);

    // Frames at 0.6, 1.6, ... 61.6 s.
    std::vector<std::unique_ptr<Frame>> frames;
    for (int i = 0; dir.exists("frames/frame_" + std::string(i < 10 ? "0000" : "000") +
                               std::to_string(i) + ".png");
         ++i)
        frames.emplace_back(new Frame(framePath(dir, i)));
    ASSERT_EQ(frames.size(), 62u);
    int flat = 0;
    int changed = 0;
    // The first half's scenes; the parts from 30 s on are checked one by one below.
    for (size_t i = 0; i < frames.size(); ++i) {
        ASSERT_TRUE(frames[i]->loaded()) << i;
        if (i < 30 && frames[i]->spread() < 8.0) ++flat;
        if (i > 0 && difference(*frames[i - 1], *frames[i]) > 2.0) ++changed;
    }
    // Only the first second and the one fading to black at 30 s may be flat.
    EXPECT_LE(flat, 2);
    EXPECT_GE(changed, 26);
    // Every scene looks different: logo, cubes, plasma, tunnel.
    const int scenes[] = {3, 13, 19, 26};
    for (int a : scenes) {
        for (int b : scenes) {
            if (a < b) {
                EXPECT_GT(difference(*frames[a], *frames[b]), 10.0) << a << " " << b;
            }
        }
    }

    // glow, 42-48 s: the cube and torus drawn into a surface come out on the window through
    // the glow shader, moving from second to second.
    EXPECT_NE(log.find("glow: shader shaders/glow.frag ready"), std::string::npos) << log;
    for (int i = 43; i < 48; ++i) {
        EXPECT_GT(frames[i]->spread(), 8.0) << i;
        EXPECT_GT(difference(*frames[i - 1], *frames[i]), 2.0) << i;
    }
    // feedback, 48-54 s: three small lights alone light about one sample in a hundred; the
    // trails they leave in the shader's own previous frames light many more.
    EXPECT_NE(log.find("trails: shader shaders/feedback.frag ready"), std::string::npos) << log;
    for (int i = 49; i < 54; ++i) EXPECT_GT(litOutsideLogo(*frames[i]), 0.05) << i;
    EXPECT_GT(difference(*frames[45], *frames[51]), 10.0);

    // At 3.6 s the logo is drawn unblended in the viewport 0.3125,0.25,0.375,0.5.
    cFormatTGA logo;
    FileStream stream((std::string(VORNEX_SOURCE_DIR) + "/data/textures/logo.tga").c_str(),
                      FileStream::kRead);
    ASSERT_EQ(logo.load(&stream), 0);
    Frame& frame = *frames[3];
    const float points[][2] = {{0.1f, 0.1f}, {0.9f, 0.1f}, {0.2f, 0.5f}, {0.9f, 0.9f}};
    for (const auto& point : points) {
        const Rgb shown = frame.at(0.3125f + point[0] * 0.375f, 0.25f + point[1] * 0.5f);
        const Rgb expected = textureAverage(logo, point[0], point[1], 1);
        EXPECT_PRED3(within, shown, expected, 24) << point[0] << "," << point[1];
    }

    // Credits, 30-36 s: the gold title types itself in (half of it at 30.6 s, all of it a
    // second later), and the credits' first line rises through the window.
    const auto gold = [](const Rgb& c) { return c.r > 200 && c.g > 120 && c.g < 230 && c.b < 130; };
    const auto light = [](const Rgb& c) { return c.r > 150 && c.g > 150 && c.b > 180; };
    EXPECT_GT(countPixels(*frames[30], 0.25f, 0.68f, 0.5f, 0.86f, gold), 100);
    EXPECT_EQ(countPixels(*frames[30], 0.62f, 0.68f, 0.8f, 0.86f, gold), 0);
    EXPECT_GT(countPixels(*frames[31], 0.62f, 0.68f, 0.8f, 0.86f, gold), 100);
    // The first line's x-height band: at 0.26..0.29 of the height at 33.6 s, at 0.58..0.61
    // two seconds later.
    EXPECT_GT(countPixels(*frames[33], 0.4f, 0.262f, 0.6f, 0.29f, light), 40);
    EXPECT_LT(countPixels(*frames[33], 0.4f, 0.582f, 0.6f, 0.61f, light), 10);
    EXPECT_GT(countPixels(*frames[35], 0.4f, 0.582f, 0.6f, 0.61f, light), 40);
}
