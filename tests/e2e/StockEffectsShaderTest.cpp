// What the shader effect draws: its fragment shader over the viewport with the documented
// uniforms, and nothing (with the compiler's messages in the log) when it does not compile.
#include "StockEffectsFixture.h"

namespace {

bool shaderTestSkipped() {
    return !haveDisplay();
}

} // namespace

TEST(StockEffectsShader, CoversTheViewportWithTexCoordsTimeTextureAndCameraUniforms) {
    if (shaderTestSkipped()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/textures/quad.tga",
              quadrantTga(16, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}));
    dir.write("data/shaders/probe.frag", R"(#version 120
uniform float uTime;
uniform vec2 uResolution;
uniform sampler2D uTexture1;
uniform vec3 uCameraPos;
uniform float uCameraFov;
void main() {
    vec2 uv = gl_TexCoord[0].xy;
    if (uv.y > 0.5) {
        // Top half: the coordinates, and the time in blue.
        gl_FragColor = vec4(uv.x, (uv.y - 0.5) * 2.0, uTime / 4.0, 1.0);
    } else if (uv.x < 0.5) {
        // Bottom left: the texture bound to uTexture1.
        gl_FragColor = texture2D(uTexture1, uv * 2.0);
    } else {
        // Bottom right: camera and viewport size.
        gl_FragColor = vec4(uCameraPos.x / 10.0, uCameraFov / 100.0, uResolution.x / 1000.0, 1.0);
    }
}
)");
    dir.write("data/script.txt", stockScript(R"(
<camera name="eye" mode="create" pos="5,0,0" lookat="0,0,0" fov="80"/>
<add type="clear" name="bg"/><bg color="0,0,0,1"/>
<add type="shader" name="probe"/>
<probe file="shaders/probe.frag" texture1="quad.tga" camera="eye" viewport="0.5,0,0.5,1"/>
<add type="capture" name="rec"/><rec folder="frames" limit="2"/>
<draworder effect="bg" effect="probe" effect="rec"/>)",
                                             4, 1.0f, 200, 100));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("probe: shader shaders/probe.frag ready"), std::string::npos) << log;
    Frame first(framePath(dir, 0));
    Frame second(framePath(dir, 1));
    ASSERT_TRUE(first.loaded() && second.loaded()) << log;
    // Left of the viewport: the clear colour.
    EXPECT_PRED2(near, first.at(0.25f, 0.5f), (Rgb{0, 0, 0}));
    // Coordinates run 0..1 across the viewport from its bottom-left corner; uTime is the
    // demo time (0.25 s, then 0.5 s).
    const Rgb lowLeft = first.at(0.5f + 0.01f, 0.5f + 0.01f);
    const Rgb topRight = first.at(0.99f, 0.99f);
    EXPECT_LT(lowLeft.r + lowLeft.g, 20) << lowLeft;
    EXPECT_GT(topRight.r, 240) << topRight;
    EXPECT_GT(topRight.g, 240) << topRight;
    EXPECT_NEAR(topRight.b, 16, 2);
    EXPECT_NEAR(second.at(0.99f, 0.99f).b, 32, 2);
    // The texture, upright: red bottom left, white top right (of the repeated quarter).
    EXPECT_PRED3(within, first.at(0.5f + 0.06f, 0.12f), (Rgb{255, 0, 0}), 10);
    EXPECT_PRED3(within, first.at(0.75f - 0.06f, 0.38f), (Rgb{255, 255, 255}), 10);
    // Camera position x 5, fov 80; the viewport is 100 pixels wide.
    EXPECT_PRED3(within, first.at(0.9f, 0.25f), (Rgb{128, 204, 26}), 3);
}

TEST(StockEffectsShader, ACompileErrorIsLoggedWithItsLineAndTheDemoGoesOn) {
    if (shaderTestSkipped()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/shaders/bad.frag", "#version 120\nvoid main() {\n"
                                       "    gl_FragColor = vec4(1.0) + undefinedThing;\n}\n");
    dir.write("data/script.txt", stockScript(R"(
<add type="clear" name="bg"/><bg color="0,0,1,1"/>
<add type="shader" name="broken"/><broken file="shaders/bad.frag"/>
<add type="shader" name="absent"/><absent file="shaders/none.frag"/>
<add type="capture" name="rec"/><rec folder="frames" start="0.5" limit="1"/>
<draworder effect="bg" effect="broken" effect="absent" effect="rec"/>)",
                                             10, 1.0f));
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("broken: shader shaders/bad.frag did not compile:"), std::string::npos)
        << log;
    // Mesa writes "0:3(...): error: ..." for the third line of the file.
    EXPECT_NE(log.find("broken: shaders/bad.frag 0:3("), std::string::npos) << log;
    EXPECT_NE(log.find("undefinedThing"), std::string::npos) << log;
    EXPECT_NE(log.find("absent: shader data/shaders/none.frag not found"), std::string::npos)
        << log;
    // The demo ran on to a frame at 0.5 s, where the broken shaders drew nothing.
    Frame frame(framePath(dir, 0));
    ASSERT_TRUE(frame.loaded()) << log;
    EXPECT_PRED2(near, frame.at(0.5f, 0.5f), (Rgb{0, 0, 255}));
}
