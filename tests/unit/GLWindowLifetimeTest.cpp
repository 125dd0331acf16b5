#include "platform/ExtensionLoader.h"
#include "platform/GLWindow.h"
#include "platform/native/fake/FakeNative.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace native;

namespace {

class SizedWindow : public GLWindow {
public:
    void resize(int32_t newWidth, int32_t newHeight) override {
        GLWindow::resize(newWidth, newHeight);
        sizes.push_back({newWidth, newHeight});
    }
    std::vector<std::pair<int32_t, int32_t>> sizes;
};

bool quitPosted() {
    Message message;
    while (peekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return true;
    }
    return false;
}

std::vector<std::string> boxTexts() {
    std::vector<std::string> texts;
    for (const fake::RecordedMessageBox& box : fake::messageBoxes()) texts.push_back(box.text);
    return texts;
}

class GLWindowLifetime : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }
    void TearDown() override { fake::reset(); }

    int create() {
        ::testing::internal::CaptureStdout();
        const int result = window.create(settings);
        output = ::testing::internal::GetCapturedStdout();
        return result;
    }

    WindowSettings settings;
    SizedWindow window;
    std::string output;
};

} // namespace

TEST_F(GLWindowLifetime, SettingsStartWithTheDemoDefaults) {
    EXPECT_STREQ(settings.title, "demo");
    EXPECT_EQ(settings.width, 640);
    EXPECT_EQ(settings.height, 480);
    EXPECT_EQ(settings.bpp, 32);
    EXPECT_FALSE(settings.fullscreen);
    EXPECT_EQ(settings.flags, 0u);
}

TEST_F(GLWindowLifetime, CreateRequestsTheFormatReportsTheGrantedOneAndActivatesTheContext) {
    ASSERT_EQ(create(), 1);
    const PixelFormatDescriptor& request = fake::requestedPixelFormat();
    EXPECT_EQ(request.size, 40);
    EXPECT_EQ(request.version, 1);
    EXPECT_EQ(request.flags,
              static_cast<uint32_t>(PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER));
    EXPECT_EQ(request.pixelType, PFD_TYPE_RGBA);
    EXPECT_EQ(request.colorBits, 32);
    EXPECT_EQ(request.alphaBits, 0);
    EXPECT_EQ(request.accumBits, 0);
    EXPECT_EQ(request.depthBits, 24);
    EXPECT_EQ(request.stencilBits, 8);
    EXPECT_EQ(output, "OpenGL| Color32bpp RGBA(8,8,8,0) Depth: 24bpp\n");
    EXPECT_NE(window.renderContext(), nullptr);
    EXPECT_EQ(fake::currentContext(), window.renderContext());
    // The derived class saw the initial size although no size message was forwarded.
    EXPECT_EQ(window.sizes, (std::vector<std::pair<int32_t, int32_t>>{{640, 480}}));
    EXPECT_FALSE(window.fullscreen());
    EXPECT_TRUE(fake::displayModeChanges().empty());
    EXPECT_TRUE(fake::messageBoxes().empty());
}

TEST_F(GLWindowLifetime, LineReportsTheFormatGrantedNotTheOneAsked) {
    PixelFormatDescriptor granted = {};
    granted.colorBits = 16;
    granted.redBits = 5;
    granted.greenBits = 6;
    granted.blueBits = 5;
    granted.depthBits = 16;
    fake::setGrantedPixelFormat(granted);
    // Only the low 8 bits of bpp reach the request.
    settings.bpp = 0x110;
    ASSERT_EQ(create(), 1);
    EXPECT_EQ(fake::requestedPixelFormat().colorBits, 0x10);
    EXPECT_EQ(output, "OpenGL| Color16bpp RGBA(5,6,5,0) Depth: 16bpp\n");
}

