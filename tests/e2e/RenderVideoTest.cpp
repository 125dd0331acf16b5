// --render end to end: a short demo whose clear colour follows sync tracks from files and
// whose music starts at one second is written to MP4; ffprobe and ffmpeg (Debian's
// programs on the same libraries) show the frame count, size, rate and sound length, and
// the decoded pictures and sound are those of the demo at each frame's time.
#include "AudioTestFiles.h"
#include "StockEffectsFixture.h"
#include "TrackFileBytes.h"

#include <cmath>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Runs the player with its output in `dir`/output.txt, and returns its process id.
pid_t startPlayer(const TempDir& dir, const std::vector<std::string>& arguments) {
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(dir.path().c_str()) != 0) _exit(127);
        const int output = open("output.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
        std::vector<char*> argv = {const_cast<char*>(VORNEX_BIN_DIR "/vornex")};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return child;
}

class RenderVideo : public ::testing::Test {
protected:
    // 16 rows a second: red climbs from 0 to 1 over two seconds, green holds 0.5, blue
    // steps to 1 at one second; a tone starts at one second.
    void writeDemo(const std::string& end = R"(<event time="1.5"><exit/></event>)") {
        dir.write("data/sync/r_red.track", trackFile({{0, 0.0f, 1}, {32, 1.0f, 0}}));
        dir.write("data/sync/r_green.track", trackFile({{0, 0.5f, 0}}));
        dir.write("data/sync/r_blue.track", trackFile({{0, 0.0f, 0}, {16, 1.0f, 0}}));
        ASSERT_TRUE(writeSound(dir.file("data/music/tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16,
                               44100, 2, sine(44100, 2, 3.0, 441.0)));
        dir.write("data/script.txt", R"(<demo name="render" width="320" height="240">
<loadplugin file="stockfx.so"/>
<sync bpm="120" rowsperbeat="8" base="sync/r"/>
<add type="clear" name="bg"/>
<add type="musicplay" name="music"/><music file="tone.wav" start="1"/>
<drive effect="bg" param="color" tracks="red,green,blue,alpha"/>
<draworder effect="bg" effect="music"/>
)" + end + R"(
<load/><run/></demo>
)");
    }

    // The pictures of the file, decoded to RGB.
    std::string pictures(const char* file) {
        shellOutput(dir.path().string(), std::string("ffmpeg -v error -i ") + file +
                                             " -f rawvideo -pix_fmt rgb24 -y pictures.raw");
        return dir.read("pictures.raw");
    }

    TempDir dir;
};

// The clear colour the demo draws at `seconds`.
Rgb colourAt(double seconds) {
    return {int(std::lround(seconds / 2.0 * 255.0)), 128, seconds < 1.0 ? 0 : 255};
}

TEST_F(RenderVideo, WritesTheDemosPicturesAndMusicFrameByFrame) {
    if (!haveDisplay()) GTEST_SKIP() << "no display";
    writeDemo();
    const PlayerResult run =
        runPlayer(dir.path().string(), "--render out.mp4 --fps 25 --size 160x120");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_TRUE(dir.exists("out.mp4")) << run.output;
    EXPECT_NE(run.output.find("render: out.mp4: 39 frames"), std::string::npos) << run.output;

    // The exit at 1.5 s fires in the frame after the picture of 1.52 s, the last one.
    EXPECT_EQ(shellOutput(dir.path().string(),
                          "ffprobe -v error -select_streams v:0 -count_frames -show_entries "
                          "stream=codec_name,width,height,r_frame_rate,nb_read_frames "
                          "-of default=nw=1 out.mp4"),
              "codec_name=h264\nwidth=160\nheight=120\nr_frame_rate=25/1\nnb_read_frames=39\n");
    double soundSeconds = 0.0;
    const std::string sound =
        shellOutput(dir.path().string(), "ffprobe -v error -select_streams a:0 -show_entries "
                                         "stream=codec_name,sample_rate,duration -of "
                                         "default=nw=1 out.mp4");
    ASSERT_EQ(sound.rfind("codec_name=aac\nsample_rate=44100\nduration=", 0), 0u) << sound;
    std::sscanf(sound.c_str() + sound.find("duration=") + 9, "%lf", &soundSeconds);
    EXPECT_NEAR(soundSeconds, 39 / 25.0, 0.01);

    // Each picture is the clear colour of its demo time k / 25 s.
    const std::string decoded = pictures("out.mp4");
    const size_t pictureBytes = 160 * 120 * 3;
    ASSERT_EQ(decoded.size(), 39 * pictureBytes);
    for (int k = 0; k < 39; ++k) {
        if (k == 25) continue; // blue's step lies on this picture's time
        const Rgb expected = colourAt(k / 25.0);
        const uint8_t* centre = reinterpret_cast<const uint8_t*>(decoded.data()) +
                                k * pictureBytes + (60 * 160 + 80) * 3;
        EXPECT_TRUE(within({centre[0], centre[1], centre[2]}, expected, 6))
            << "picture " << k << " " << Rgb{centre[0], centre[1], centre[2]} << " not "
            << expected;
    }

    // The music starts one second in, to within a few milliseconds.
    shellOutput(dir.path().string(), "ffmpeg -v error -i out.mp4 -vn -ac 1 -f f32le sound.raw");
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
    const PlayerResult absurd = runPlayer(dir.path().string(), "--render out.mp4 --duration 1e18");
    EXPECT_EQ(absurd.exitCode, 2);
    EXPECT_NE(absurd.output.find("--duration 1e18: seconds above 0, at most 86400"),
              std::string::npos)
        << absurd.output;
    const PlayerResult edit = runPlayer(dir.path().string(), "--edit --render out.mp4");
    EXPECT_EQ(edit.exitCode, 2);
    EXPECT_NE(edit.output.find("--render does not go with --edit"), std::string::npos)
        << edit.output;
    EXPECT_FALSE(dir.exists("out.mp4"));
}

TEST_F(RenderVideo, AContainerThatCannotHoldTheVideoIsRefusedBeforeTheFileIsTouched) {
    writeDemo();
    for (const char* name : {"song.wav", "song.flac", "cover.png", "clip.webm", "notes.txt"}) {
        dir.write(name, "an earlier file");
        const PlayerResult run = runPlayer(dir.path().string(), std::string("--render ") + name);
        EXPECT_EQ(run.exitCode, 2) << name << "\n" << run.output;
        EXPECT_NE(run.output.find(std::string("vornex: --render ") + name + ": "),
                  std::string::npos)
            << run.output;
        // Of the containers this FFmpeg writes: the Windows build's has no Matroska.
        EXPECT_NE(run.output.find("name the file .mp4"), std::string::npos) << run.output;
        EXPECT_EQ(dir.read(name), "an earlier file") << name;
        EXPECT_FALSE(dir.exists("log.txt")) << "the demo was started for " << name;
    }
    const PlayerResult empty = runPlayer(dir.path().string(), "--render ''");
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_NE(empty.output.find("--render needs the name of the video file"), std::string::npos)
        << empty.output;
}

TEST_F(RenderVideo, AWriteErrorStopsTheRenderAndKeepsTheEarlierFile) {
    if (!haveDisplay()) GTEST_SKIP() << "no display";
    writeDemo("");
    // Pictures of noise, which the encoder cannot make small: the file outgrows the limit
    // within the first frames instead of after minutes of a plain colour.
    dir.write("data/shaders/noise.frag", R"(void mainImage(out vec4 colour, in vec2 at) {
    float n = fract(sin(dot(at + iTime * 61.0, vec2(12.9898, 78.233))) * 43758.5453);
    colour = vec4(n, fract(n * 7.0), fract(n * 13.0), 1.0);
})");
    std::string script = dir.read("data/script.txt");
    script.replace(script.find("<draworder"), 0,
                   "<add type=\"shader\" name=\"noise\"/><noise file=\"shaders/noise.frag\"/>\n");
    script.replace(script.find("effect=\"music\"/>"), 0, "effect=\"noise\" ");
    dir.write("data/script.txt", script);
    dir.write("out.mp4", "an earlier render");
    // A file size limit of 64 KiB, which the render passes in its first frames.
    const PlayerResult run =
        runPlayerCommand("sh -c 'ulimit -f 64 && exec \"$0\" \"$@\"' " VORNEX_LINUX_PLAYER_COMMAND,
                         dir.path().string(), "--render out.mp4 --duration 600", 120);
    EXPECT_EQ(run.exitCode, 4) << run.output;
    EXPECT_NE(run.output.find("render: writing out.mp4 failed at frame "), std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find("frames in"), std::string::npos) << run.output;
    EXPECT_EQ(dir.read("out.mp4"), "an earlier render");
    EXPECT_EQ(filesStartingWith(dir, ".out.mp4"), 0);
}

