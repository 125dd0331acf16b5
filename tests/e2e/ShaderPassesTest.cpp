// Render targets and shader passes through the real player: surfaces declared with
// target="1" hold what the effects before `surface="main"` drew, any texture parameter
// reads them, a surface or `self` read while drawing gives the previous frame, shared
// mainImage shaders get the standard inputs, and declared uniforms take values like any
// parameter. Surfaces without the attribute still draw straight to the window.
#include "StockEffectsFixture.h"
#include "TrackFileBytes.h"

#include <cstring>

namespace {

// A mainImage shader: the viewport's coordinates 0..1 in red and green.
const char* const kGradient = R"(void mainImage(out vec4 fragColor, in vec2 fragCoord) {
    vec2 uv = fragCoord / iResolution.xy;
    fragColor = vec4(uv.x, uv.y, 0.25, 1.0);
}
)";

// What channel 0 holds at the same place, inverted.
const char* const kInvert = R"(void mainImage(out vec4 fragColor, in vec2 fragCoord) {
    vec2 uv = fragCoord / iResolution.xy;
    fragColor = vec4(1.0 - texture(iChannel0, uv).rgb, 1.0);
}
)";

// Channel 0 plus a constant: drawn over its own previous frame, it climbs each frame.
const char* const kAccumulate = R"(void mainImage(out vec4 fragColor, in vec2 fragCoord) {
    vec2 uv = fragCoord / iResolution.xy;
    fragColor = vec4(texture(iChannel0, uv).rgb + vec3(0.1, 0.05, 0.0), 1.0);
}
)";

int channel(double value) {
    return static_cast<int>(std::lround(value * 255.0));
}

} // namespace

TEST(ShaderPasses, ASurfaceChainsPassesAndAPictureReadsIt) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/shaders/gradient.frag", kGradient);
    dir.write("data/shaders/invert.frag", kInvert);
    // The surface is 64x32 while the window is 160x120: the gradient spans the surface.
    dir.write("data/script.txt", stockScript(R"(
<surface mode="create" name="scene" width="64" height="32" target="1"/>
<add type="shader" name="grad"/><grad file="shaders/gradient.frag"/>
<add type="shader" name="inv"/><inv file="shaders/invert.frag" channel0="scene" viewport="0,0,0.5,1"/>
<add type="picture" name="pic"/><pic texture="scene" viewport="0.5,0,0.5,1"/>
<add type="capture" name="rec"/><rec folder="frames" limit="1"/>
<draworder surface="scene" effect="grad" surface="main" effect="inv" effect="pic" effect="rec"/>)",
                                             4, 0.5f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    Frame frame(framePath(dir, 0));
    ASSERT_TRUE(frame.loaded()) << log;
    for (const float x : {0.1f, 0.25f, 0.4f})
        for (const float y : {0.1f, 0.5f, 0.9f}) {
            const float u = x / 0.5f;
            // The inverse of the gradient on the left, the gradient itself on the right.
            EXPECT_PRED3(within, frame.at(x, y),
                         (Rgb{channel(1.0 - u), channel(1.0 - y), channel(0.75)}), 6)
                << x << "," << y;
            EXPECT_PRED3(within, frame.at(0.5f + x, y),
                         (Rgb{channel(u), channel(y), channel(0.25)}), 6)
                << x << "," << y;
        }
}

