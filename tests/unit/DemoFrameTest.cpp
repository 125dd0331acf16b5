#include "DemoFixture.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <stdexcept>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

constexpr const char* kRecorders = R"(<loadplugin file="recorderfx.so"/>
    <add type="recorder" name="a"/><add type="recorder" name="b"/>
    <add type="musicplay" name="m"/>)";

class DemoFrame : public DemoFixture {
protected:
    // A demo with recorders a, b and the music effect m; a and b drawn, in that order.
    void walkRecorders(const std::string& more = "", const std::string& attributes = "") {
        walk("<demo " + attributes + ">" + kRecorders + R"(<draworder effect="a" effect="b"/>)" +
             more + "</demo>");
        std::remove("calls.txt");
    }
};

} // namespace

TEST_F(DemoFrame, EventsFireBeforeTheClockAdvancesAndEffectsUpdateThenDraw) {
    walkRecorders(R"(<event time="0"><a mark="1"/></event>)");
    frame();
    EXPECT_THAT(calls(),
                ElementsAre("a configure a", "a update 0.0000 time=0.0000 seeking=0", "a apply",
                            "a draw 640x480", "b update 0.0000 time=0.0000 seeking=0", "b apply",
                            "b draw 640x480"));
    std::remove("calls.txt");
    frame(30); // the previous frame took 20 ms
    EXPECT_THAT(calls(), Contains("a update 2.0000 time=0.0200 seeking=0"));
}

TEST_F(DemoFrame, LockfpsStepsAFixedFractionOfASecondWhateverTheFrameTook) {
    walkRecorders("", R"(lockfps="50")");
    frame(20);
    frame(95);
    EXPECT_FLOAT_EQ(demo->time(), 0.04f);
    EXPECT_THAT(calls(), Contains("a update 2.0000 time=0.0400 seeking=0"));
}

TEST_F(DemoFrame, VhsSeeksAHundredTimesFasterAndRewindsToZero) {
    walkRecorders(R"(<event time="0.5" id="half"/>)", R"(vhs="1")");
    frame(); // clock delta 0 on the first frame after the walk
    frame();
    EXPECT_FLOAT_EQ(demo->time(), 0.02f);
    demo->mouseDown(0);
    frame(); // 2.0 hundredths x 100
    EXPECT_FLOAT_EQ(demo->time(), 2.02f);
    EXPECT_THAT(calls(), Contains("m update 200.0000 time=2.0200 seeking=1"));
    demo->mouseUp(0);
    demo->mouseDown(2);
    frame(); // back to 0.02
    std::remove("calls.txt");
    frame();
    EXPECT_EQ(demo->time(), 0.0f);
    // The music effect is not drawn but still follows the seek, backwards.
    EXPECT_THAT(calls(), Contains("m update -200.0000 time=0.0000 seeking=1"));
    // The clock was reset, so the present measured nothing.
    EXPECT_EQ(demo->clock().delta(), 0.0f);
    demo->mouseUp(2);
    EXPECT_EQ(demo->speed(), 1.0f);
    EXPECT_FALSE(demo->seeking());
}

TEST_F(DemoFrame, TheMiddleButtonDoesNotSeekAndAnyReleaseEndsTheSeek) {
    processSettings().vhs = true;
    demo->mouseDown(1);
    EXPECT_EQ(demo->speed(), 1.0f);
    demo->mouseDown(0);
    demo->mouseUp(1);
    EXPECT_EQ(demo->speed(), 1.0f);
    EXPECT_EQ(demo->buttons(), 1u); // the middle bit toggled off, the left one held
    processSettings().vhs = false;
    demo->mouseDown(2);
    EXPECT_EQ(demo->speed(), 1.0f);
}

TEST_F(DemoFrame, DisabledEffectsAndSurfaceItemsAreSkipped) {
    walkRecorders(R"(<a enabled="0"/><b nullstate="1"/>
        <draworder surface="MAIN" effect="a" effect="nobody" surface="target" effect="b"/>)");
    ASSERT_EQ(demo->drawOrder().count(), 4u);
    EXPECT_EQ(demo->drawOrder()[0].kind, DrawOrderItem::kSurface);
    EXPECT_EQ(demo->drawOrder()[0].surface, nullptr);
    EXPECT_NE(demo->drawOrder()[2].surface, nullptr);
    EXPECT_THAT(logLines(), Contains("XML Error: DrawOrder"));
    frame();
    // No render state: drawn without its calls.
    EXPECT_THAT(calls(), ElementsAre("b update 0.0000 time=0.0000 seeking=0", "b draw 640x480"));
}

