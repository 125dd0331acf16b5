// Starting at a time, and edit mode's live reload: a shader, a texture and the script are
// changed under a running player, and what it draws follows without a restart.
#include "AudioTestFiles.h"
#include "StockEffectsFixture.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// The newest frame the capture effect wrote (not loaded while it is being written), or null.
std::unique_ptr<Frame> newestFrame(const TempDir& dir) {
    std::filesystem::path newest;
    std::filesystem::file_time_type newestTime;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir.file("frames"), error)) {
        const auto time = entry.last_write_time(error);
        if (!error && (newest.empty() || time > newestTime)) {
            newest = entry.path();
            newestTime = time;
        }
    }
    return newest.empty() ? nullptr : std::make_unique<Frame>(newest.string());
}

// Polls the newest frame until `wanted` holds for it; the seconds that took, or -1 after
// `limit` seconds.
template <typename Predicate>
double secondsUntil(const TempDir& dir, Predicate wanted, double limit = 15.0) {
    const auto start = Clock::now();
    for (;;) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (elapsed > limit) return -1.0;
        std::unique_ptr<Frame> frame = newestFrame(dir);
        if (frame && frame->loaded() && wanted(*frame)) return elapsed;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string fillShader(const char* colour) {
    return std::string("void main() {\n    gl_FragColor = vec4(") + colour + ");\n}\n";
}

// Written beside and renamed over, as editors save.
void replaceFile(const TempDir& dir, const std::string& relative, const std::string& bytes) {
    dir.write(relative + ".new", bytes);
    std::filesystem::rename(dir.file(relative + ".new"), dir.file(relative));
}

const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kYellow{255, 255, 0},
    kWhite{255, 255, 255}, kBlack{0, 0, 0};

} // namespace

TEST(StartTime, EventsUpToItHaveFiredAndTheMusicStartsThere) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    ASSERT_TRUE(writeSound(dir.file("data/music/tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050,
                           1, sine(22050, 1, 20.0, 440.0)));
    dir.write("data/script.txt", stockScript(R"(
<add type="clear" name="bg"/><bg color="0,0,0,1"/>
<add type="musicplay" name="song"/><song file="tone.wav"/>
<add type="capture" name="rec"/><rec folder="frames" limit="1"/>
<draworder effect="bg" effect="song" effect="rec"/>
<event time="5"><bg color="1,0,0,1"/></event>
<event time="11.5"><bg color="0,1,0,1"/></event>
<event time="12.5"><bg color="0,0,1,1"/></event>)",
                                             25, 12.4f));
    const PlayerResult run = runPlayer(dir.path().string(), "--start 12");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    Frame first(framePath(dir, 0));
    ASSERT_TRUE(first.loaded()) << log;
    // The event at 11.5 s has fired (after the one at 5 s), the one at 12.5 s not yet.
    EXPECT_PRED2(near, first.at(0.5f, 0.5f), kGreen);
    double position = 0.0, demoTime = 0.0;
    const size_t stop = log.find(" stopped at ");
    ASSERT_NE(stop, std::string::npos) << log;
    ASSERT_EQ(
        std::sscanf(log.c_str() + stop, " stopped at %lf s, demo time %lf s", &position, &demoTime),
        2);
    EXPECT_NEAR(demoTime, 12.4, 0.05);
    EXPECT_NEAR(position, demoTime, 0.15) << "the music plays from 12 s, not from 0";

    const PlayerResult refused = runPlayer(dir.path().string(), "--start soon");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.output.find("--start takes a time in seconds"), std::string::npos);
}

TEST(EditMode, ShaderTextureAndScriptChangesShowWithoutARestart) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/shaders/fill.frag", fillShader("1.0, 0.0, 0.0, 1.0"));
    dir.write("data/textures/swatch.tga", quadrantTga(8, kGreen, kGreen, kGreen, kGreen));
    // Top half: the clear colour; bottom left: the shader; bottom right: the texture.
    const std::string script = R"(<demo name="edit" width="96" height="64">
<loadplugin file="stockfx.so"/>
<add type="clear" name="bg"/><bg color="0,0,0,1"/>
<add type="shader" name="fill"/><fill file="shaders/fill.frag" viewport="0,0,0.5,0.5"/>
<add type="picture" name="pic"/><pic texture="swatch.tga" viewport="0.5,0,0.5,0.5"/>
<add type="capture" name="rec"/><rec folder="frames" every="2"/>
<draworder effect="bg" effect="fill" effect="pic" effect="rec"/>
<event time="15"><exit/></event>
<load/>
<run/>
</demo>
)";
    dir.write("data/script.txt", script);
    PlayerResult run;
    std::thread player([&] { run = runPlayer(dir.path().string(), "--edit", 60); });

    const auto shows = [](Rgb top, Rgb left, Rgb right) {
        return [=](Frame& frame) {
            return near(frame.at(0.5f, 0.75f), top) && near(frame.at(0.25f, 0.25f), left) &&
                   near(frame.at(0.75f, 0.25f), right);
        };
    };
    EXPECT_GE(secondsUntil(dir, shows(kBlack, kRed, kGreen)), 0.0) << "the demo never drew";

    replaceFile(dir, "data/shaders/fill.frag", fillShader("0.0, 0.0, 1.0, 1.0"));
    const double shader = secondsUntil(dir, shows(kBlack, kBlue, kGreen));
    EXPECT_GE(shader, 0.0) << "the shader was not compiled again";

    dir.write("data/textures/swatch.tga", quadrantTga(8, kYellow, kYellow, kYellow, kYellow));
    const double texture = secondsUntil(dir, shows(kBlack, kBlue, kYellow));
    EXPECT_GE(texture, 0.0) << "the texture was not read again";

    // A shader that does not compile leaves the last good one drawing.
    replaceFile(dir, "data/shaders/fill.frag", "void main() {\n    gl_FragColor = oops;\n}\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    EXPECT_GE(secondsUntil(dir, shows(kBlack, kBlue, kYellow), 0.5), 0.0);
    replaceFile(dir, "data/shaders/fill.frag", fillShader("0.0, 0.0, 1.0, 1.0"));

    std::string script2 = script;
    script2.replace(script2.find("<bg color=\"0,0,0,1\"/>"), 20, "<bg color=\"1,1,1,1\"/>");
    replaceFile(dir, "data/script.txt", script2);
    const double reread = secondsUntil(dir, shows(kWhite, kBlue, kYellow));
    EXPECT_GE(reread, 0.0) << "the script was not read again";

    // Saved with its exit moved to 0 s: the events up to the time reached fire again, the
    // exit among them, so the player ends here instead of at 15 s.
    std::string script3 = script2;
    script3.replace(script3.find("time=\"15\""), 9, "time=\"0\"");
    replaceFile(dir, "data/script.txt", script3);
    player.join();
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("data/shaders/fill.frag:2:"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("reading the script again at"), std::string::npos) << run.output;
    // Seconds from saving to the first captured frame showing the change (a capture every
    // other frame, so a frame or two of that is the capture's own delay).
    RecordProperty("shader_reload_ms", static_cast<int>(shader * 1000));
    RecordProperty("texture_reload_ms", static_cast<int>(texture * 1000));
    RecordProperty("script_reload_ms", static_cast<int>(reread * 1000));
    std::printf("reload latency: shader %.3f s, texture %.3f s, script %.3f s\n", shader, texture,
                reread);
}