TEST_F(GLWindowLifetime, EachCreationFailureShowsItsMessageAndReturnsZero) {
    const std::pair<fake::Failure, const char*> cases[] = {
        {fake::Failure::GetDC, "Can't Create An OPENGL Device Context."},
        {fake::Failure::ChoosePixelFormat, "Can't Find A Suitable PixelFormat."},
        {fake::Failure::SetPixelFormat, "Can't Set The PixelFormat."},
        {fake::Failure::CreateContext, "Can't Create An OPENGL Rendering Context."},
        {fake::Failure::MakeCurrent, "Can't Activate The OPENGL Rendering Context."},
    };
    for (const auto& [failure, text] : cases) {
        fake::reset();
        SizedWindow subject;
        fake::fail(failure);
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(subject.create(settings), 0) << text;
        ::testing::internal::GetCapturedStdout();
        ASSERT_EQ(fake::messageBoxes().size(), 1u) << text;
        EXPECT_EQ(fake::messageBoxes()[0].text, text);
        EXPECT_EQ(fake::messageBoxes()[0].caption, "ERROR");
        EXPECT_EQ(fake::messageBoxes()[0].flags, static_cast<uint32_t>(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_TRUE(subject.sizes.empty());
        fake::fail(failure, false);
        // What was obtained is released by the next shutdown, and nothing is left over.
        subject.close();
        EXPECT_EQ(fake::liveContextCount(), 0u) << text;
        EXPECT_EQ(fake::windowCount(), 0u) << text;
    }
}

TEST_F(GLWindowLifetime, RegistrationFailureOfWindowIsPassedOn) {
    SizedWindow first;
    ASSERT_EQ(create(), 1);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(first.create(settings), 0);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"RegisterClassEx() Failed."}));
}

TEST_F(GLWindowLifetime, FullscreenChangesTheModeHidesTheCursorAndCloseRestoresBoth) {
    settings.fullscreen = true;
    settings.x = 50;
    settings.y = 60;
    settings.width = 800;
    settings.height = 600;
    settings.bpp = 16;
    ASSERT_EQ(create(), 1);
    EXPECT_EQ(settings.x, 0);
    EXPECT_EQ(settings.y, 0);
    EXPECT_EQ(settings.flags, static_cast<uint32_t>(WF_FULLSCREEN | WF_POSITION));
    EXPECT_TRUE(window.fullscreen());
    ASSERT_EQ(fake::displayModeChanges().size(), 1u);
    const fake::DisplayModeChange& change = fake::displayModeChanges()[0];
    EXPECT_FALSE(change.restore);
    EXPECT_EQ(change.mode.fields,
              static_cast<uint32_t>(DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT));
    EXPECT_EQ(change.mode.bitsPerPixel, 16u);
    EXPECT_EQ(change.mode.width, 800u);
    EXPECT_EQ(change.mode.height, 600u);
    EXPECT_EQ(change.flags, static_cast<uint32_t>(CDS_FULLSCREEN));
    EXPECT_EQ(fake::cursorCounter(), -1);

    window.close();
    ASSERT_EQ(fake::displayModeChanges().size(), 2u);
    EXPECT_TRUE(fake::displayModeChanges()[1].restore);
    EXPECT_EQ(fake::cursorCounter(), 0);
    EXPECT_TRUE(quitPosted());
}

TEST_F(GLWindowLifetime, RefusedFullscreenFallsBackToABorderlessWindowAtTheCorner) {
    settings.fullscreen = true;
    settings.width = 800;
    settings.height = 600;
    settings.bpp = 16;
    fake::fail(fake::Failure::ChangeDisplayMode);
    ASSERT_EQ(create(), 1);
    ASSERT_EQ(fake::messageBoxes().size(), 1u);
    EXPECT_EQ(fake::messageBoxes()[0].text, "FullScreen Failed, using Windowed");
    EXPECT_EQ(fake::messageBoxes()[0].caption, "ERROR");
    EXPECT_FALSE(window.fullscreen());
    EXPECT_EQ(fake::cursorCounter(), 0);
    fake::WindowInfo info{};
    ASSERT_TRUE(fake::windowInfo(window.handle(), &info));
    EXPECT_EQ(info.style, static_cast<uint32_t>(WS_POPUP | WS_SYSMENU));
    EXPECT_EQ(info.x, 0);
    EXPECT_EQ(info.y, 0);
    EXPECT_EQ(info.outerWidth, 800);
    window.close();
    EXPECT_EQ(fake::displayModeChanges().size(), 1u) << "close leaves the display alone";
}