TEST(ShaderPasses, ReadingWhatIsDrawnIntoGivesThePreviousFrame) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/shaders/accumulate.frag", kAccumulate);
    // Left: the shader's own previous frame (`self`). Right: a surface fed back into itself
    // and shown by a picture.
    dir.write("data/script.txt", stockScript(R"(
<surface mode="create" name="trail" width="0" height="0" target="1"/>
<add type="shader" name="own"/><own file="shaders/accumulate.frag" channel0="self" viewport="0,0,0.5,1"/>
<add type="shader" name="fed"/><fed file="shaders/accumulate.frag" channel0="trail"/>
<add type="picture" name="pic"/><pic texture="trail" viewport="0.5,0,0.5,1"/>
<add type="capture" name="rec"/><rec folder="frames" limit="5"/>
<draworder effect="own" surface="trail" effect="fed" surface="main" effect="pic" effect="rec"/>)",
                                             4, 1.5f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    for (int n = 1; n <= 5; ++n) {
        Frame frame(framePath(dir, n - 1));
        ASSERT_TRUE(frame.loaded()) << log;
        // n frames drawn, each 0.1 red and 0.05 green over the one before, from black.
        const Rgb expected = {channel(0.1 * n), channel(0.05 * n), 0};
        EXPECT_PRED3(within, frame.at(0.25f, 0.5f), expected, 3) << "frame " << n;
        EXPECT_PRED3(within, frame.at(0.75f, 0.5f), expected, 3) << "frame " << n;
    }
}

TEST(ShaderPasses, AClearIntoASurfaceComesOutChannelSwappedOnTheWindow) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/shaders/swap.frag", R"(#version 120
uniform sampler2D iChannel0;
uniform vec3 iResolution;
void main() {
    gl_FragColor = vec4(texture2D(iChannel0, gl_FragCoord.xy / iResolution.xy).brg, 1.0);
}
)");
    dir.write("data/script.txt", stockScript(R"(
<surface mode="create" name="post" width="0" height="0" target="1"/>
<add type="clear" name="bg"/><bg color="0.8,0.4,0.2,1"/>
<add type="clear" name="black"/><black color="0,0,0,1"/>
<add type="shader" name="swap"/><swap file="shaders/swap.frag" channel0="post"/>
<add type="capture" name="rec"/><rec folder="frames" limit="1"/>
<draworder effect="black" surface="post" effect="bg" surface="main" effect="swap" effect="rec"/>)",
                                             4, 0.5f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    Frame frame(framePath(dir, 0));
    ASSERT_TRUE(frame.loaded()) << dir.read("log.txt");
    // (r, g, b) = (0.8, 0.4, 0.2) read as .brg.
    for (const float x : {0.05f, 0.5f, 0.95f})
        EXPECT_PRED2(near, frame.at(x, 0.5f), (Rgb{channel(0.2), channel(0.8), channel(0.4)}));
}

TEST(ShaderPasses, APastedMainImageShaderRendersTheFormulaAtTheDemoTime) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    // As shared: no version line, texture-free, the time in blue to find the frame's time.
    dir.write("data/shaders/pasted.frag", R"(// pasted as it was shared
void mainImage( out vec4 fragColor, in vec2 fragCoord )
{
    vec2 uv = fragCoord/iResolution.xy;
    float wave = 0.5 + 0.5*sin(iTime*5.0 + uv.x*3.0);
    fragColor = vec4(wave, uv.y, iTime/4.0, 1.0);
}
)");
    dir.write("data/script.txt", R"(<demo name="pasted" width="320" height="240">
<loadplugin file="stockfx.so"/>
<add type="shader" name="fx"/><fx file="shaders/pasted.frag" viewport="0.25,0,0.75,1"/>
<add type="capture" name="rec"/><rec folder="frames" limit="6"/>
<draworder effect="fx" effect="rec"/>
<event time="1"><exit/></event>
<load/><run/></demo>
)");
    const PlayerResult run =
        runPlayer(dir.path().string(), "--render out.mp4 --fps 8 --size 160x120", 120);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    for (int n = 0; n < 6; ++n) {
        Frame frame(framePath(dir, n));
        ASSERT_TRUE(frame.loaded()) << log;
        // Rendered frames are at multiples of 1/8 s; blue says which.
        const double seconds = std::round(frame.at(0.6f, 0.5f).b / 255.0 * 4.0 * 8.0) / 8.0;
        for (const float u : {0.1f, 0.5f, 0.9f}) {
            const double wave = 0.5 + 0.5 * std::sin(seconds * 5.0 + u * 3.0);
            // fragCoord counts from the viewport's corner, a quarter across the window.
            EXPECT_PRED3(within, frame.at(0.25f + 0.75f * u, 0.3f),
                         (Rgb{channel(wave), channel(0.3), channel(seconds / 4.0)}), 4)
                << "at " << seconds << " s, u " << u;
        }
    }
}

