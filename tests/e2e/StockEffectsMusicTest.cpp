// What musicplay plays: the sound itself, recorded by SDL's disk audio driver, and the
// music's position against the demo clock on the silent device, with a fixed frame step
// and across a seek.
#include "StockEffectsFixture.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

constexpr double kPi = 3.14159265358979;

// A mono 16-bit WAV file of a sine tone.
std::string toneWav(double seconds, double frequency, double amplitude) {
    const uint32_t rate = 8000;
    const uint32_t frames = static_cast<uint32_t>(seconds * rate);
    std::string bytes = "RIFF0000WAVEfmt ";
    auto put = [&bytes](uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    bytes += "data";
    put(frames * 2, 4);
    for (uint32_t i = 0; i < frames; ++i)
        put(static_cast<uint16_t>(static_cast<int16_t>(amplitude * 32767.0 *
                                                       std::sin(2.0 * kPi * frequency * i / rate))),
            2);
    const uint32_t riffSize = static_cast<uint32_t>(bytes.size()) - 8;
    std::memcpy(&bytes[4], &riffSize, 4);
    return bytes;
}

// Sets an environment variable for the player for the lifetime of the guard.
class Environment {
public:
    Environment(const char* name, const std::string& value) : name_(name) {
        setenv(name, value.c_str(), 1);
    }
    ~Environment() { unsetenv(name_); }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

private:
    const char* name_;
};

// The music's position and the demo time from the line musicplay logs when it stops.
bool stoppedAt(const std::string& log, const std::string& effect, double& position,
               double& demoTime) {
    const std::string marker = " " + effect + ": ";
    for (size_t at = log.find(marker); at != std::string::npos; at = log.find(marker, at + 1)) {
        const size_t stop = log.find(" stopped at ", at);
        if (stop < log.find('\n', at))
            return std::sscanf(log.c_str() + stop, " stopped at %lf s, demo time %lf s", &position,
                               &demoTime) == 2;
    }
    return false;
}

} // namespace

TEST(StockEffectsMusic, PlaysTheFileFromItsStartTimeAtItsVolume) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/music/tone.wav", toneWav(5.0, 440.0, 0.8));
    dir.write("data/script.txt", R"(<demo name="tone" width="160" height="120">
<loadplugin file="stockfx.so"/>
<add type="musicplay" name="music"/><music file="tone.wav" start="0.5" volume="0.5"/>
<draworder effect="music"/>
<event time="1.5"><exit/></event><load/><run/></demo>
)");
    // The disk driver writes what the sound output plays: float stereo at 44100 Hz.
    Environment driver("SDL_AUDIODRIVER", "disk");
    Environment file("SDL_DISKAUDIOFILE", dir.file("played.raw"));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string played = dir.read("played.raw");
    std::vector<float> samples(played.size() / sizeof(float));
    std::memcpy(samples.data(), played.data(), samples.size() * sizeof(float));
    ASSERT_GT(samples.size(), 44100u) << dir.read("log.txt");
    size_t first = 0;
    while (first < samples.size() && std::fabs(samples[first]) < 0.01f) ++first;
    ASSERT_LT(first, samples.size()) << "only silence was played";
    // Silent until the demo time reaches start. The output runs from the window's opening,
    // before the effects load, so the silence can be longer, never shorter but for the
    // few blocks the driver reads ahead.
    EXPECT_GT(first / 2 / 44100.0, 0.35);
    float peak = 0.0f;
    int crossings = 0;
    for (size_t i = first + 2; i < samples.size(); i += 2) {
        peak = std::max(peak, std::fabs(samples[i]));
        if ((samples[i] < 0.0f) != (samples[i - 2] < 0.0f)) ++crossings;
    }
    EXPECT_NEAR(peak, 0.4f, 0.03f); // 0.8 at volume 0.5
    const double seconds = (samples.size() - first) / 2 / 44100.0;
    EXPECT_NEAR(crossings / 2.0 / seconds, 440.0, 10.0);
}

TEST(StockEffectsMusic, OnTheSilentDeviceTheMusicFollowsAFixedFrameStep) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/music/tone.wav", toneWav(10.0, 440.0, 0.5));
    // lockfps 25: three demo seconds pass in 75 frames, far less than three real seconds.
    dir.write("data/script.txt", stockScript(R"(
<add type="musicplay" name="music"/><music file="tone.wav"/>
<add type="musicplay" name="late"/><late file="tone.wav" start="1"/>
<add type="musicplay" name="never"/><never file="missing.ogg"/>
<draworder effect="music" effect="late" effect="never"/>)",
                                             25, 3.0f));
    // No sound output to be had: the player uses the silent device.
    Environment driver("SDL_AUDIODRIVER", "none-for-this-test");
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    double position = 0.0;
    double demoTime = 0.0;
    ASSERT_TRUE(stoppedAt(log, "music", position, demoTime)) << log;
    EXPECT_NEAR(demoTime, 3.0, 0.1);
    EXPECT_NEAR(position, demoTime, 0.1);
    ASSERT_TRUE(stoppedAt(log, "late", position, demoTime)) << log;
    EXPECT_NEAR(position, demoTime - 1.0, 0.1);
    EXPECT_NE(log.find("never: music missing.ogg could not be opened; staying silent"),
              std::string::npos)
        << log;
}

TEST(StockEffectsMusic, TheMusicJumpsWithASeek) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/music/tone.wav", toneWav(60.0, 440.0, 0.5));
    // The event at 0 writes a key log line whenever it fires: once as the demo starts, and
    // again in every frame of a seek, which fires every event up to the new time.
    dir.write("data/script.txt", R"(<demo name="stockseek" width="160" height="120" vhs="1">
<loadplugin file="stockfx.so"/>
<add type="musicplay" name="music"/><music file="tone.wav"/>
<draworder effect="music"/>
<event time="0" trigger="A"/>
<event time="30"><exit/></event><load/><run/></demo>
)");
    Environment driver("SDL_AUDIODRIVER", "none-for-this-test");
    // Holds the left button (fast forward) over the window, again until the player has
    // ended: the window may take long to appear on a busy machine.
    std::atomic<bool> ended{false};
    std::thread seeker([&ended] {
        while (!ended) {
            std::system("xdotool search --name '^stockseek$' mousemove --window %1 40 40 "
                        "mousedown 1 sleep 2 mouseup 1 >/dev/null 2>&1");
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
    });
    const PlayerResult run = runPlayer(dir.path().string(), "", 45);
    ended = true;
    seeker.join();
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string keylog = dir.read("keylog.txt");
    EXPECT_GT(std::count(keylog.begin(), keylog.end(), '\n'), 1)
        << "the demo was not fast-forwarded";
    const std::string log = dir.read("log.txt");
    double position = 0.0;
    double demoTime = 0.0;
    ASSERT_TRUE(stoppedAt(log, "music", position, demoTime)) << log;
    EXPECT_GE(demoTime, 30.0);
    EXPECT_NEAR(position, demoTime, 0.1);
}
