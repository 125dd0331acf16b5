// Edit mode's live reload: a shader, a texture and the script are changed under a running
// player, and what it draws follows without a restart.
#include "AudioTestFiles.h"
#include "EditorStandIn.h"
#include "StockEffectsFixture.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

namespace {

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

// Polls the newest frame until `wanted` holds for it (true) or the player has ended
// (false). There is no time limit: a busy machine only takes longer.
template <typename Predicate>
bool frameShows(const TempDir& dir, const std::atomic<bool>& ended, Predicate wanted) {
    for (;;) {
        // Read first, so a frame written just before the end is still looked at.
        const bool over = ended;
        std::unique_ptr<Frame> frame = newestFrame(dir);
        if (frame && frame->loaded() && wanted(*frame)) return true;
        if (over) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// Polls log.txt until it has `text` (true) or the player has ended (false).
bool logHas(const TempDir& dir, const std::atomic<bool>& ended, const std::string& text) {
    for (;;) {
        const bool over = ended;
        if (dir.read("log.txt").find(text) != std::string::npos) return true;
        if (over) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// Frames the capture effect has written so far.
size_t framesWritten(const TempDir& dir) {
    std::error_code error;
    size_t count = 0;
    for (auto entry = std::filesystem::directory_iterator(dir.file("frames"), error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error))
        ++count;
    return count;
}

// Types Escape into the edit window until the player has ended, then waits for it: edit
// mode ends only so. Windows of tests running beside this one may take the focus, and
// there is no window manager, so it types again until the player is gone.
void quitWithEscape(std::thread& player, const std::atomic<bool>& ended) {
    while (!ended) {
        std::system("id=$(xdotool search --name '^edit [|]' | head -n 1) && [ -n \"$id\" ] && "
                    "xdotool windowfocus --sync $id key Escape >/dev/null 2>&1");
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    player.join();
}

// The edit window's title, "" while there is none.
std::string editTitle() {
    const std::string title =
        commandOutput("xdotool search --name '^edit [|]' getwindowname 2>/dev/null");
    return title.substr(0, title.find('\n'));
}

// Polls the title until `wanted` holds for it (true) or the player has ended (false).
template <typename Predicate> bool titleShows(const std::atomic<bool>& ended, Predicate wanted) {
    for (;;) {
        const bool over = ended;
        if (wanted(editTitle())) return true;
        if (over) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
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

// An 8 x 8 GIF of one colour: each pair of pixels after a clear code, so every code stays
// three bits wide.
std::string solidGif(Rgb colour) {
    std::string gif = "GIF89a";
    for (const int byte : {8, 0,    8, 0, 0x80, 0, 0, colour.r, colour.g, colour.b, 0, 0,
                           0, 0x2C, 0, 0, 0,    0, 8, 0,        8,        0,        0, 2})
        gif += static_cast<char>(byte);
    std::string packed;
    uint32_t bits = 0, count = 0;
    for (int pair = 0; pair <= 32; ++pair)
        for (const uint32_t code :
             pair == 32 ? std::vector<uint32_t>{5} : std::vector<uint32_t>{4, 0, 0}) {
            bits |= code << count;
            for (count += 3; count >= 8; count -= 8, bits >>= 8) packed += static_cast<char>(bits);
        }
    packed += static_cast<char>(bits);
    gif += static_cast<char>(packed.size());
    gif += packed;
    gif += std::string(1, '\0') + ";";
    return gif;
}

const Rgb kYellow{255, 255, 0};

} // namespace

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
<load/>
<run/>
</demo>
)";
    dir.write("data/script.txt", script);
    // The test ends the demo itself, when it has seen every change: no demo time limits it.
    // The timeout only ends a player that hangs.
    PlayerResult run;
    std::atomic<bool> ended{false};
    std::thread player([&] {
        run = runPlayer(dir.path().string(), "--edit", 600);
        ended = true;
    });

    const auto shows = [](Rgb top, Rgb left, Rgb right) {
        return [=](Frame& frame) {
            return near(frame.at(0.5f, 0.75f), top) && near(frame.at(0.25f, 0.25f), left) &&
                   near(frame.at(0.75f, 0.25f), right);
        };
    };
    EXPECT_TRUE(frameShows(dir, ended, shows(kBlack, kRed, kGreen))) << "the demo never drew";

    replaceFile(dir, "data/shaders/fill.frag", fillShader("0.0, 0.0, 1.0, 1.0"));
    EXPECT_TRUE(frameShows(dir, ended, shows(kBlack, kBlue, kGreen)))
        << "the shader was not compiled again";

    dir.write("data/textures/swatch.tga", quadrantTga(8, kYellow, kYellow, kYellow, kYellow));
    EXPECT_TRUE(frameShows(dir, ended, shows(kBlack, kBlue, kYellow)))
        << "the texture was not read again";

    // A shader that does not compile leaves the last good one drawing: a frame captured
    // after the compiler's message still shows it.
    replaceFile(dir, "data/shaders/fill.frag", "void main() {\n    gl_FragColor = oops;\n}\n");
    EXPECT_TRUE(logHas(dir, ended, "fill: shaders/fill.frag 0:2")) << dir.read("log.txt");
    const size_t framesBefore = framesWritten(dir);
    EXPECT_TRUE(frameShows(dir, ended, [&](Frame& frame) {
        return framesWritten(dir) > framesBefore + 1 && shows(kBlack, kBlue, kYellow)(frame);
    }));
    replaceFile(dir, "data/shaders/fill.frag", fillShader("0.0, 0.0, 1.0, 1.0"));

    std::string script2 = script;
    script2.replace(script2.find("<bg color=\"0,0,0,1\"/>"), 20, "<bg color=\"1,1,1,1\"/>");
    replaceFile(dir, "data/script.txt", script2);
    EXPECT_TRUE(frameShows(dir, ended, shows(kWhite, kBlue, kYellow)))
        << "the script was not read again";

    quitWithEscape(player, ended);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("data/shaders/fill.frag:2:"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("reading the script again at"), std::string::npos) << run.output;
}

TEST(EditMode, TexturesAreReadAgainAsFirstLoadedAndARefusedOneKeepsItsPicture) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/textures/big.tga", quadrantTga(2048, kGreen, kGreen, kGreen, kGreen));
    dir.write("data/textures/swatch.gif", solidGif(kRed));
    const auto script = [](const char* exitTime) {
        return std::string(R"(<demo name="edit" width="96" height="64">
<loadplugin file="stockfx.so"/>
<add type="picture" name="big"/><big texture="big.tga" viewport="0,0,0.5,1"/>
<add type="picture" name="gif"/><gif texture="swatch.gif" viewport="0.5,0,0.5,1"/>
<add type="capture" name="rec"/><rec folder="frames" every="2"/>
<draworder effect="big" effect="gif" effect="rec"/>
<event time=")") +
               exitTime + R"("><exit/></event>
<load/>
<run/>
</demo>
)";
    };
    dir.write("data/script.txt", script("50"));
    PlayerResult run;
    std::atomic<bool> ended{false};
    std::thread player([&] {
        run = runPlayer(dir.path().string(), "--edit", 600);
        ended = true;
    });
    const auto shows = [](Rgb left, Rgb right) {
        return [=](Frame& frame) {
            return near(frame.at(0.25f, 0.5f), left) && near(frame.at(0.75f, 0.5f), right);
        };
    };
    EXPECT_TRUE(frameShows(dir, ended, shows(kGreen, kRed))) << "the demo never drew";

    // A GIF is read again as a 32-bit picture, as it was first loaded.
    replaceFile(dir, "data/textures/swatch.gif", solidGif(kBlue));
    EXPECT_TRUE(frameShows(dir, ended, shows(kGreen, kBlue))) << "the GIF was not read again";

    // Too small for a texture: the old picture stays, and the demo plays on.
    replaceFile(dir, "data/textures/big.tga", quadrantTga(4, kRed, kRed, kRed, kRed));
    replaceFile(dir, "data/textures/swatch.gif", solidGif(kYellow));
    EXPECT_TRUE(frameShows(dir, ended, shows(kGreen, kYellow))) << "the player stopped drawing";
    // A picture textures take replaces it again.
    replaceFile(dir, "data/textures/big.tga", quadrantTga(8, kWhite, kWhite, kWhite, kWhite));
    EXPECT_TRUE(frameShows(dir, ended, shows(kWhite, kYellow))) << "big.tga was not read again";
    quitWithEscape(player, ended);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("Error: bad texture dimensions (w4 h4) too small/large"),
              std::string::npos)
        << run.output;
    EXPECT_NE(dir.read("log.txt").find("edit: texture big.tga keeps its picture: the new one is "
                                       "4 x 4 at 24 bits, which textures refuse"),
              std::string::npos)
        << dir.read("log.txt");
}

TEST(EditMode, AScriptSavedHalfWrittenWaitsForTheRest) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    const auto script = [](const char* colour, const char* exitTime, bool whole) {
        return std::string(R"(<demo name="edit" width="96" height="64">
<loadplugin file="stockfx.so"/>
<add type="clear" name="bg"/><bg color=")") +
               colour + R"("/>
<add type="capture" name="rec"/><rec folder="frames" every="2"/>
<draworder effect="bg" effect="rec"/>
<event time=")" +
               exitTime + R"("><exit/></event>
)" + (whole ? "<load/>\n<run/>\n</demo>\n" : "");
    };
    dir.write("data/script.txt", script("1,0,0,1", "50", true));
    PlayerResult run;
    std::atomic<bool> ended{false};
    std::thread player([&] {
        run = runPlayer(dir.path().string(), "--edit", 600);
        ended = true;
    });
    const auto shows = [](Rgb colour) {
        return [=](Frame& frame) { return near(frame.at(0.5f, 0.5f), colour); };
    };
    EXPECT_TRUE(frameShows(dir, ended, shows(kRed))) << "the demo never drew";

