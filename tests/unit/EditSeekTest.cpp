// Jumps through the seek path (start time, edit mode's keys), pause, and the title, on the
// fake back end. Events set the window title field when they fire, which shows their order.
#include "DemoFixture.h"
#include "demo/EditSession.h"
#include "platform/native/Backend.h"

namespace {

const char* const kTimeline = R"(<demo name="start">
<event time="1" name="one"/>
<event time="2" name="two"/>
<event time="3" name="three"/>
</demo>)";

void pressKey(Demo& demo, uint32_t virtualKey) {
    demo.key(virtualKey, 1);
    demo.key(virtualKey, 0);
}

void holdShift(bool down) {
    native::Message message = {};
    message.message = down ? native::WM_KEYDOWN : native::WM_KEYUP;
    message.wParam = native::VK_SHIFT;
    native::detail::updateKeyboardState(message);
}

std::string windowTitle(Demo& demo) {
    native::fake::WindowInfo info;
    return native::fake::windowInfo(demo.handle(), &info) ? info.title : "";
}

class EditSeek : public DemoFixture {};

} // namespace

TEST_F(EditSeek, AJumpFiresTheEventsUpToItInOrderAndARewindReplaysTheRest) {
    walk(kTimeline);
    demo->jumpBy(2.5f);
    EXPECT_FLOAT_EQ(demo->exactTime(), 2.5f);
    EXPECT_STREQ(demo->settings().title, "two");
    // Back before every event: nothing fires, and playing on fires them again in order.
    demo->jumpBy(-2.0f);
    EXPECT_FLOAT_EQ(demo->exactTime(), 0.5f);
    EXPECT_STREQ(demo->settings().title, "two");
    for (int i = 0; i < 60 && std::string(demo->settings().title) != "one"; ++i) frame(20);
    EXPECT_STREQ(demo->settings().title, "one");
    EXPECT_LT(demo->exactTime(), 1.1f);
    demo->jumpBy(-50.0f);
    EXPECT_EQ(demo->exactTime(), 0.0f);
}

TEST_F(EditSeek, KeysSeekPauseHoldsTheClockAndTheTitleFollows) {
    EditSession session;
    demo->setEditSession(&session);
    walk(kTimeline);
    session.runStarted(*demo);
    EXPECT_TRUE(processSettings().vhs) << "edit mode seeks with the mouse";
    EXPECT_EQ(windowTitle(*demo), "start | 0.0 s | bank 0");

    pressKey(*demo, native::VK_RIGHT);
    EXPECT_FLOAT_EQ(demo->exactTime(), 1.0f);
    EXPECT_STREQ(demo->settings().title, "one");
    holdShift(true);
    pressKey(*demo, native::VK_RIGHT);
    holdShift(false);
    EXPECT_FLOAT_EQ(demo->exactTime(), 11.0f);
    pressKey(*demo, native::VK_LEFT);
    EXPECT_FLOAT_EQ(demo->exactTime(), 10.0f);

    pressKey(*demo, native::VK_PAUSE);
    EXPECT_TRUE(session.paused());
    for (int i = 0; i < 5; ++i) frame(100);
    EXPECT_FLOAT_EQ(demo->exactTime(), 10.0f);
    EXPECT_EQ(windowTitle(*demo), "three | 10.0 s | bank 0 | paused");
    pressKey(*demo, native::VK_PAUSE);
    frame(100);
    EXPECT_GT(demo->exactTime(), 10.0f);

    pressKey(*demo, native::VK_HOME);
    EXPECT_EQ(demo->exactTime(), 0.0f);
    // The keys produce no character: nothing reached the key log.
    EXPECT_FALSE(dir.exists("keylog.txt"));
    demo.reset();
}

TEST_F(EditSeek, AnExitHoldsTheDemoAtItsTimeEvenWhenASeekPassesIt) {
    EditSession session;
    demo->setEditSession(&session);
    walk(R"(<demo name="held">
<event time="1" name="one"/>
<event time="2"><exit/></event>
<event time="3" name="three"/>
</demo>)");
    session.runStarted(*demo);
    // Reached while playing: held at the exit's own time, not where the frame ended.
    for (int i = 0; i < 200 && !session.paused(); ++i) frame(100);
    EXPECT_TRUE(session.paused());
    frame(100);
    EXPECT_FALSE(demo->closed());
    EXPECT_FLOAT_EQ(demo->exactTime(), 2.0f);
    EXPECT_EQ(windowTitle(*demo), "one | 2.0 s | bank 0 | paused at the exit");

    // A seek past it comes back to it; the events after it have not fired.
    holdShift(true);
    pressKey(*demo, native::VK_RIGHT);
    holdShift(false);
    EXPECT_FLOAT_EQ(demo->exactTime(), 2.0f);
    EXPECT_STREQ(demo->settings().title, "one");
    // Pause plays on past it; a seek back before it is an ordinary pause no more.
    pressKey(*demo, native::VK_PAUSE);
    EXPECT_FALSE(session.paused());
    for (int i = 0; i < 30; ++i) frame(100);
    EXPECT_GT(demo->exactTime(), 3.0f);
    EXPECT_STREQ(demo->settings().title, "three");
    EXPECT_FALSE(demo->closed());
    pressKey(*demo, native::VK_HOME);
    EXPECT_EQ(windowTitle(*demo), "three | 0.0 s | bank 0");

    // Escape still ends it.
    pressKey(*demo, native::VK_ESCAPE);
    EXPECT_TRUE(demo->closed());
    demo.reset();
}
