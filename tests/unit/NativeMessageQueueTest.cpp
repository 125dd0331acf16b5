#include "platform/native/fake/FakeNative.h"

#include <gtest/gtest.h>
#include <vector>

using namespace native;

namespace {

std::vector<uint32_t> dispatched;

intptr_t recordingProcedure(WindowHandle window, uint32_t message, uintptr_t wParam,
                            intptr_t lParam) {
    dispatched.push_back(message);
    return defWindowProc(window, message, wParam, lParam);
}

class NativeMessageQueue : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        dispatched.clear();
        WindowClass windowClass = {};
        windowClass.procedure = &recordingProcedure;
        windowClass.className = "queue";
        ASSERT_NE(registerClass(&windowClass), 0);
        window = createWindow(0, "queue", "queue", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { fake::reset(); }

    WindowHandle window = nullptr;
};

} // namespace

TEST_F(NativeMessageQueue, MessagesKeepTheirOrderAndTheQuitComesLast) {
    postQuitMessage(3);
    postMessage(window, WM_KEYDOWN, 'A', 1);
    postMessage(window, WM_KEYUP, 'A', 0);
    Message message;
    ASSERT_TRUE(peekMessage(&message, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(message.message, static_cast<uint32_t>(WM_KEYDOWN));
    std::vector<uint32_t> taken;
    while (peekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
        taken.push_back(message.message);
        if (message.message == WM_QUIT) {
            EXPECT_EQ(message.wParam, 3u);
        }
        dispatchMessage(&message);
    }
    EXPECT_EQ(taken, (std::vector<uint32_t>{WM_KEYDOWN, WM_KEYUP, WM_QUIT}));
    EXPECT_EQ(dispatched, (std::vector<uint32_t>{WM_KEYDOWN, WM_KEYUP}));
}

TEST_F(NativeMessageQueue, FilterTakesMatchingMessagesOnly) {
    postMessage(window, WM_KEYDOWN, 'A', 1);
    postMessage(window, WM_MOUSEMOVE, 0, 0);
    Message message;
    ASSERT_TRUE(peekMessage(&message, nullptr, WM_MOUSEMOVE, WM_MOUSEWHEEL, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<uint32_t>(WM_MOUSEMOVE));
    ASSERT_TRUE(peekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<uint32_t>(WM_KEYDOWN));
    EXPECT_FALSE(peekMessage(&message, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(NativeMessageQueue, MessagesForAGoneWindowAreRefusedOrDropped) {
    postMessage(window, WM_PAINT, 0, 0);
    ASSERT_TRUE(destroyWindow(window));
    EXPECT_EQ(dispatched, (std::vector<uint32_t>{WM_DESTROY}));
    EXPECT_FALSE(postMessage(window, WM_PAINT, 0, 0));
    EXPECT_FALSE(destroyWindow(window));
    Message message;
    ASSERT_TRUE(peekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(dispatchMessage(&message), 0);
    EXPECT_EQ(dispatched.size(), 1u);
}

TEST_F(NativeMessageQueue, FullQueueRefusesMorePosts) {
    uint32_t posted = 0;
    while (postMessage(window, WM_PAINT, 0, 0) && posted < 100000) ++posted;
    EXPECT_GT(posted, 0u);
    EXPECT_LT(posted, 100000u);
    Message message;
    uint32_t taken = 0;
    while (peekMessage(&message, nullptr, 0, 0, PM_REMOVE)) ++taken;
    EXPECT_EQ(taken, posted);
}

TEST_F(NativeMessageQueue, DefaultCloseDestroysAndPaintErases) {
    sendMessage(window, WM_PAINT, 0, 0);
    EXPECT_EQ(dispatched, (std::vector<uint32_t>{WM_PAINT, WM_ERASEBKGND}));
    sendMessage(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(isWindow(window));
    // A class is kept while one of its windows lives, and freed after.
    EXPECT_TRUE(unregisterClass("QUEUE", nullptr)) << "names compare without case";
}