TEST_F(GLWindowLifetime, ShutdownFailuresAreShownAndShutdownGoesOn) {
    ASSERT_EQ(create(), 1);
    fake::fail(fake::Failure::ReleaseContext);
    fake::fail(fake::Failure::DeleteContext);
    fake::fail(fake::Failure::ReleaseDC);
    window.shutdownGL();
    EXPECT_EQ(boxTexts(),
              (std::vector<std::string>{"wglMakeCurrent() failed", "wglDeleteContext() failed",
                                        "ReleaseDC() failed"}));
    for (const fake::RecordedMessageBox& box : fake::messageBoxes()) {
        EXPECT_EQ(box.caption, "SHUTDOWN ERROR");
        EXPECT_EQ(box.flags, static_cast<uint32_t>(MB_OK | MB_ICONINFORMATION));
    }
    EXPECT_EQ(window.renderContext(), nullptr);
    EXPECT_EQ(window.deviceContext(), nullptr);
    // Safe again with nothing left.
    window.shutdownGL();
    EXPECT_EQ(fake::messageBoxes().size(), 3u);
}

TEST_F(GLWindowLifetime, CloseReleasesEverythingAndPostsTheQuit) {
    ASSERT_EQ(create(), 1);
    window.close();
    EXPECT_EQ(fake::liveContextCount(), 0u);
    EXPECT_EQ(fake::currentContext(), nullptr);
    EXPECT_EQ(fake::windowCount(), 0u);
    EXPECT_TRUE(window.closed());
    EXPECT_TRUE(quitPosted());
}

TEST_F(GLWindowLifetime, DestructorReleasesContextAndWindowWithoutQuit) {
    {
        SizedWindow scoped;
        ::testing::internal::CaptureStdout();
        ASSERT_EQ(scoped.create(settings), 1);
        ::testing::internal::GetCapturedStdout();
    }
    EXPECT_EQ(fake::liveContextCount(), 0u);
    EXPECT_EQ(fake::windowCount(), 0u);
    EXPECT_FALSE(quitPosted());
    EXPECT_TRUE(fake::messageBoxes().empty());
}

TEST_F(GLWindowLifetime, FramePresentsAndMinimisedSizeIsKept) {
    ASSERT_EQ(create(), 1);
    const uint32_t swaps = fake::swapCount();
    EXPECT_TRUE(window.frame());
    EXPECT_EQ(fake::swapCount(), swaps + 1);
    Window::windowProcedure(window.handle(), WM_SIZE, SIZE_MINIMIZED, 0);
    EXPECT_EQ(window.width(), 0);
    EXPECT_EQ(window.height(), 0);
}

namespace {
DeviceContext drawSurface;
DeviceContext readSurface;
int32_t makeContextCurrent(DeviceContext draw, DeviceContext read, RenderContext context) {
    drawSurface = draw;
    readSurface = read;
    return makeCurrent(draw, context) ? 1 : 0;
}
} // namespace

TEST_F(GLWindowLifetime, MakeCurrentPrefersTheReadSurfaceEntryPoint) {
    ASSERT_EQ(create(), 1);
    makeCurrent(nullptr, nullptr);
    ext::wglMakeContextCurrentARB = &makeContextCurrent;
    window.makeCurrent();
    ext::wglMakeContextCurrentARB = nullptr;
    EXPECT_EQ(drawSurface, window.deviceContext());
    EXPECT_EQ(readSurface, window.deviceContext());
    EXPECT_EQ(fake::currentContext(), window.renderContext());
}