    // The first step of a save: everything up to the load and run.
    replaceFile(dir, "data/script.txt", script("0,1,0,1", "50", false));
    EXPECT_TRUE(logHas(dir, ended, "edit: the script plays nothing")) << dir.read("log.txt");
    // The second step: the player is still there to read it.
    replaceFile(dir, "data/script.txt", script("0,0,1,1", "50", true));
    EXPECT_TRUE(frameShows(dir, ended, shows(kBlue))) << "the whole script was not read";
    quitWithEscape(player, ended);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("edit: the script plays nothing; waiting for the script to change"),
              std::string::npos)
        << run.output;
}

TEST(EditMode, AChangedMusicFileIsNotReopened) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    ASSERT_TRUE(writeSound(dir.file("data/music/tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050,
                           1, sine(22050, 1, 60.0, 440.0)));
    dir.write("data/textures/swatch.tga", quadrantTga(8, kRed, kRed, kRed, kRed));
    const auto script = [](const char* exitTime) {
        return std::string(R"(<demo name="edit" width="96" height="64">
<loadplugin file="stockfx.so"/>
<add type="musicplay" name="song"/><song file="tone.wav"/>
<add type="picture" name="pic"/><pic texture="swatch.tga"/>
<add type="capture" name="rec"/><rec folder="frames" every="2"/>
<draworder effect="song" effect="pic" effect="rec"/>
<event time=")") +
               exitTime + R"("><exit/></event>
<load/>
<run/>
</demo>
)";
    };
    dir.write("data/script.txt", script("50"));
    PlayerResult run;
    std::atomic<bool> ended{false};
    std::thread player([&] {
        run = runPlayer(dir.path().string(), "--edit", 600);
        ended = true;
    });
    const auto shows = [](Rgb colour) {
        return [=](Frame& frame) { return near(frame.at(0.5f, 0.5f), colour); };
    };
    EXPECT_TRUE(frameShows(dir, ended, shows(kRed))) << "the demo never drew";

    // A music file half written by a music program; then a texture change, which the player
    // handles after the music's, so the music's has been seen once the texture shows.
    replaceFile(dir, "data/music/tone.wav", "RIFF");
    dir.write("data/textures/swatch.tga", quadrantTga(8, kBlue, kBlue, kBlue, kBlue));
    EXPECT_TRUE(frameShows(dir, ended, shows(kBlue))) << "the texture was not read again";
    const std::string log = dir.read("log.txt");
    quitWithEscape(player, ended);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.find("configuring effect song again"), std::string::npos) << run.output;
    EXPECT_EQ(log.find("could not be opened"), std::string::npos) << log;
}

