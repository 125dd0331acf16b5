// --render end to end: a short demo whose clear colour follows sync tracks from files and
// whose music starts at one second is written to MP4; ffprobe and ffmpeg (Debian's
// programs on the same libraries) show the frame count, size, rate and sound length, and
// the decoded pictures and sound are those of the demo at each frame's time.
#include "AudioTestFiles.h"
#include "StockEffectsFixture.h"

#include <cmath>
#include <cstring>

namespace {

std::string le32(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = char(value >> (8 * i));
    return bytes;
}

std::string trackFile(std::initializer_list<std::tuple<int32_t, float, uint8_t>> keys) {
    std::string bytes = le32(uint32_t(keys.size()));
    for (const auto& [row, value, interpolation] : keys) {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, 4);
        bytes += le32(uint32_t(row)) + le32(bits) + std::string(1, char(interpolation));
    }
    return bytes;
}

std::string command(const TempDir& dir, const std::string& line) {
    std::string output;
    FILE* pipe = popen(("cd '" + dir.path().string() + "' && " + line + " 2>&1").c_str(), "r");
    if (!pipe) return output;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) output.append(chunk, got);
    pclose(pipe);
    return output;
}

class RenderVideo : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(RenderVideo, WritesTheDemosPicturesAndMusicFrameByFrame) {
    if (!haveDisplay()) GTEST_SKIP() << "no display";
    // 16 rows a second: red climbs from 0 to 1 over two seconds, green holds 0.5, blue
    // steps to 1 at one second.
    dir.write("data/sync/r_red.track", trackFile({{0, 0.0f, 1}, {32, 1.0f, 0}}));
    dir.write("data/sync/r_green.track", trackFile({{0, 0.5f, 0}}));
    dir.write("data/sync/r_blue.track", trackFile({{0, 0.0f, 0}, {16, 1.0f, 0}}));
    ASSERT_TRUE(writeSound(dir.file("data/music/tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100,
                           2, sine(44100, 2, 3.0, 441.0)));
    dir.write("data/script.txt", R"(<demo name="render" width="320" height="240">
<loadplugin file="stockfx.so"/>
<sync bpm="120" rowsperbeat="8" base="sync/r"/>
<add type="clear" name="bg"/>
<add type="musicplay" name="music"/><music file="tone.wav" start="1"/>
<drive effect="bg" param="color" tracks="red,green,blue,alpha"/>
<draworder effect="bg" effect="music"/>
<event time="1.5"><exit/></event>
<load/><run/></demo>
)");
    const PlayerResult run =
        runPlayer(dir.path().string(), "--render out.mp4 --fps 25 --size 160x120");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_TRUE(dir.exists("out.mp4")) << run.output;
    EXPECT_NE(run.output.find("render: out.mp4: 39 frames"), std::string::npos) << run.output;

    // The exit at 1.5 s fires in the frame that starts at 1.52 s: pictures 0 to 38.
    EXPECT_EQ(command(dir, "ffprobe -v error -select_streams v:0 -count_frames -show_entries "
                           "stream=codec_name,width,height,r_frame_rate,nb_read_frames "
                           "-of default=nw=1 out.mp4"),
              "codec_name=h264\nwidth=160\nheight=120\nr_frame_rate=25/1\nnb_read_frames=39\n");
    double soundSeconds = 0.0;
    const std::string sound = command(dir, "ffprobe -v error -select_streams a:0 -show_entries "
                                           "stream=codec_name,sample_rate,duration -of "
                                           "default=nw=1 out.mp4");
    ASSERT_EQ(sound.rfind("codec_name=aac\nsample_rate=44100\nduration=", 0), 0u) << sound;
    std::sscanf(sound.c_str() + sound.find("duration=") + 9, "%lf", &soundSeconds);
    EXPECT_NEAR(soundSeconds, 39 / 25.0, 0.01);

    // Each picture is the clear colour of its demo time k / 25 s.
    command(dir, "ffmpeg -v error -i out.mp4 -f rawvideo -pix_fmt rgb24 pictures.raw");
    const std::string pictures = dir.read("pictures.raw");
    const size_t pictureBytes = 160 * 120 * 3;
    ASSERT_EQ(pictures.size(), 39 * pictureBytes);
    for (int k = 0; k < 39; ++k) {
        if (k == 25) continue; // blue's step lies on this picture's time
        const double seconds = k / 25.0;
        const Rgb expected = {int(std::lround(seconds / 2.0 * 255.0)), 128,
                              seconds < 1.0 ? 0 : 255};
        const uint8_t* centre = reinterpret_cast<const uint8_t*>(pictures.data()) +
                                k * pictureBytes + (60 * 160 + 80) * 3;
        EXPECT_TRUE(within({centre[0], centre[1], centre[2]}, expected, 6))
            << "picture " << k << " " << Rgb{centre[0], centre[1], centre[2]} << " not "
            << expected;
    }

    // The music starts one second in, to within a few milliseconds.
    command(dir, "ffmpeg -v error -i out.mp4 -vn -ac 1 -f f32le sound.raw");
    const std::string samples = dir.read("sound.raw");
    const float* values = reinterpret_cast<const float*>(samples.data());
    const size_t count = samples.size() / sizeof(float);
    size_t onset = count;
    for (size_t i = 0; i < count && onset == count; ++i)
        if (std::fabs(values[i]) > 0.125f) onset = i;
    EXPECT_NEAR(double(onset) / 44100.0, 1.0, 0.005);
}

TEST_F(RenderVideo, ABadOptionIsExplainedAndNothingIsWritten) {
    const PlayerResult run = runPlayer(dir.path().string(), "--render out.mp4 --size 161x120");
    EXPECT_EQ(run.exitCode, 2); // an unusable command line
    EXPECT_NE(run.output.find("--size 161x120: WIDTHxHEIGHT, even numbers"), std::string::npos)
        << run.output;
    EXPECT_FALSE(dir.exists("out.mp4"));
    const PlayerResult alone = runPlayer(dir.path().string(), "--fps 25");
    EXPECT_NE(alone.output.find("--fps, --size and --duration go with --render"), std::string::npos)
        << alone.output;
}

} // namespace