TEST(ShaderPasses, SurfaceSizesFollowTheRenderSizeOrStayAsDeclared) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/shaders/gradient.frag", kGradient);
    // The channels' sizes, as fractions of 320x240.
    dir.write("data/shaders/sizes.frag", R"(void mainImage(out vec4 fragColor, in vec2 fragCoord) {
    fragColor = vec4(iChannelResolution[0].xy / vec2(320.0, 240.0),
                     iChannelResolution[1].x / 320.0, 1.0);
}
)");
    dir.write("data/script.txt", R"(<demo name="sizes" width="320" height="240">
<loadplugin file="stockfx.so"/>
<surface mode="create" name="follows" width="0" height="0" target="1"/>
<surface mode="create" name="fixed" width="64" height="32" target="1"/>
<add type="shader" name="grad"/><grad file="shaders/gradient.frag"/>
<add type="shader" name="sizes"/><sizes file="shaders/sizes.frag" channel0="follows" channel1="fixed"/>
<add type="capture" name="rec"/><rec folder="frames" limit="2"/>
<draworder surface="follows" effect="grad" surface="fixed" effect="grad" surface="main" effect="sizes" effect="rec"/>
<event time="0.5"><exit/></event>
<load/><run/></demo>
)");
    const PlayerResult run =
        runPlayer(dir.path().string(), "--render out.mp4 --fps 8 --size 160x120", 120);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    Frame frame(framePath(dir, 1));
    ASSERT_TRUE(frame.loaded()) << dir.read("log.txt");
    EXPECT_EQ(frame.width(), 160);
    // 160x120 is half of 320x240 each way; the fixed surface keeps its 64 pixels.
    EXPECT_PRED3(within, frame.at(0.5f, 0.5f), (Rgb{128, 128, channel(64.0 / 320.0)}), 2);
}

TEST(ShaderPasses, DeclaredUniformsTakeValuesFromTheScriptEventsAndTracks) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/shaders/tinted.frag", R"(#version 120
uniform float intensity;
uniform vec3 tint;
uniform vec2 mixer;
void main() { gl_FragColor = vec4(tint * intensity, mixer.x + mixer.y); }
)");
    // 16 rows a second: the track steps from 0.2 to 0.6 at half a second.
    dir.write("data/sync/u_level.track", trackFile({{0, 0.2f, 0}, {8, 0.6f, 0}}));
    dir.write("data/script.txt", stockScript(R"(
<sync bpm="120" rowsperbeat="8" base="sync/u"/>
<add type="shader" name="left"/>
<left file="shaders/tinted.frag" uniforms="intensity, tint" intensity="0.5" tint="1,0.5,0" viewport="0,0,0.5,1"/>
<add type="shader" name="right"/>
<right file="shaders/tinted.frag" uniforms="intensity,tint" tint="0,1,1" viewport="0.5,0,0.5,1"/>
<drive effect="right" param="intensity" tracks="level"/>
<event time="0.5"><left intensity="1"/></event>
<add type="capture" name="rec"/><rec folder="frames" limit="4"/>
<draworder effect="left" effect="right" effect="rec"/>)",
                                             4, 1.0f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    // Frames at 0.25, 0.5, 0.75 and 1 s. The event at 0.5 s fires as the frame that starts
    // there begins, so it shows from 0.75 s; the track's value at 0.5 s is its new one.
    for (int n = 0; n < 4; ++n) {
        Frame frame(framePath(dir, n));
        ASSERT_TRUE(frame.loaded()) << log;
        const double left = n <= 1 ? 0.5 : 1.0;
        const double right = n == 0 ? 0.2 : 0.6;
        EXPECT_PRED2(near, frame.at(0.25f, 0.5f), (Rgb{channel(left), channel(0.5 * left), 0}))
            << "frame " << n;
        EXPECT_PRED2(near, frame.at(0.75f, 0.5f), (Rgb{0, channel(right), channel(right)}))
            << "frame " << n;
    }
}