TEST_F(DemoFrame, AnEffectListedTwiceIsDrawnTwiceAndADrawOrderOverTheLimitIsRefused) {
    std::string tooLong = "<draworder";
    for (uint32_t i = 0; i <= DrawOrder::kCapacity; ++i) tooLong += R"( effect="a")";
    walkRecorders(R"(<draworder effect="b" effect="b"/>)" + tooLong + "/>");
    EXPECT_THAT(logLines(), Contains("Draw order of 49 items refused (at most 48)"));
    ASSERT_EQ(demo->drawOrder().count(), 2u);
    frame();
    EXPECT_EQ(calls().size(), 6u);
}

TEST_F(DemoFrame, TheCursorIsNormalisedToTheClientAreaAndForwarded) {
    walkRecorders();
    const int32_t left = demo->x();
    const int32_t top = demo->y();
    demo->mouseMove(left - 50, top - 5);
    EXPECT_EQ(demo->mouse()[0], 0.0f);
    EXPECT_EQ(demo->mouse()[1], 0.0f);
    demo->mouseMove(left + 320, top + 960);
    EXPECT_EQ(demo->mouse()[0], 0.5f);
    EXPECT_EQ(demo->mouse()[1], 1.0f);
    demo->mouseWheel(120);
    demo->mouseDown(0);
    demo->mouseUp(0);
    EXPECT_THAT(calls(), ElementsAre("a mouse 0 0 0.000 0.000 0 0.000 0.000 0",
                                     "b mouse 0 0 0.000 0.000 0 0.000 0.000 0",
                                     "m mouse 0 0 0.000 0.000 0 0.000 0.000 0",
                                     "a mouse 0 0 0.500 1.000 0 0.000 0.000 0",
                                     "b mouse 0 0 0.500 1.000 0 0.000 0.000 0",
                                     "m mouse 0 0 0.500 1.000 0 0.000 0.000 0",
                                     "a mouse 0 0 0.500 1.000 120 0.000 0.000 0",
                                     "b mouse 0 0 0.500 1.000 120 0.000 0.000 0",
                                     "m mouse 0 0 0.500 1.000 120 0.000 0.000 0",
                                     "a mouse 0 1 0.500 1.000 120 0.000 0.000 0",
                                     "b mouse 0 1 0.500 1.000 120 0.000 0.000 0",
                                     "m mouse 0 1 0.500 1.000 120 0.000 0.000 0"));
}

TEST_F(DemoFrame, AClientAreaOfZeroLeavesTheCursorAsItWas) {
    walkRecorders();
    demo->mouseMove(demo->x() + 160, demo->y());
    ASSERT_EQ(demo->mouse()[0], 0.25f);
    demo->resize(0, 0);
    demo->mouseMove(demo->x() + 320, demo->y());
    EXPECT_EQ(demo->mouse()[0], 0.25f);
}

TEST_F(DemoFrame, ResizeReachesEveryEffectAndTheHostSize) {
    walkRecorders();
    demo->resize(800, 600);
    EXPECT_THAT(calls(), ElementsAre("a resize 800 600", "b resize 800 600", "m resize 800 600"));
    EXPECT_EQ(demo->width(), 800.0f);
    EXPECT_EQ(demo->height(), 600.0f);
}

TEST_F(DemoFrame, KeyPressesFireTheirEventsInTheBankAndAreLogged) {
    walkRecorders(R"(<keybank set="2"/>
        <event key="a"><a pressed="a"/></event>
        <event key="a" bank="3"><a pressed="bank3"/></event>
        <event key="A"><a pressed="A"/></event>)");
    demo->jumpTo(12.34f);
    frame();
    std::remove("calls.txt");
    demo->key('A', 1); // no Shift held: the character a
    demo->key(native::VK_SPACE, 1);
    demo->key('A', 0);
    EXPECT_THAT(calls(), ElementsAre("a configure a"));
    EXPECT_EQ(dir.read("keylog.txt"), "\t<event time=\"12.3\" bank=\"2\" trigger=\"a\"/>\r\n");
}

TEST_F(DemoFrame, KeyLoggingCanBeSwitchedOffAndTriggerSimulatesAPress) {
    walkRecorders(R"(<event key="1"><a pressed="1"/></event>
        <event time="0" keylog="0" trigger="1"/>)");
    frame();
    EXPECT_THAT(calls(), Contains("a configure a"));
    EXPECT_FALSE(dir.exists("keylog.txt"));
}