TEST_F(RenderVideo, AStopSignalLeavesTheEarlierFileAndNoTemporaryOne) {
    if (!haveDisplay()) GTEST_SKIP() << "no display";
    writeDemo("");
    dir.write("out.mp4", "an earlier render");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const pid_t player = startPlayer(dir, {"--render", "out.mp4", "--duration", "600"});
        ASSERT_GT(player, 0);
        // Until frames are being written (the unfinished file has grown), or the player
        // has ended on its own.
        int status = 0;
        bool ended = false;
        for (;;) {
            ended = waitpid(player, &status, WNOHANG) == player;
            if (ended) break;
            bool growing = false;
            for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
                if (entry.path().filename().string().rfind(".out.mp4", 0) == 0)
                    growing = growing || std::filesystem::file_size(entry.path()) > 0;
            if (growing) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ASSERT_FALSE(ended) << dir.read("output.txt");
        kill(player, signal);
        ASSERT_EQ(waitpid(player, &status, 0), player);
        const std::string output = dir.read("output.txt");
        ASSERT_TRUE(WIFEXITED(status)) << output;
        EXPECT_EQ(WEXITSTATUS(status), 128 + signal) << output;
        EXPECT_NE(output.find("render: stopped by SIG"), std::string::npos) << output;
        EXPECT_EQ(dir.read("out.mp4"), "an earlier render");
        EXPECT_EQ(filesStartingWith(dir, ".out.mp4"), 0);
    }
}

