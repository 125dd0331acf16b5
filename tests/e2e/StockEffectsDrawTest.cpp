// What clear, picture, fade, mesh and loader draw, read back from captured frames.
#include "StockEffectsFixture.h"

namespace {

// Runs the script in a fresh tree; the frames land in frames/.
class StockEffectsDraw : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveDisplay()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
        dir.write("data/textures/quad.tga", quadrantTga(16, kRed, kGreen, kBlue, kWhite));
    }
    void play(const std::string& body, int lockfps, float seconds) {
        dir.write("data/script.txt", stockScript(body, lockfps, seconds));
        const PlayerResult run = runPlayer(dir.path().string());
        ASSERT_EQ(run.exitCode, 0) << run.output;
        log = dir.read("log.txt");
    }
    TempDir dir;
    std::string log;
};

} // namespace

TEST_F(StockEffectsDraw, ClearFillsOnlyItsViewportAndLeavesTheRestToTheEffectsBefore) {
    play(R"(<add type="clear" name="bg"/><bg color="0,0,1,1"/>
<add type="clear" name="band"/><band color="1,0,0,1" depth="0" viewport="0,0.4,1,0.2"/>
<add type="capture" name="rec"/><rec folder="frames" limit="1"/>
<draworder effect="bg" effect="band" effect="rec"/>)",
         10, 0.3f);
    Frame frame(framePath(dir, 0));
    ASSERT_TRUE(frame.loaded()) << log;
    EXPECT_EQ(frame.width(), 160);
    EXPECT_EQ(frame.height(), 120);
    EXPECT_PRED2(near, frame.at(0.5f, 0.5f), kRed);
    EXPECT_PRED2(near, frame.at(0.1f, 0.45f), kRed);
    EXPECT_PRED2(near, frame.at(0.5f, 0.2f), kBlue);
    EXPECT_PRED2(near, frame.at(0.9f, 0.8f), kBlue);
    EXPECT_FALSE(dir.exists("frames/frame_00001.png")) << "limit=1 writes one file";
    EXPECT_NE(log.find("effect:Clear params:4"), std::string::npos) << log;
    EXPECT_NE(log.find("param03 name:depth type:boolean"), std::string::npos) << log;
}

TEST_F(StockEffectsDraw, PictureShowsItsTextureUprightAndBlendsByItsMode) {
    play(R"(<add type="clear" name="bg"/><bg color="0.5,0.5,0.5,1"/>
<add type="picture" name="pic"/><pic texture="quad.tga" blend="none" viewport="0.5,0,0.5,1"/>
<add type="picture" name="veil"/><veil color="1,1,1,0.5" viewport="0,0,0.5,0.5"/>
<add type="picture" name="glow"/><glow color="0.25,0,0,1" blend="add" viewport="0.5,0.5,0.25,0.5"/>
<add type="picture" name="dim"/><dim color="0.5,1,1,1" blend="MULTIPLY" viewport="0.5,0,0.25,0.5"/>
<add type="capture" name="rec"/><rec folder="frames" limit="1"/>
<draworder effect="bg" effect="pic" effect="veil" effect="glow" effect="dim" effect="rec"/>)",
         10, 0.3f);
    Frame frame(framePath(dir, 0));
    ASSERT_TRUE(frame.loaded()) << log;
    // The texture: red bottom left, green bottom right, blue top left, white top right.
    EXPECT_PRED2(near, frame.at(0.875f, 0.25f), kGreen);
    EXPECT_PRED2(near, frame.at(0.875f, 0.75f), kWhite);
    // multiply halves the red quadrant, add puts red onto the blue one.
    EXPECT_PRED2(near, frame.at(0.625f, 0.25f), (Rgb{128, 0, 0}));
    EXPECT_PRED2(near, frame.at(0.625f, 0.75f), (Rgb{64, 0, 255}));
    // Without a texture: the colour, mixed by its alpha over the grey below.
    EXPECT_PRED2(near, frame.at(0.25f, 0.25f), (Rgb{191, 191, 191}));
    EXPECT_PRED2(near, frame.at(0.25f, 0.75f), (Rgb{128, 128, 128}));
}