TEST(EditMode, LinksToASyncEditorStartedAfterThePlayer) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    {
        EditorStandIn probe(syncProtocol::kEditorPort);
        if (probe.port() != syncProtocol::kEditorPort) GTEST_SKIP() << "the editor's port is taken";
    }
    TempDir dir;
    const auto script = [](const char* exitTime) {
        return std::string(R"(<demo name="edit" width="96" height="64">
<loadplugin file="stockfx.so"/>
<add type="clear" name="bg"/>
<drive effect="bg" param="color" tracks="red, zero, zero, one"/>
<add type="capture" name="rec"/><rec folder="frames" every="2"/>
<draworder effect="bg" effect="rec"/>
<event time=")") +
               exitTime + R"("><exit/></event>
<load/>
<run/>
</demo>
)";
    };
    dir.write("data/script.txt", script("50"));
    PlayerResult run;
    std::atomic<bool> ended{false};
    std::thread player([&] {
        run = runPlayer(dir.path().string(), "--edit --sync", 600);
        ended = true;
    });
    const auto shows = [](Rgb colour) {
        return [=](Frame& frame) { return near(frame.at(0.5f, 0.5f), colour); };
    };
    EXPECT_TRUE(frameShows(dir, ended, shows(kBlack))) << "the demo never drew";
    EXPECT_TRUE(logHas(dir, ended, "sync: no editor at 127.0.0.1:1338"));

    EditorStandIn editor(syncProtocol::kEditorPort);
    ASSERT_TRUE(editor.accept(600000)) << "the player never tried again";
    EXPECT_EQ(editor.read(19), "hello, synctracker!");
    editor.write("hello, demo!");
    EXPECT_EQ(editor.read(3 * 5 + 3 + 4 + 3), EditorStandIn::getTrack("red") +
                                                  EditorStandIn::getTrack("zero") +
                                                  EditorStandIn::getTrack("one"));
    editor.write(EditorStandIn::setKey(0, 0, 1.0f, 0) + EditorStandIn::setKey(2, 0, 1.0f, 0));
    EXPECT_TRUE(frameShows(dir, ended, shows(kRed))) << "the editor's keys did not show";

    quitWithEscape(player, ended);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(dir.read("log.txt").find("sync: editor linked at 127.0.0.1:1338"), std::string::npos);
}