TEST_F(RenderVideo, PicturesShowWholeFramesOfTimeFromTheStartAndTheExitPictureIsTheLast) {
    if (!haveDisplay()) GTEST_SKIP() << "no display";
    writeDemo(R"(<event time="1"><exit/></event>)");
    // An exit at 1 s at 30 frames a second: pictures of 0 to 1.0 s.
    const PlayerResult whole =
        runPlayer(dir.path().string(), "--render whole.mp4 --fps 30 --size 32x24");
    ASSERT_EQ(whole.exitCode, 0) << whole.output;
    EXPECT_NE(whole.output.find("31/31 frames"), std::string::npos) << whole.output;
    EXPECT_NE(whole.output.find("render: whole.mp4: 31 frames"), std::string::npos) << whole.output;

    // A clip: from 0.5 s for 0.4 s at 25 frames a second is the 10 pictures of 0.5 to
    // 0.86 s; its sound is 0.4 s long, and the tone starts at 1 s, after it.
    const PlayerResult clip =
        runPlayer(dir.path().string(), "--render clip.mp4 --fps 25 --size 32x24 --start 0.5 "
                                       "--duration 0.4");
    ASSERT_EQ(clip.exitCode, 0) << clip.output;
    EXPECT_NE(clip.output.find("10/10 frames"), std::string::npos) << clip.output;
    const std::string decoded = pictures("clip.mp4");
    const size_t pictureBytes = 32 * 24 * 3;
    ASSERT_EQ(decoded.size(), 10 * pictureBytes);
    for (int k = 0; k < 10; ++k) {
        const uint8_t* centre = reinterpret_cast<const uint8_t*>(decoded.data()) +
                                k * pictureBytes + (12 * 32 + 16) * 3;
        EXPECT_TRUE(within({centre[0], centre[1], centre[2]}, colourAt(0.5 + k / 25.0), 6))
            << "picture " << k;
    }
    // The exit's frame count from a start time: 0.5 to 1.0 s.
    const PlayerResult tail =
        runPlayer(dir.path().string(), "--render tail.mp4 --fps 30 --size 32x24 --start 0.5");
    ASSERT_EQ(tail.exitCode, 0) << tail.output;
    EXPECT_NE(tail.output.find("16/16 frames"), std::string::npos) << tail.output;
    EXPECT_NE(tail.output.find("render: tail.mp4: 16 frames"), std::string::npos) << tail.output;
}

} // namespace
