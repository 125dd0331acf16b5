// --render in the Windows build, run under Wine by the end-to-end driver: a second of the
// bundled demo written to MP4 over an earlier file, checked with Debian's ffprobe and
// ffmpeg against the Linux player's render of the same second; a file named with accents;
// and a render stopped with Ctrl+C, which leaves the earlier file as it was and no
// unfinished one.
#include "StockEffectsFixture.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr const char* kDemoScript = R"(<demo name="Vornex" width="320" height="240">
    <include file="vornex.txt"/>
    <load effect="loading"/>
    <run/>
</demo>
)";

// The textured cube and torus: ten pictures from 12.5 s.
constexpr const char* kRenderArguments =
    "--render out.mp4 --start 12.5 --duration 1 --fps 10 --size 160x120";
constexpr int kPictures = 10;
constexpr size_t kPictureBytes = 160 * 120 * 3;

std::string streams(const TempDir& dir) {
    return shellOutput(dir.path().string(),
                       "ffprobe -v error -count_frames -show_entries "
                       "stream=codec_type,codec_name,width,height,r_frame_rate,nb_read_frames "
                       "-of default=nw=1 out.mp4");
}

std::string pictures(const TempDir& dir) {
    shellOutput(dir.path().string(),
                "ffmpeg -v error -i out.mp4 -f rawvideo -pix_fmt rgb24 -y pictures.raw");
    return dir.read("pictures.raw");
}

bool unfinishedFileHasGrown(const TempDir& dir) {
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().filename().string().rfind(".out.mp4.partial", 0) == 0 &&
            std::filesystem::file_size(entry.path()) > 0)
            return true;
    return false;
}

} // namespace

TEST(WindowsRender, WritesTheSamePicturesAsTheLinuxPlayerOverAnEarlierFile) {
    TempDir windows;
    linkBundledData(windows, kDemoScript);
    windows.write("out.mp4", "an earlier render");
    const PlayerResult windowsRun = runPlayer(windows.path().string(), kRenderArguments, 300);
    ASSERT_EQ(windowsRun.exitCode, 0) << windowsRun.output;
    EXPECT_NE(windowsRun.output.find("10/10 frames"), std::string::npos) << windowsRun.output;
    EXPECT_NE(windowsRun.output.find("render: out.mp4: 10 frames in"), std::string::npos)
        << windowsRun.output;
    EXPECT_EQ(filesStartingWith(windows, ".out.mp4"), 0);
    TempDir linux;
    linkBundledData(linux, kDemoScript);
    const PlayerResult linuxRun = runLinuxPlayer(linux.path().string(), kRenderArguments, 300);
    ASSERT_EQ(linuxRun.exitCode, 0) << linuxRun.output;

    const std::string expectedStreams = "codec_name=h264\ncodec_type=video\nwidth=160\nheight="
                                        "120\nr_frame_rate=10/1\nnb_read_frames=10\n";
    const std::string windowsStreams = streams(windows);
    EXPECT_EQ(windowsStreams.rfind(expectedStreams, 0), 0u) << windowsStreams;
    EXPECT_NE(windowsStreams.find("codec_name=aac\ncodec_type=audio\n"), std::string::npos)
        << windowsStreams;
    EXPECT_EQ(streams(linux), windowsStreams);

    // Both encode the same pictures with the same x264 and settings; the software
    // rasteriser may round a few pixels apart, which the encoder may spread over a block.
    const std::string shown = pictures(windows);
    const std::string expected = pictures(linux);
    ASSERT_EQ(shown.size(), kPictures * kPictureBytes);
    ASSERT_EQ(expected.size(), shown.size());
    for (int k = 0; k < kPictures; ++k) {
        int differing = 0;
        long long difference = 0;
        for (size_t i = k * kPictureBytes; i < (k + 1) * kPictureBytes; ++i) {
            const int step = std::abs(int(uint8_t(shown[i])) - int(uint8_t(expected[i])));
            difference += step;
            if (step > 24) ++differing;
        }
        EXPECT_LE(double(difference) / kPictureBytes, 1.0) << "picture " << k;
        EXPECT_LE(double(differing) / kPictureBytes, 0.01) << "picture " << k;
    }
}

// Windows' narrow file names are in the system's code page; FFmpeg's are UTF-8.
TEST(WindowsRender, WritesIntoAFolderAndAFileWithAccentsInTheirNames) {
    TempDir dir;
    linkBundledData(dir, kDemoScript);
    dir.write("vidéo dir/clip ü.mp4", "an earlier render");
    const PlayerResult run =
        runPlayer(dir.path().string(),
                  "--render 'vidéo dir/clip ü.mp4' --start 12.5 --duration 0.5 --fps 10 "
                  "--size 64x48",
                  300);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(
        shellOutput(dir.path().string(),
                    "ffprobe -v error -select_streams v:0 -count_frames -show_entries "
                    "stream=codec_name,nb_read_frames -of default=nw=1 'vidéo dir/clip ü.mp4'"),
        "codec_name=h264\nnb_read_frames=5\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "vidéo dir"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(WindowsRender, CtrlCStopsTheRenderAndKeepsTheEarlierFile) {
    TempDir dir;
    linkBundledData(dir, kDemoScript);
    dir.write("out.mp4", "an earlier render");
    const pid_t player = fork();
    if (player == 0) {
        if (chdir(dir.path().c_str()) != 0) _exit(127);
        if (!std::freopen("output.txt", "w", stdout) || dup2(STDOUT_FILENO, STDERR_FILENO) < 0)
            _exit(127);
        // exec, so that the signal goes to Wine's process, which makes it a Ctrl+C.
        execl("/bin/sh", "sh", "-c",
              "exec " VORNEX_PLAYER_COMMAND " --render out.mp4 --duration 600 --size 160x120",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(player, 0);
    int status = 0;
    bool ended = false;
    while (!(ended = waitpid(player, &status, WNOHANG) == player) && !unfinishedFileHasGrown(dir))
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_FALSE(ended) << dir.read("output.txt");
    kill(player, SIGINT);
    ASSERT_EQ(waitpid(player, &status, 0), player);
    const std::string text = dir.read("output.txt");
    ASSERT_TRUE(WIFEXITED(status)) << text;
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGINT) << text;
    // On a line of its own, after the progress line, though standard error is a file here.
    EXPECT_NE(text.find("\nrender: stopped by Ctrl+C; nothing was written to out.mp4"),
              std::string::npos)
        << text;
    EXPECT_EQ(dir.read("out.mp4"), "an earlier render");
    EXPECT_EQ(filesStartingWith(dir, ".out.mp4"), 0);
}