TEST_F(StockEffectsDraw, FadeRampsWithTheDemoTimeAndJumpsWhenEndIsNotAfterStart) {
    play(R"(<add type="clear" name="bg"/><bg color="0,0,0,1"/>
<add type="fade" name="in"/><in color="1,1,1,1" start="0" end="1" from="0" to="1" viewport="0,0,0.5,1"/>
<add type="fade" name="jump"/><jump color="1,0,0,1" start="0.6" end="0.6" from="0" to="1" viewport="0.5,0,0.5,1"/>
<add type="capture" name="rec"/><rec folder="frames" limit="5"/>
<draworder effect="bg" effect="in" effect="jump" effect="rec"/>)",
         4, 2.0f);
    // lockfps 4: the frames show demo times 0.25, 0.5, 0.75, 1 and 1.25.
    const int expected[] = {64, 128, 191, 255, 255};
    for (int i = 0; i < 5; ++i) {
        Frame frame(framePath(dir, i));
        ASSERT_TRUE(frame.loaded()) << i << log;
        const int grey = expected[i];
        EXPECT_PRED3(within, frame.at(0.25f, 0.5f), (Rgb{grey, grey, grey}), 3) << "frame " << i;
        EXPECT_PRED2(near, frame.at(0.75f, 0.5f), i < 2 ? kBlack : kRed) << "frame " << i;
    }
}

TEST_F(StockEffectsDraw, MeshIsLitFromItsLightSeenThroughItsCameraAndShapedAsAsked) {
    play(R"(<camera name="far" mode="create" pos="0,0,40" lookat="0,0,0" fov="50"/>
<add type="clear" name="bg"/><bg color="0,0,0,1"/>
<add type="mesh" name="ball"/>
<ball shape="sphere" color="1,0,0,1" light="1,0,0" ambient="0.2" viewport="0,0.5,0.5,0.5"/>
<add type="mesh" name="small"/>
<small shape="sphere" camera="far" scale="4" color="1,1,1,1" viewport="0,0,0.5,0.5"/>
<add type="mesh" name="ring"/>
<ring shape="torus" rotation="90,0,0" color="0,1,0,1" light="0,0,1" viewport="0.5,0,0.5,1"/>
<add type="mesh" name="box"/>
<box shape="cube" texture="quad.tga" light="0,0,1" ambient="1" viewport="0.5,0.5,0.5,0.5"/>
<add type="capture" name="rec"/><rec folder="frames" limit="1"/>
<draworder effect="bg" effect="ball" effect="small" effect="ring" effect="box" effect="rec"/>)",
         10, 0.3f);
    Frame frame(framePath(dir, 0));
    ASSERT_TRUE(frame.loaded()) << log;
    // The sphere (top left quarter): lit from +x, only ambient on the -x side.
    const Rgb lit = frame.at(0.25f + 0.05f, 0.75f);
    const Rgb shaded = frame.at(0.25f - 0.05f, 0.75f);
    EXPECT_GT(lit.r, shaded.r + 80) << lit << shaded;
    EXPECT_NEAR(shaded.r, 51, 15) << shaded;
    EXPECT_LT(lit.g + lit.b + shaded.g + shaded.b, 20) << lit << shaded;
    EXPECT_PRED2(near, frame.at(0.02f, 0.98f), kBlack);
    // The same sphere seen from 40 units away covers its centre but not a point that the
    // near view covers.
    EXPECT_GT(frame.at(0.25f, 0.25f).r, 30);
    EXPECT_PRED2(near, frame.at(0.25f + 0.06f, 0.25f), kBlack);
    // The torus facing the camera: a hole in the middle, the ring around it.
    EXPECT_PRED2(near, frame.at(0.75f, 0.5f), kBlack);
    const Rgb ring = frame.at(0.75f, 0.5f + 0.17f);
    EXPECT_GT(ring.g, 100) << ring;
    // The cube's front face, fully ambient-lit, shows the texture upright.
    EXPECT_PRED3(within, frame.at(0.75f - 0.03f, 0.75f - 0.05f), kRed, 40);
    EXPECT_PRED3(within, frame.at(0.75f + 0.03f, 0.75f + 0.05f), kWhite, 40);
}

TEST_F(StockEffectsDraw, LoaderInTheDrawOrderShowsBackgroundPictureAndAFullBar) {
    play(R"(<add type="loader" name="loading"/>
<loading texture="quad.tga" color="1,1,0,1" background="0,0,1,1" bar="0.1,0.05,0.8,0.1"/>
<add type="capture" name="rec"/><rec folder="frames" limit="1"/>
<draworder effect="loading" effect="rec"/>
<load effect="loading"/>)",
         10, 0.3f);
    Frame frame(framePath(dir, 0));
    ASSERT_TRUE(frame.loaded()) << log;
    EXPECT_PRED2(near, frame.at(0.12f, 0.1f), (Rgb{255, 255, 0}));
    EXPECT_PRED2(near, frame.at(0.88f, 0.1f), (Rgb{255, 255, 0}));
    EXPECT_PRED2(near, frame.at(0.05f, 0.5f), kBlue);
    // The picture sits above the bar, centred: its bottom-left quadrant is red.
    EXPECT_PRED2(near, frame.at(0.37f, 0.35f), kRed);
    EXPECT_PRED2(near, frame.at(0.63f, 0.7f), kWhite);
}