TEST(ShaderPasses, SurfacesWithoutTargetStillDrawToTheWindow) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/script.txt", stockScript(R"(
<surface mode="create" name="old" width="64" height="64"/>
<add type="clear" name="bg"/><bg color="0,0.6,0.2,1"/>
<add type="capture" name="rec"/><rec folder="frames" limit="1"/>
<draworder surface="old" effect="bg" surface="main" effect="rec"/>)",
                                             4, 0.5f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    Frame frame(framePath(dir, 0));
    ASSERT_TRUE(frame.loaded()) << dir.read("log.txt");
    EXPECT_PRED2(near, frame.at(0.5f, 0.5f), (Rgb{0, channel(0.6), channel(0.2)}));
}

TEST(ShaderPasses, CheckKnowsTargetsChannelsAndDeclaredUniforms) {
    TempDir dir;
    dir.write("data/shaders/fx.frag", kGradient);
    dir.write("data/script.txt", R"(<demo name="check">
<loadplugin file="stockfx.so"/>
<surface mode="create" name="scene" width="0" height="0" target="1"/>
<surface mode="create" name="plain" width="64" height="64"/>
<add type="shader" name="fx"/>
<fx file="shaders/fx.frag" channel0="scene" channel1="self" channel2="music" uniforms="glow, tint"/>
<fx glow="0.5" tint="1,0.5,0" channel3="sceen"/>
<add type="picture" name="pic"/><pic texture="plain"/>
<fx tint="a lot"/>
<drive effect="fx" param="glow" tracks="level"/>
<draworder surface="scene" effect="fx" surface="main" effect="pic"/>
<load/><run/></demo>
)");
    const PlayerResult run = runPlayer(dir.path().string(), "--check");
    const std::string& out = run.output;
    EXPECT_EQ(out.find("unknown attribute 'target'"), std::string::npos) << out;
    EXPECT_EQ(out.find("'scene' is neither"), std::string::npos) << out;
    EXPECT_EQ(out.find("'self'"), std::string::npos) << out;
    EXPECT_EQ(out.find("'music'"), std::string::npos) << out;
    EXPECT_EQ(out.find("no parameter 'glow'"), std::string::npos) << out;
    EXPECT_EQ(out.find("no parameter 'tint'"), std::string::npos) << out;
    EXPECT_EQ(out.find("'1,0.5,0'"), std::string::npos) << out;
    EXPECT_NE(out.find("texture 'sceen' is neither"), std::string::npos) << out;
    EXPECT_NE(out.find("surface 'plain' holds no pixels"), std::string::npos) << out;
    EXPECT_NE(out.find("'a lot' is not one to four numbers"), std::string::npos) << out;
}

TEST(ShaderPasses, WrappedShadersReportTheLinesOfTheirFile) {
    if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/shaders/plain.frag", "void mainImage(out vec4 fragColor, in vec2 fragCoord) {\n"
                                         "    vec2 uv = fragCoord / iResolution.xy;\n"
                                         "    fragColor = vec4(uv, undefinedThing, 1.0);\n}\n");
    dir.write("data/shaders/versioned.frag",
              "// a comment first\n#version 120\n"
              "void mainImage(out vec4 fragColor, in vec2 fragCoord) {\n"
              "    fragColor = vec4(oops);\n}\n");
    dir.write("data/script.txt", stockScript(R"(
<add type="shader" name="plain"/><plain file="shaders/plain.frag"/>
<add type="shader" name="versioned"/><versioned file="shaders/versioned.frag"/>
<draworder effect="plain" effect="versioned"/>)",
                                             4, 0.25f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("data/shaders/plain.frag:3:"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("data/shaders/versioned.frag:4:"), std::string::npos) << run.output;
}