TEST(EditMode, AnExitHoldsTheDemoThroughSeeksReloadsAndTrackChanges) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    // One row a second; the tracks are text files, as an author without the editor writes.
    dir.write("data/demo_red.track.txt", "# full red from the start\n0 1 step\n");
    dir.write("data/demo_one.track.txt", "0 1 step\n");
    const auto script = [](const char* tracks) {
        return std::string(R"(<demo name="edit" width="96" height="64">
<loadplugin file="stockfx.so"/>
<sync bpm="60" rowsperbeat="1" base="demo"/>
<add type="clear" name="bg"/>
<drive effect="bg" param="color" tracks=")") +
               tracks + R"("/>
<add type="capture" name="rec"/><rec folder="frames" every="2"/>
<draworder effect="bg" effect="rec"/>
<event time="1"><exit/></event>
<load/>
<run/>
</demo>
)";
    };
    dir.write("data/script.txt", script("red, green, zero, one"));
    PlayerResult run;
    std::atomic<bool> ended{false};
    std::thread player([&] {
        run = runPlayer(dir.path().string(), "--edit", 600);
        ended = true;
    });
    const auto shows = [](Rgb colour) {
        return [=](Frame& frame) { return near(frame.at(0.5f, 0.5f), colour); };
    };
    const auto heldAtTheExit = [](const std::string& title) {
        return title == "edit | 1.0 s | bank 0 | paused at the exit";
    };
    EXPECT_TRUE(logHas(dir, ended, "edit: paused at the exit at 1.00 s")) << dir.read("log.txt");
    EXPECT_TRUE(titleShows(ended, heldAtTheExit)) << editTitle();
    EXPECT_TRUE(frameShows(dir, ended, shows(kRed))) << "the demo stopped drawing";

    // A seek past the exit comes back to it.
    std::system("id=$(xdotool search --name '^edit [|]' | head -n 1) && xdotool windowfocus "
                "--sync $id key shift+Right >/dev/null 2>&1");
    EXPECT_TRUE(titleShows(ended, heldAtTheExit)) << editTitle();

    // A track file written while held is read again: the frame follows, the time stays.
    replaceFile(dir, "data/demo_green.track.txt", "0 1 step\n");
    EXPECT_TRUE(frameShows(dir, ended, shows(kYellow))) << "the track was not read again";
    EXPECT_TRUE(heldAtTheExit(editTitle())) << editTitle();

    // A reload keeps the pause and the time.
    replaceFile(dir, "data/script.txt", script("red, zero, one, one"));
    EXPECT_TRUE(frameShows(dir, ended, shows({255, 0, 255}))) << "the script was not read again";
    EXPECT_TRUE(heldAtTheExit(editTitle())) << editTitle();

    quitWithEscape(player, ended);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("edit: the exit at 1.00 s holds the demo; Pause plays on, Escape "
                              "quits"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("edit: track green read again"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("reading the script again at 1.00 s"), std::string::npos)
        << run.output;
}
