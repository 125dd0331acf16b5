// `vornex --check` on broken and clean scripts: one diagnostic per mistake at the right
// file, line and column, a summary, and the exit status. No window is needed.
#include "PlayerRun.h"
#include "TempDir.h"
#include "TrackFileBytes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <string>

namespace {

bool has(const std::string& output, const std::string& line) {
    return output.find(line) != std::string::npos;
}

} // namespace

TEST(CheckMode, ReportsEachMistakeAtItsLineAndColumn) {
    TempDir dir;
    dir.write("data/textures/logo.tga", std::string(64, '\0'));
    dir.write("data/script.txt", R"(<demo name="t" width="320" height="2x0">
  <!-- comments are fine -->
  <add type="clear" name="bg"/>
  <loadplugin file="stockfx.so"/>
  <add type="clear" name="back"/>
  <back color="0,0,0,1" colour="1,0,0,1"/>
  <add type="pictur" name="logo"/>
  <add type="picture" name="pic"/>
  <pic textur="logo.tga" texture="missing.tga"/>
  <add type="shader" name="event"/>
  <event file="shaders/none.frag"/>
  <add type="musicplay" name="song"/>
  <song file="song.ogg" start="0,5"/>
  <draworder effect="back" effect="pik"/>
  <evnet time="1"><exit/></evnet>
  <loadplugin file="nosuchfx.so"/>
  <event time="3" bnak="1"/>
  <load/>
  <run/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string(), "--check");
    const std::string& out = run.output;
    EXPECT_EQ(run.exitCode, 1) << out;
    EXPECT_TRUE(has(out, "data/script.txt:1:28: error: '2x0' is not a whole number")) << out;
    EXPECT_TRUE(has(out, "data/script.txt:3:8: error: effect type 'clear' comes from plugin "
                         "'stockfx.so', which is loaded only at line 4"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:6:25: error: effect 'back' (clear) has no parameter "
                         "'colour'; did you mean 'color'?"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:7:8: error: no loaded plugin offers effect type "
                         "'pictur' (offered: clear, picture, fade, mesh, shader, loader, "
                         "musicplay, capture, text)"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:9:8: error: effect 'pic' (picture) has no parameter "
                         "'textur'; did you mean 'texture'?"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:9:26: error: texture 'missing.tga' is neither")) << out;
    EXPECT_TRUE(has(out, "data/script.txt:10:22: warning: effect name 'event' takes over every "
                         "later <event> element"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:11:10: error: file 'shaders/none.frag' not found"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:13:9: error: file 'song.ogg' not found")) << out;
    EXPECT_TRUE(has(out, "data/script.txt:13:25: error: '0,5' is not a number (it reads as 0)"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:14:28: error: draw order names 'pik', which is no "
                         "effect added so far; did you mean 'pic'?"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:15:3: error: unknown element <evnet>: neither a "
                         "keyword nor an effect name; did you mean 'event'?"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:16:15: error: plugin 'nosuchfx.so' cannot be loaded"))
        << out;
    // Taken over by the effect named event: its parameters are checked instead.
    EXPECT_TRUE(has(out, "data/script.txt:17:10: error: effect 'event' (shader) has no "
                         "parameter 'time'"))
        << out;
    EXPECT_TRUE(has(out, "14 errors, 1 warning\n")) << out;
    // Only diagnostics: nothing the reading printed by itself, no banner, no log.
    EXPECT_FALSE(has(out, "load[")) << out;
    EXPECT_FALSE(has(out, "Vornex (Build")) << out;
    EXPECT_FALSE(dir.exists("log.txt"));
}

TEST(CheckMode, KnowsTheTextEffectsParametersAndReportsAMissingFontAtItsLine) {
    TempDir dir;
    dir.write("data/fonts/Here.ttf", "font bytes are not read by --check");
    dir.write("data/script.txt", R"(<demo name="t">
  <loadplugin file="stockfx.so"/>
  <add type="text" name="title"/>
  <title font="Here.ttf" text="a\nb" size="0.1" position="0.5,0.5,0" align="center"/>
  <title spacing="0.1" outline="0.02" outlinecolor="0,0,0,1" shadow="0.1,-0.1,0"/>
  <title shadowcolor="0,0,0,1" reveal="0.5" scroll="0.1" start="2" color="1,1,1,1"/>
  <add type="text" name="credits"/>
  <credits font="Gone.otf" sise="0.1"/>
  <load/>
  <run/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string(), "--check");
    const std::string& out = run.output;
    EXPECT_EQ(run.exitCode, 1) << out;
    EXPECT_TRUE(has(out, "data/script.txt:8:12: error: file 'Gone.otf' not found (looked for "
                         "data/fonts/Gone.otf)"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:8:28: error: effect 'credits' (text) has no parameter "
                         "'sise'; did you mean 'size'?"))
        << out;
    EXPECT_TRUE(has(out, "2 errors")) << out;
}

TEST(CheckMode, SyntaxErrorsAreReportedAtTheBrokenTagInsideIncludes) {
    TempDir dir;
    dir.write("data/script.txt", "<demo>\n  <include file=\"parts.txt\"/>\n  <run/>\n</demo>\n");
    dir.write("data/parts.txt", "<event time=\"1\">\n  <exit/>\n</event>\n<event time=\"2\">\n"
                                "  <exit a=\"1\" \"b\"/>\n</event>\n");
    const PlayerResult broken = runPlayer(dir.path().string(), "--check");
    EXPECT_EQ(broken.exitCode, 1) << broken.output;
    EXPECT_TRUE(has(broken.output, "data/parts.txt:5:3: error: attributes of <exit> cannot be "
                                   "read"))
        << broken.output;
    EXPECT_TRUE(has(broken.output, "1 error, 0 warnings\n")) << broken.output;

    // Mismatched closing tags and unterminated comments name their own lines.
    dir.write("data/parts.txt", "<event time=\"1\">\n  <exit>\n</event>\n");
    const PlayerResult mismatch = runPlayer(dir.path().string(), "--check");
    EXPECT_TRUE(has(mismatch.output, "data/parts.txt:3:1: error: closing tag </event> does not "
                                     "match the open <exit>"))
        << mismatch.output;
    dir.write("data/parts.txt", "<event time=\"1\"/>\n<!-- no end\n<event time=\"2\"/>\n");
    const PlayerResult comment = runPlayer(dir.path().string(), "--check");
    EXPECT_TRUE(has(comment.output, "data/parts.txt:2:1: error: comment '<!--' is never closed"))
        << comment.output;
}

TEST(CheckMode, WarningsAloneExitWithThreeAndACleanScriptWithZero) {
    TempDir dir;
    dir.write("data/shaders/glow.frag", "void main() { gl_FragColor = vec4(1.0); }\n");
    const std::string clean = R"(<demo name="ok" width="320" height="240" vhs="1">
<loadplugin file="stockfx.so"/>
<add type="clear" name="bg"/><bg color="0.1, 0.2, 0.3, 1" enabled="1"/>
<add type="shader" name="glow"/><glow file="shaders/glow.frag" viewport="0,0,0.5,0.5"/>
<texture mode="create" name="canvas" width="64" height="64" bpp="32"/>
<add type="picture" name="pic"/><pic texture="canvas"/>
<camera name="eye" mode="create" pos="0,0,5" fov="60"/>
<draworder effect="bg" effect="glow" effect="pic"/>
<event time="0.5" key="a" bank="2"><bg color="1,0,0,1"/><keybank set="1"/></event>
<load/>
<run/>
</demo>
)";
    dir.write("data/script.txt", clean);
    const PlayerResult ok = runPlayer(dir.path().string(), "--check");
    EXPECT_EQ(ok.exitCode, 0) << ok.output;
    EXPECT_EQ(ok.output, "0 errors, 0 warnings\n");

    // An unclosed element in an include swallows what follows it there; an event after
    // `run` never fires.
    dir.write("data/more.txt", "<event time=\"1\">\n<bg color=\"0,0,0,1\"/>\n");
    std::string warned = clean;
    warned.replace(warned.find("<load/>"), 0, "<include file=\"more.txt\"/>\n");
    warned.replace(warned.find("</demo>"), 0, "<event time=\"9\"><exit/></event>\n");
    dir.write("data/script.txt", warned);
    const PlayerResult warn = runPlayer(dir.path().string(), "--check");
    EXPECT_EQ(warn.exitCode, 3) << warn.output;
    EXPECT_TRUE(has(warn.output, "data/more.txt:1:1: warning: <event> is not closed before the "
                                 "end of its file"))
        << warn.output;
    EXPECT_TRUE(has(warn.output, "data/script.txt:13:1: warning: <event> after the <run> at "
                                 "line 12"))
        << warn.output;
    EXPECT_TRUE(has(warn.output, "0 errors, 2 warnings\n")) << warn.output;
}

TEST(CheckMode, KnowsEveryKeywordTheWalkDispatchesSyncAndDriveIncluded) {
    TempDir dir;
    const std::string clean = R"(<demo name="ok">
<loadplugin file="stockfx.so"/>
<sync bpm="128" rowsperbeat="8" base="sync/intro"/>
<add type="clear" name="bg"/>
<drive effect="bg" param="color" tracks="bg:red, bg:green, bg:blue, one"/>
<draworder effect="bg"/>
<event time="2"><drive effect="bg" param="color" tracks="one, one, one, one"/><exit/></event>
<load/>
<run/>
</demo>
)";
    dir.write("data/script.txt", clean);
    const PlayerResult ok = runPlayer(dir.path().string(), "--check");
    EXPECT_EQ(ok.exitCode, 0) << ok.output;
    EXPECT_EQ(ok.output, "0 errors, 0 warnings\n");

    std::string broken = clean;
    broken.replace(broken.find("bpm="), 3, "bpms");
    broken.replace(broken.find("sync/intro"), 10, "../intro");
    broken.replace(broken.find("drive effect=\"bg\""), 17, "drive effect=\"bgg\"");
    broken.replace(broken.find("\"color\" tracks=\"one"), 7, "\"colour\"");
    broken.replace(broken.find("<draworder"), 0, "<drive effect=\"bg\" tracks=\"one\"/>");
    dir.write("data/script.txt", broken);
    const PlayerResult run = runPlayer(dir.path().string(), "--check");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_TRUE(has(run.output, "data/script.txt:3:7: error: unknown attribute 'bpms' of <sync>; "
                                "did you mean 'bpm'?"))
        << run.output;
    EXPECT_TRUE(has(run.output, "data/script.txt:5:8: error: <drive> names effect 'bgg', which is "
                                "no effect added so far; did you mean 'bg'?"))
        << run.output;
    EXPECT_TRUE(has(run.output, "data/script.txt:7:36: error: effect 'bg' (clear) has no "
                                "parameter 'colour'; did you mean 'color'?"))
        << run.output;
    EXPECT_TRUE(has(run.output, "data/script.txt:3:34: error: track file base '../intro' would "
                                "lead out of data/"))
        << run.output;
    EXPECT_TRUE(has(run.output, "data/script.txt:6:1: error: <drive> needs effect=, param= and "
                                "tracks="))
        << run.output;
    EXPECT_TRUE(has(run.output, "5 errors, 0 warnings\n")) << run.output;
}

TEST(CheckMode, AMissingScriptIsAnError) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "data");
    const PlayerResult run = runPlayer(dir.path().string(), "--check nothing.txt");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_TRUE(has(run.output, "data/nothing.txt: error: script file not found")) << run.output;
}

