#include "RecordingWindow.h"
#include "platform/Window.h"
#include "platform/native/fake/FakeNative.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace native;

namespace {

using Call = WindowCall;

// Drains the queue as the run loop does; true when the quit message came.
bool drain() {
    bool quit = false;
    Message message;
    while (peekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            continue;
        }
        translateMessage(&message);
        dispatchMessage(&message);
    }
    return quit;
}

class TopLevelWindow : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }
    void TearDown() override { fake::reset(); }

    intptr_t send(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
        return Window::windowProcedure(window.handle(), message, wParam, lParam);
    }

    fake::WindowInfo info() {
        fake::WindowInfo result{};
        EXPECT_TRUE(fake::windowInfo(window.handle(), &result));
        return result;
    }

    RecordingWindow<Window> window;
};

} // namespace

TEST_F(TopLevelWindow, ConstructedWindowIsClosedAndWaitsForNothing) {
    EXPECT_TRUE(window.closed());
    EXPECT_FALSE(window.isActive());
    EXPECT_TRUE(window.quitOnDestroy());
    EXPECT_EQ(window.handle(), nullptr);
    window.close();
    EXPECT_TRUE(window.closed());
    EXPECT_FALSE(drain());
}

TEST_F(TopLevelWindow, CentresByClientSizeSoTheFrameSitsRightAndBelow) {
    ASSERT_EQ(window.create("demo", 0, 0, 640, 480, 0), 0);
    const fake::WindowInfo created = info();
    EXPECT_EQ(created.title, "demo");
    EXPECT_EQ(created.style, static_cast<uint32_t>(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(created.extendedStyle, 0u);
    EXPECT_EQ(created.x, 192);
    EXPECT_EQ(created.y, 144);
    const int32_t frame = fake::kSizingFrame;
    EXPECT_EQ(created.outerWidth, 640 + 2 * frame);
    EXPECT_EQ(created.outerHeight, 480 + 2 * frame + fake::kCaption);
    // After creation x, y are the client area's screen position.
    EXPECT_EQ(window.x(), 192 + frame);
    EXPECT_EQ(window.y(), 144 + frame + fake::kCaption);
    EXPECT_EQ(window.width(), 640);
    EXPECT_EQ(window.height(), 480);
    EXPECT_TRUE(created.visible);
    EXPECT_TRUE(created.foreground);
    EXPECT_FALSE(window.closed());
    EXPECT_TRUE(window.isActive());
    EXPECT_TRUE(fake::messageBoxes().empty());
}

TEST_F(TopLevelWindow, FlagsSelectStyleAndPosition) {
    struct Case {
        uint32_t flags;
        uint32_t style;
        uint32_t extendedStyle;
    };
    const Case cases[] = {
        {WF_POPUP, WS_POPUP | WS_SYSMENU | WS_THICKFRAME, 0},
        {WF_FULLSCREEN, WS_POPUP | WS_SYSMENU, 0},
        {WF_NO_SYSMENU, WS_OVERLAPPEDWINDOW & ~WS_SYSMENU, 0},
        {WF_NO_MINIMIZE | WF_NO_MAXIMIZE, WS_OVERLAPPEDWINDOW & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
         0},
        {WF_NO_BORDER, WS_OVERLAPPEDWINDOW & ~WS_BORDER, 0},
        {WF_NO_RESIZE, WS_OVERLAPPEDWINDOW & ~WS_THICKFRAME, 0},
        {WF_TOOLWINDOW, WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW},
        {0x040, WS_OVERLAPPEDWINDOW, 0}, // no meaning
    };
    for (const Case& c : cases) {
        fake::reset();
        RecordingWindow<Window> subject;
        ASSERT_EQ(subject.create("flags", 30, 40, 100, 50, c.flags), 0);
        fake::WindowInfo created{};
        ASSERT_TRUE(fake::windowInfo(subject.handle(), &created));
        EXPECT_EQ(created.style, c.style) << std::hex << c.flags;
        EXPECT_EQ(created.extendedStyle, c.extendedStyle) << std::hex << c.flags;
        if (c.flags & WF_FULLSCREEN) {
            EXPECT_EQ(created.x, 0);
            EXPECT_EQ(created.y, 0);
            EXPECT_EQ(created.outerWidth, 100); // no frame at all
        }
    }
}

TEST_F(TopLevelWindow, PositionFlagUsesTheGivenCorner) {
    ASSERT_EQ(window.create("placed", 30, 40, 100, 50, WF_POSITION | WF_NO_RESIZE), 0);
    const fake::WindowInfo created = info();
    EXPECT_EQ(created.x, 30);
    EXPECT_EQ(created.y, 40);
    EXPECT_EQ(window.x(), 30 + fake::kBorder);
    EXPECT_EQ(window.y(), 40 + fake::kBorder + fake::kCaption);
}

TEST_F(TopLevelWindow, TopmostIsRepositionedWithClientSizeAndFrameChange) {
    ASSERT_EQ(window.create("top", 30, 40, 100, 50, WF_TOPMOST | WF_POSITION), 0);
    const fake::WindowInfo created = info();
    EXPECT_EQ(created.extendedStyle, static_cast<uint32_t>(WS_EX_TOPMOST));
    EXPECT_TRUE(created.topmost);
    EXPECT_EQ(created.setWindowPosCalls, 1u);
    EXPECT_EQ(created.lastSetWindowPosFlags, static_cast<uint32_t>(SWP_FRAMECHANGED));
    EXPECT_EQ(created.outerWidth, 100);
    EXPECT_EQ(created.outerHeight, 50);
}

TEST_F(TopLevelWindow, MessagesReachTheOperationsWithTheirArguments) {
    ASSERT_EQ(window.create("messages", 0, 0, 320, 200, 0), 0);
    fake::setCursorPos(700, 400);
    EXPECT_EQ(send(WM_SIZE, SIZE_RESTORED, makeLParam(800, 600)), 0);
    send(WM_MOVE, 0, makeLParam(static_cast<uint16_t>(-20), 35));
    send(WM_PAINT);
    send(WM_KEYDOWN, 'Q', 1);
    send(WM_KEYUP, 'Q', 0xC0000001);
    send(WM_LBUTTONDOWN, 0, makeLParam(3, 4));
    send(WM_MBUTTONUP, 0, makeLParam(3, 4));
    send(WM_RBUTTONDOWN, 0, makeLParam(3, 4));
    send(WM_MOUSEMOVE, 0, makeLParam(3, 4));
    send(WM_MOUSEWHEEL, static_cast<uintptr_t>(static_cast<uint16_t>(-240)) << 16, 0);
    const std::vector<Call> expected = {
        {"resize", 800, 600},    {"paint", 0, 0},         {"key", 'Q', 1},
        {"key", 'Q', 0},         {"mouseMove", 700, 400}, {"mouseDown", 0, 0},
        {"mouseMove", 700, 400}, {"mouseUp", 1, 0},       {"mouseMove", 700, 400},
        {"mouseDown", 2, 0},     {"mouseMove", 700, 400}, {"mouseWheel", -240, 0},
    };
    EXPECT_EQ(window.calls, expected);
    EXPECT_EQ(window.x(), -20);
    EXPECT_EQ(window.y(), 35);
    EXPECT_EQ(send(WM_ERASEBKGND), 1);
}

TEST_F(TopLevelWindow, SizeIsAnsweredWithZeroWithoutObjectOrWhileInactive) {
    ASSERT_EQ(window.create("inactive", 0, 0, 320, 200, 0), 0);
    window.deactivate();
    EXPECT_EQ(send(WM_SIZE, 0, makeLParam(10, 10)), 0);
    send(WM_KEYDOWN, 'A', 1);
    setWindowUserData(window.handle(), nullptr);
    EXPECT_EQ(send(WM_SIZE, 0, makeLParam(10, 10)), 0);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(window.width(), 320);
}

TEST_F(TopLevelWindow, ScreenSaverAndMonitorPowerAreSuppressed) {
    ASSERT_EQ(window.create("saver", 0, 0, 320, 200, 0), 0);
    EXPECT_EQ(send(WM_SYSCOMMAND, SC_SCREENSAVE), 0);
    EXPECT_EQ(send(WM_SYSCOMMAND, SC_MONITORPOWER), 0);
    EXPECT_TRUE(isWindow(window.handle()));
    EXPECT_TRUE(window.calls.empty());
}

TEST_F(TopLevelWindow, AltF4GetsDefaultProcessingAndReachesClose) {
    ASSERT_EQ(window.create("altf4", 0, 0, 320, 200, 0), 0);
    postMessage(window.handle(), WM_SYSKEYDOWN, VK_MENU, 0x20000001);
    postMessage(window.handle(), WM_SYSKEYDOWN, VK_F4, 0x20000001);
    EXPECT_TRUE(drain());
    const std::vector<Call> expected = {{"key", VK_MENU, 1}, {"key", VK_F4, 1}, {"close", 0, 0}};
    EXPECT_EQ(window.calls, expected);
    EXPECT_TRUE(window.closed());
    EXPECT_FALSE(isWindow(nullptr));
    EXPECT_EQ(fake::windowCount(), 0u);
}

TEST_F(TopLevelWindow, DestroyPostsOneQuitAndStopsForwarding) {
    ASSERT_EQ(window.create("quit", 0, 0, 320, 200, 0), 0);
    const WindowHandle old = window.handle();
    postMessage(old, WM_KEYDOWN, 'A', 1);
    window.close();
    EXPECT_TRUE(window.closed());
    EXPECT_FALSE(window.isActive());
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_FALSE(isWindow(old));
    EXPECT_TRUE(drain());
    EXPECT_EQ(window.calls, (std::vector<Call>{{"close", 0, 0}}));
    EXPECT_FALSE(drain()) << "the quit comes once";
    Window::windowProcedure(old, WM_KEYDOWN, 'B', 1);
    EXPECT_EQ(window.calls.size(), 1u);
}

TEST_F(TopLevelWindow, NoQuitFlagKeepsTheLoopRunning) {
    ASSERT_EQ(window.create("noquit", 0, 0, 320, 200, WF_NO_QUIT), 0);
    EXPECT_FALSE(window.quitOnDestroy());
    window.close();
    EXPECT_FALSE(drain());
}

TEST_F(TopLevelWindow, DestructorDestroysALiveWindowWithoutQuit) {
    WindowHandle handle = nullptr;
    {
        RecordingWindow<Window> scoped;
        ASSERT_EQ(scoped.create("scoped", 0, 0, 320, 200, 0), 0);
        handle = scoped.handle();
    }
    EXPECT_FALSE(isWindow(handle));
    EXPECT_EQ(fake::windowCount(), 0u);
    EXPECT_FALSE(drain());
    // The class went with it: the title can be used again.
    RecordingWindow<Window> again;
    EXPECT_EQ(again.create("scoped", 0, 0, 320, 200, 0), 0);
}

TEST_F(TopLevelWindow, SameTitleWorksAgainAfterDestroyButNotWhileAlive) {
    ASSERT_EQ(window.create("demo", 0, 0, 320, 200, 0), 0);
    RecordingWindow<Window> second;
    EXPECT_EQ(second.create("demo", 0, 0, 320, 200, 0), -1);
    ASSERT_EQ(fake::messageBoxes().size(), 1u);
    EXPECT_EQ(fake::messageBoxes()[0].text, "RegisterClassEx() Failed.");
    EXPECT_EQ(fake::messageBoxes()[0].caption, "ERROR");
    EXPECT_EQ(fake::messageBoxes()[0].flags, static_cast<uint32_t>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_TRUE(second.closed());
    // The failed attempt must not release the class of the live window.
    RecordingWindow<Window> third;
    EXPECT_EQ(third.create("demo", 0, 0, 320, 200, 0), -1);

    window.close();
    EXPECT_EQ(second.create("demo", 0, 0, 320, 200, 0), 0);
}

TEST_F(TopLevelWindow, ClassNameCarriesTitleAndBuildNumbers) {
    ASSERT_EQ(window.create("demo", 0, 0, 320, 200, 0), 0);
    WindowClass taken = {};
    taken.procedure = &Window::windowProcedure;
    taken.className = "lumbra_demo_1_0";
    EXPECT_EQ(registerClass(&taken), 0);
}

TEST_F(TopLevelWindow, WindowCreationFailureIsReportedAndCanBeRetried) {
    fake::fail(fake::Failure::CreateWindow);
    EXPECT_EQ(window.create("retry", 0, 0, 320, 200, 0), -1);
    ASSERT_EQ(fake::messageBoxes().size(), 1u);
    EXPECT_EQ(fake::messageBoxes()[0].text, "Window Creation Error.");
    EXPECT_EQ(fake::messageBoxes()[0].caption, "ERROR");
    EXPECT_TRUE(window.closed());
    fake::fail(fake::Failure::CreateWindow, false);
    EXPECT_EQ(window.create("retry", 0, 0, 320, 200, 0), 0);
}

TEST_F(TopLevelWindow, DestroyFailureIsShownAndTheWindowCountsAsClosed) {
    ASSERT_EQ(window.create("stuck", 0, 0, 320, 200, 0), 0);
    fake::fail(fake::Failure::DestroyWindow);
    window.close();
    ASSERT_EQ(fake::messageBoxes().size(), 1u);
    EXPECT_EQ(fake::messageBoxes()[0].text, "DestroyWindow() Failed.");
    EXPECT_EQ(fake::messageBoxes()[0].caption, "SHUTDOWN ERROR");
    EXPECT_EQ(fake::messageBoxes()[0].flags, static_cast<uint32_t>(MB_OK | MB_ICONINFORMATION));
    EXPECT_TRUE(window.closed());
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_TRUE(drain());
}
