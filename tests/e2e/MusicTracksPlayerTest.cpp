// The music tracks driving a parameter in the real player: a WAV of a 100 Hz tone, then a
// 4 kHz tone, then silence feeds the clear colour through music.low, music.high and
// music.mid, captured once in each part, played live, after a jump and in a render.
#include "StockEffectsFixture.h"

#include <cstring>

namespace {

constexpr double kPi = 3.14159265358979;
constexpr uint32_t kRate = 44100;

// One second each: 100 Hz, 4 kHz, silence, at half of full scale; mono 16-bit.
std::string partsWav() {
    std::string bytes = "RIFF0000WAVEfmt ";
    auto put = [&bytes](uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    const uint32_t frames = 3 * kRate;
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(kRate, 4);
    put(kRate * 2, 4);
    put(2, 2);
    put(16, 2);
    bytes += "data";
    put(frames * 2, 4);
    for (uint32_t i = 0; i < frames; ++i) {
        const double frequency = i < kRate ? 100.0 : 4000.0;
        const double sample =
            i < 2 * kRate ? 0.5 * std::sin(2.0 * kPi * frequency * i / kRate) : 0.0;
        put(static_cast<uint16_t>(static_cast<int16_t>(sample * 32767.0)), 2);
    }
    const uint32_t riffSize = static_cast<uint32_t>(bytes.size()) - 8;
    std::memcpy(&bytes[4], &riffSize, 4);
    return bytes;
}

// A capture of one frame at 0.8, 1.8 and 2.8 s, into p1, p2 and p3: late in each part, when
// what the smoothing remembers of the part before (a release of 0.15 s) has faded, so a
// run that jumped into the part shows the same.
const char* const kScript = R"(
<add type="musicplay" name="music"/><music file="parts.wav"/>
<add type="clear" name="bg"/>
<drive effect="bg" param="color" tracks="music.low, music.high, music.mid, music.level"/>
<add type="capture" name="c1"/><c1 folder="p1" start="0.8" limit="1"/>
<add type="capture" name="c2"/><c2 folder="p2" start="1.8" limit="1"/>
<add type="capture" name="c3"/><c3 folder="p3" start="2.8" limit="1"/>
<draworder effect="music" effect="bg" effect="c1" effect="c2" effect="c3"/>)";

class MusicTracksPlayer : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("data/music/parts.wav", partsWav());
        dir.write("data/script.txt", stockScript(kScript, 25, 3.0f, 64, 48));
        setenv("SDL_AUDIODRIVER", "none-for-this-test", 1);
    }
    void TearDown() override { unsetenv("SDL_AUDIODRIVER"); }

    Rgb part(int index) {
        Frame frame(dir.file("p" + std::to_string(index) + "/frame_00000.png"));
        EXPECT_TRUE(frame.loaded()) << "part " << index << "\n" << dir.read("log.txt");
        return frame.loaded() ? frame.at(0.5f, 0.5f) : Rgb{-1, -1, -1};
    }

    // Red is music.low, green music.high, blue music.mid: near 0.9 for a tone at half of
    // full scale in its band, near 0 outside it.
    void expectParts(bool withFirst) {
        if (withFirst) {
            const Rgb low = part(1);
            EXPECT_GT(low.r, 200) << low;
            EXPECT_LT(low.g, 30) << low;
            EXPECT_LT(low.b, 30) << low;
        }
        const Rgb high = part(2);
        EXPECT_LT(high.r, 30) << high;
        EXPECT_GT(high.g, 200) << high;
        EXPECT_LT(high.b, 30) << high;
        const Rgb silent = part(3);
        EXPECT_LT(silent.r, 20) << silent;
        EXPECT_LT(silent.g, 20) << silent;
        EXPECT_LT(silent.b, 20) << silent;
    }

    TempDir dir;
};

} // namespace

TEST_F(MusicTracksPlayer, ToneBandsDriveTheColourLiveAfterAJumpAndInARender) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    const PlayerResult live = runPlayer(dir.path().string());
    ASSERT_EQ(live.exitCode, 0) << live.output;
    {
        SCOPED_TRACE("live");
        expectParts(true);
    }
    const Rgb liveHigh = part(2);
    const Rgb liveSilent = part(3);

    std::filesystem::remove_all(dir.path() / "p2");
    std::filesystem::remove_all(dir.path() / "p3");
    const PlayerResult jumped = runPlayer(dir.path().string(), "--start 1.2");
    ASSERT_EQ(jumped.exitCode, 0) << jumped.output;
    {
        SCOPED_TRACE("after a jump");
        expectParts(false);
        EXPECT_TRUE(near(part(2), liveHigh)) << part(2) << liveHigh;
        EXPECT_TRUE(near(part(3), liveSilent)) << part(3) << liveSilent;
    }

    for (const char* folder : {"p1", "p2", "p3"}) std::filesystem::remove_all(dir.path() / folder);
    const PlayerResult rendered =
        runPlayer(dir.path().string(), "--render out.mp4 --fps 25 --size 64x48");
    ASSERT_EQ(rendered.exitCode, 0) << rendered.output;
    SCOPED_TRACE("render");
    expectParts(true);
    EXPECT_TRUE(near(part(2), liveHigh)) << part(2) << liveHigh;
    EXPECT_TRUE(near(part(3), liveSilent)) << part(3) << liveSilent;
}

TEST_F(MusicTracksPlayer, CheckModeKnowsTheMusicTracks) {
    dir.write("data/script.txt", stockScript(std::string(kScript) + R"(
<drive effect="bg" param="color" tracks="music.lows, music.beat, music.level, music.mid"/>
<add type="picture" name="bars"/><bars texture="music"/>)",
                                             25, 3.0f));
    const PlayerResult run = runPlayer(dir.path().string(), "--check");
    EXPECT_NE(run.output.find("names track 'music.lows', which is no music track; did you mean "
                              "'music.low'?"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find("music.beat'"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("'music.high'"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("texture 'music'"), std::string::npos) << run.output;
}