namespace {

// A grey 24-bit TGA of any size.
std::string greyTga(int width, int height) {
    std::string bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = static_cast<char>(width & 0xFF);
    bytes[13] = static_cast<char>(width >> 8);
    bytes[14] = static_cast<char>(height & 0xFF);
    bytes[15] = static_cast<char>(height >> 8);
    bytes[16] = 24;
    return bytes + std::string(static_cast<size_t>(width * height * 3), '\x80');
}

} // namespace

TEST(CheckMode, CatchesWhatNewAuthorsGetWrong) {
    TempDir dir;
    dir.write("data/textures/wide.tga", greyTga(300, 200));
    dir.write("data/textures/odd.tga", greyTga(64, 48));
    dir.write("data/textures/good.tga", greyTga(64, 32));
    dir.write("data/music/tide.wav", "RIFF");
    dir.write("data/shaders/sea.frag", "void main() { gl_FragColor = vec4(1.0); }\n");
    dir.write("data/script.txt", R"(<demo name="t">
<loadplugin file="stockfx.so"/>
<camera name="swing" mode="create" pos="0,0,5"/>
<add type="mesh" name="cube"/><cube camera="swign"/>
<add type="shader" name="sea"/><sea file="shaders/sae.frag" camera="swing"/>
<add type="picture" name="a"/><a texture="wide.tga"/>
<add type="picture" name="b"/><b texture="odd.tga"/>
<add type="picture" name="c"/><c texture="good.tga"/>
<add type="picture" name="d"/><d texture="goood.tga"/>
<add type="musicplay" name="song"/><song file="tides.wav"/>
<add type="fade" name="flash"/><flash start="8s"/>
<drive effect="flash" param="alpha" tracks="flash"/>
<event key="F1"><flash start="0"/></event>
<part start="20">
  <event time="-25"><exit/></event>
  <part start="5"><event time="1" bank="x"/></part>
</part>
<load/>
<run/>
<event time="2"/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string(), "--check");
    const std::string& out = run.output;
    EXPECT_EQ(run.exitCode, 1) << out;
    // A misspelt camera would silently be another, unmoving one.
    EXPECT_TRUE(has(out, "data/script.txt:4:37: error: camera 'swign' is never declared by a "
                         "<camera>; the player makes an unmoving one in its place; did you mean "
                         "'swing'?"))
        << out;
    EXPECT_FALSE(has(out, "camera 'swing' is never declared")) << out;
    // Pictures textures refuse, with the reason; a good one passes.
    EXPECT_TRUE(has(out, "data/script.txt:6:34: error: texture 'wide.tga' is 300 x 200 at 24 "
                         "bits, which the player refuses (its width is not a power of two)"))
        << out;
    EXPECT_TRUE(has(out, "error: texture 'odd.tga' is 64 x 48 at 24 bits, which the player "
                         "refuses (its height is not a power of two)"))
        << out;
    EXPECT_FALSE(has(out, "texture 'good.tga'")) << out;
    // Files one letter off, in every folder.
    EXPECT_TRUE(has(out, "texture 'goood.tga' is neither created by the script, a "
                         "render-target surface nor a file (looked for data/textures/goood.tga); "
                         "did you mean 'good.tga'?"))
        << out;
    EXPECT_TRUE(has(out, "error: file 'tides.wav' not found (looked for data/music/tides.wav); "
                         "did you mean 'tide.wav'?"))
        << out;
    EXPECT_TRUE(has(out, "error: file 'shaders/sae.frag' not found (looked for "
                         "data/shaders/sae.frag); did you mean 'shaders/sea.frag'?"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:11:39: error: '8s' is not a number (it reads as 8)\n"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:12:23: error: effect 'flash' (fade) has no parameter "
                         "'alpha'"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:13:8: error: key 'F1' is more than one character; "
                         "only 'F' is bound"))
        << out;
    // Times inside parts are shown from the demo's start.
    EXPECT_TRUE(has(out, "data/script.txt:15:10: error: event time '-25' in a part starting at "
                         "20 s is at -5 s, before the demo begins; it never fires"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:16:35: error: 'x' is not a whole number (it reads as "
                         "0)"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:20:1: warning: <event> after the <run> at line 19 is "
                         "defined only once the demo has ended; it never fires (at 2 s)"))
        << out;
    EXPECT_TRUE(has(out, "11 errors, 1 warning\n")) << out;
}

TEST(CheckMode, APluginThatCannotLoadGivesTheRealReasonAndLaterLinesStayRight) {
    TempDir dir;
    dir.write("data/script.txt", R"(<demo>
  <loadplugin file="unresolvedfx.so"/>
  <add type="anything" name="a"/>
  <loadplugin file="stockfx.so"/>
  <a color="1,1,1,1"/>
  <b color="1,1,1,1"/>
  <add type="clear" name="b"/>
  <run/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string(), "--check");
    const std::string& out = run.output;
    EXPECT_EQ(run.exitCode, 1) << out;
    // The library is there; what it needs is not, and the system's reason is named.
#ifdef VORNEX_WINDOWS_BUILD_DIR
    const std::string reason = "(error 126); it needs libmissinghelper.dll, which is not found";
#else
    const std::string reason = "undefined symbol: unresolvedfx::missingHelper(char const*)";
#endif
    const size_t line = out.find("data/script.txt:2:15: error: plugin 'unresolvedfx.so' cannot "
                                 "be loaded: ");
    ASSERT_NE(line, std::string::npos) << out;
    EXPECT_NE(out.find(reason, line), std::string::npos) << out;
    EXPECT_FALSE(has(out, "not found, or without")) << out;
    // An element after a failed add points back to it; one before an add points forward.
    EXPECT_TRUE(has(out, "data/script.txt:5:3: error: <a> configures nothing: the <add> of "
                         "effect 'a' at line 3 made no effect"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:6:3: error: <b> comes before the <add> of effect 'b' "
                         "at line 7, so it configures nothing"))
        << out;
}

TEST(CheckMode, KnowsTheMeshModelParametersAndReportsAMissingModelAtItsLine) {
    TempDir dir;
    dir.write("data/models/ship.glb", "glTF");
    dir.write("data/script.txt", R"(<demo name="t" width="320" height="240">
<loadplugin file="stockfx.so"/>
<add type="mesh" name="ship"/><ship model="ship.glb" animation="fly"/>
<add type="mesh" name="gone"/>
<gone model="wreck.gltf" animation=""/>
<event time="1"><ship model="ship/hull.obj"/></event>
<load/>
<run/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string(), "--check");
    const std::string& out = run.output;
    EXPECT_EQ(run.exitCode, 1) << out;
    EXPECT_TRUE(has(out, "data/script.txt:5:7: error: file 'wreck.gltf' not found (looked for "
                         "data/models/wreck.gltf)"))
        << out;
    EXPECT_TRUE(has(out, "data/script.txt:6:23: error: file 'ship/hull.obj' not found (looked "
                         "for data/models/ship/hull.obj)"))
        << out;
    EXPECT_TRUE(has(out, "2 errors, 0 warnings\n")) << out;
}

TEST(CheckMode, FilesListsEveryDataFileTrackFileAndPluginTheScriptUsesOnceAndNothingElse) {
    TempDir dir;
    dir.write("data/textures/logo.tga", greyTga(64, 32));
    dir.write("data/textures/unused.tga", greyTga(64, 32));
    dir.write("data/music/song.ogg", "x");
    // The base's tracks in both forms and below a '/' in a track name; another base's
    // track and a file that is no track stay out.
    dir.write("data/sync/intro_bg-3Ared.track", trackFile({{0, 1.0f, 0}}));
    dir.write("data/sync/intro_fade.track.txt", "0 1 step\n");
    dir.write("data/sync/intro_cam/x.track", trackFile({{0, 1.0f, 0}}));
    dir.write("data/sync/outro_bg-3Ared.track", trackFile({{0, 1.0f, 0}}));
    dir.write("data/sync/intro_notes.txt", "x");
    dir.write("data/part.txt", R"(<add type="picture" name="pic"/>
<pic texture="logo.tga"/>
<texture mode="load" filename="logo.tga"/>
)");
    dir.write("data/script.txt", R"(<demo>
  <loadplugin file="stockfx.so"/>
  <sync base="sync/intro"/>
  <include file="part.txt"/>
  <add type="musicplay" name="song"/>
  <song file="song.ogg"/>
  <run/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string(), "--check --files");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "0 errors, 0 warnings\n"
                          "data data/script.txt\n"
                          "data data/part.txt\n"
                          "data data/sync/intro_bg-3Ared.track\n"
                          "data data/sync/intro_cam/x.track\n"
                          "data data/sync/intro_fade.track.txt\n"
                          "data data/textures/logo.tga\n"
                          "data data/music/song.ogg\n"
                          "plugin stockfx.so\n");
    // A missing file is an error that names it, and nothing is listed.
    std::filesystem::remove(dir.path() / "data/music/song.ogg");
    const PlayerResult missing = runPlayer(dir.path().string(), "--check --files");
    EXPECT_EQ(missing.exitCode, 1) << missing.output;
    EXPECT_TRUE(has(missing.output, "error: file 'song.ogg' not found")) << missing.output;
    EXPECT_FALSE(has(missing.output, "data data/")) << missing.output;
    // Without --check the option does nothing and is refused.
    EXPECT_EQ(runPlayer(dir.path().string(), "--files").exitCode, 2);
}
