#include "DemoFixture.h"

#include <gmock/gmock.h>

#include <new>
#include <stdexcept>

using ::testing::Contains;
using ::testing::HasSubstr;

namespace {
class DemoWalk : public DemoFixture {};

native::fake::WindowInfo onlyWindow(const Demo& demo) {
    native::fake::WindowInfo info{};
    native::fake::windowInfo(demo.handle(), &info);
    return info;
}
} // namespace

TEST_F(DemoWalk, ADemoWithoutAttributesOpensTheDefaultWindow) {
    walk("<demo/>");
    EXPECT_FALSE(demo->closed());
    const auto info = onlyWindow(*demo);
    EXPECT_EQ(info.title, "demo");
    EXPECT_EQ(demo->Window::width(), 640);
    EXPECT_EQ(demo->Window::height(), 480);
    EXPECT_EQ(native::fake::requestedPixelFormat().colorBits, 32);
    EXPECT_GE(native::fake::cursorCounter(), 0);
    EXPECT_TRUE(processSettings().keylog);
    EXPECT_FALSE(demo->settings().fullscreen);
    EXPECT_FALSE(demo->settings().vsync);
}

TEST_F(DemoWalk, AttributesReadLikeAtoiAndLaterOnesWin) {
    walk(R"(<demo vsync="yes" width="800" width=" 320px" bpp="16" mouse="0" showfps="2"
               lockfps="-x" vhs="1"/>)");
    EXPECT_FALSE(demo->settings().vsync);
    EXPECT_EQ(demo->Window::width(), 320);
    EXPECT_EQ(demo->settings().bpp, 16);
    EXPECT_LT(native::fake::cursorCounter(), 0);
    EXPECT_TRUE(processSettings().showfps);
    EXPECT_TRUE(processSettings().vhs);
    EXPECT_EQ(processSettings().lockfps, 0);
    walk(R"(<event vsync="2"/>)");
    EXPECT_TRUE(demo->settings().vsync);
}

TEST_F(DemoWalk, ProcessWideSettingsOutliveTheDemo) {
    walk(R"(<demo showfps="1" keylog="0"/>)");
    demo = std::make_unique<Demo>();
    EXPECT_TRUE(processSettings().showfps);
    EXPECT_FALSE(processSettings().keylog);
    EXPECT_EQ(demo->effectCount(), 0u);
    EXPECT_STREQ(demo->settings().title, "demo");
}

TEST_F(DemoWalk, ANameOnALaterElementChangesTheSettingsButNotTheWindow) {
    walk(R"(<demo name="first"/>)");
    walk(R"(<event name="second"/>)");
    EXPECT_STREQ(demo->settings().title, "second");
    EXPECT_EQ(onlyWindow(*demo).title, "first");
    const std::string tooLong(64, 'n');
    walk(R"(<event name=")" + tooLong + R"("/>)");
    EXPECT_STREQ(demo->settings().title, "second");
    EXPECT_THAT(logLines(),
                Contains("Demo name longer than 63 characters: [" + tooLong + "] ignored"));
}

TEST_F(DemoWalk, AWalkAfterTheWindowHasClosedOpensNoSecondWindow) {
    walk("<demo/>");
    ASSERT_EQ(native::fake::windowCount(), 1u);
    demo->close();
    const uint32_t swapsBefore = native::fake::swapCount();
    // Another event of the same time as the exit, or an effect walking an element later in
    // the same frame.
    walk(R"(<event time="1"><exit/></event>)");
    walk(R"(<event name="again"/>)");
    EXPECT_TRUE(demo->closed());
    EXPECT_EQ(native::fake::windowCount(), 0u);
    EXPECT_EQ(native::fake::swapCount(), swapsBefore) << "no black frames of a new window";
    EXPECT_EQ(demo->renderContext(), nullptr);
}

TEST_F(DemoWalk, AnExceptionEndsOnlyTheElementItCameFromWithALogLine) {
    class Throwing : public Effect {
    public:
        explicit Throwing(bool outOfMemory) : outOfMemory(outOfMemory) {}
        void configure(ScriptNode*) override {
            if (outOfMemory) throw std::bad_alloc();
            throw std::runtime_error("broken plugin");
        }

    private:
        bool outOfMemory;
    };
    demo->adoptEffect(new Throwing(true), "throwing", "memory");
    demo->adoptEffect(new Throwing(false), "throwing", "broken");
    walk(R"(<demo><memory/><broken/><camera mode="create" name="after"/></demo>)");
    walk(R"(<event><broken/></event>)");
    EXPECT_THAT(logLines(), Contains("Out of memory: element [memory] abandoned"));
    EXPECT_THAT(logLines(), Contains("Exception in element [broken]: broken plugin"));
    EXPECT_EQ(demo->registry().cameras.count(), 1) << "the next element still ran";
}

TEST_F(DemoWalk, TheWindowStartsWithTheTextureSizeLineAndTwoBlackFrames) {
    const uint32_t swapsBefore = native::fake::swapCount();
    walk("<demo/>");
    EXPECT_EQ(native::fake::swapCount() - swapsBefore, 2u);
    EXPECT_THAT(logLines(), Contains(HasSubstr("texture size")));
}

TEST_F(DemoWalk, CamerasTexturesAndSurfacesGoToTheRegistry) {
    testing::internal::CaptureStdout();
    walk(R"(<demo><camera mode="create" name="cam" fov="30"/>
               <surface mode="create" name="target" width="64" height="64"/></demo>)");
    EXPECT_THAT(testing::internal::GetCapturedStdout(), HasSubstr("weeeeeee surface!!\n"));
    EXPECT_EQ(demo->getCamera("CAM")->fov, 30.0f);
    EXPECT_EQ(demo->registry().cameras.count(), 1);
    EXPECT_EQ(demo->registry().surfaces.count(), 1u);
    // A camera asked for by an effect is created on demand.
    EXPECT_NE(demo->getCamera("other"), nullptr);
    EXPECT_EQ(demo->registry().cameras.count(), 2);
}