TEST_F(DemoFrame, KeyLogLinesReplayTheCharactersTheyRecorded) {
    walkRecorders(R"(<event key="a"><a pressed="a"/></event>
        <event key=","><b pressed="comma"/></event>
        <event key="1"><a pressed="1"/></event>
        <event time="0" bank="0" trigger="a"/><event time="0" bank="0" trigger=","/>)");
    frame();
    const std::vector<std::string> made = calls();
    // "a" fires the key-a event, not the keypad 1 key whose code is the character's.
    EXPECT_THAT(std::vector<std::string>(made.begin(), made.begin() + 2),
                ElementsAre("a configure a", "b configure b"));
    EXPECT_EQ(std::count(made.begin(), made.end(), "a configure a"), 1);
    EXPECT_EQ(dir.read("keylog.txt"), "\t<event time=\"0.0\" bank=\"0\" trigger=\"a\"/>\r\n"
                                      "\t<event time=\"0.0\" bank=\"0\" trigger=\",\"/>\r\n");
}

TEST_F(DemoFrame, EscapeClosesOnThePressAndEventsCanEndTheRun) {
    walkRecorders();
    EXPECT_FALSE(demo->closed());
    demo->key(native::VK_ESCAPE, 1);
    EXPECT_TRUE(demo->closed());
}

TEST_F(DemoFrame, RunPlaysUntilAnExitEventAndLaterChildrenFindNoWindow) {
    // The listed effect moves the fake clock, which the frame pacing waits on.
    demo->adoptEffect(new ListedEffect(listed), "clock", "tick");
    walk(std::string("<demo>") + kRecorders + R"(<draworder effect="a" effect="tick"/>
        <event time="0.05"><exit/></event><load effect="tick"/><run/><run/></demo>)");
    EXPECT_TRUE(demo->closed());
    EXPECT_GE(demo->time(), 0.05f);
    EXPECT_THAT(logLines(), Contains("run: no window"));
}

TEST_F(DemoFrame, ARunNestedInAnEventEndsWithTheWindowAsTheOuterRunDoes) {
    // Draws after the window has closed mean a loop that would never end: stop it.
    class Watchdog : public ListedEffect {
    public:
        Watchdog(std::vector<std::string>& calls, const Demo& demo)
            : ListedEffect(calls), demo(demo) {}
        void draw() override {
            ListedEffect::draw();
            if (demo.closed() && ++drawsAfterClose > 100) throw std::runtime_error("endless run");
        }

    private:
        const Demo& demo;
        int drawsAfterClose = 0;
    };
    demo->adoptEffect(new Watchdog(listed, *demo), "clock", "tick");
    walk(std::string("<demo>") + kRecorders + R"(<draworder effect="tick"/>
        <event time="0.05"><run/></event><event time="0.1"><exit/></event>
        <load effect="tick"/><run/></demo>)");
    EXPECT_TRUE(demo->closed());
    EXPECT_GE(demo->time(), 0.1f);
    EXPECT_LT(demo->time(), 0.2f);
    EXPECT_THAT(logLines(), Not(Contains(HasSubstr("endless run"))));
}

TEST_F(DemoFrame, SelfTriggeringEventsStopAtTheNestingLimit) {
    walkRecorders(R"(<event key="a" trigger="A"/><event time="0" trigger="A"/>)");
    frame();
    EXPECT_THAT(logLines(), Contains("Walk nested deeper than 64 levels: element [event] skipped"));
}

TEST_F(DemoFrame, TheLoadStepLoadsEveryEffectAndRedrawsTheLoader) {
    demo->adoptEffect(new ListedEffect(listed), "bar", "loader");
    demo->adoptEffect(new ListedEffect(listed), "fx", "one");
    walk(R"(<demo><event time="2"/><event time="1"/><load effect="LOADER" effect="none"/></demo>)");
    EXPECT_EQ(demo->loader(), demo->effect(0));
    EXPECT_THAT(listed,
                ElementsAre("loader load", "loader update 1", "loader draw", "loader update 1",
                            "loader draw", "one load", "loader update 1", "loader draw"));
    const auto log = logLines();
    const std::vector<std::string> tail(log.end() - 7, log.end());
    EXPECT_THAT(tail, ElementsAre("Loading.", "sorting event", "event0 - 1.000", "event1 - 2.000",
                                  "done", "Loading effect  1:[one][fx]", "done."));
}
