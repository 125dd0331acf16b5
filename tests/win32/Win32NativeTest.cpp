// The win32 native back end under Wine: the player's own window and GL classes on the real
// Win32 and WGL calls, and the library search. Built only for Windows; run by
// scripts/test-windows inside Xvfb.
#include "RecordingWindow.h"
#include "platform/ExtensionLoader.h"
#include "platform/GLWindow.h"
#include "platform/native/Native.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Drains the queue as the player's run loop does; true when the quit message came.
bool drain() {
    native::Message message;
    bool quit = false;
    while (native::peekMessage(&message, nullptr, 0, 0, native::PM_REMOVE)) {
        if (message.message == native::WM_QUIT) quit = true;
        native::translateMessage(&message);
        native::dispatchMessage(&message);
    }
    return quit;
}

class Win32Native : public ::testing::Test {
protected:
    void SetUp() override { _putenv_s("VORNEX_NO_MESSAGEBOX", "1"); }
};

} // namespace

TEST_F(Win32Native, MessagesOfTheRealWindowReachTheWindowObject) {
    // Painting comes whenever the system likes.
    RecordingWindow<Window> window(false);
    ASSERT_EQ(window.create("win32 messages", 0, 0, 200, 100, 0), 0);
    EXPECT_FALSE(window.closed());
    // The client size asked for, with the frame around it: the window sits right of and
    // below the desktop's centre by the frame's width.
    native::Rect desktop;
    native::getDesktopRect(&desktop);
    EXPECT_GT(window.x(), (desktop.right - 200) / 2);
    EXPECT_GT(window.y(), (desktop.bottom - 100) / 2);
    drain();
    window.calls.clear();

    native::sendMessage(window.handle(), native::WM_SIZE, 0, native::makeLParam(320, 240));
    native::postMessage(window.handle(), native::WM_KEYDOWN, 'A', 1);
    native::postMessage(window.handle(), native::WM_KEYUP, 'A', 1);
    native::postMessage(window.handle(), native::WM_MOUSEWHEEL, uintptr_t(-120) << 16, 0);
    EXPECT_FALSE(drain());
    const std::vector<WindowCall> expected = {
        {"resize", 320, 240}, {"key", 'A', 1}, {"key", 'A', 0}, {"mouseWheel", -120, 0}};
    EXPECT_EQ(window.calls, expected);
    EXPECT_EQ(window.width(), 320);
    // Screen saver and monitor power-off are refused; the background counts as erased.
    EXPECT_EQ(native::sendMessage(window.handle(), native::WM_SYSCOMMAND, native::SC_SCREENSAVE, 0),
              0);
    EXPECT_EQ(native::sendMessage(window.handle(), native::WM_ERASEBKGND, 0, 0), 1);

    window.destroy();
    EXPECT_TRUE(window.closed());
    EXPECT_TRUE(drain()) << "destroying the window posts the quit message";
}

TEST_F(Win32Native, ASecondWindowWithTheSameTitleIsRefusedUntilTheFirstIsDestroyed) {
    Window first;
    Window second;
    ASSERT_EQ(first.create("win32 twice", 0, 0, 64, 48, 0), 0);
    EXPECT_EQ(second.create("win32 twice", 0, 0, 64, 48, 0), -1);
    EXPECT_TRUE(second.closed());
    first.destroy();
    EXPECT_EQ(second.create("win32 twice", 0, 0, 64, 48, 0), 0);
    second.destroy();
    drain();
}

TEST_F(Win32Native, GLWindowGetsAContextThatClearsAndFindsSwapControl) {
    GLWindow window;
    WindowSettings settings;
    std::snprintf(settings.title, sizeof settings.title, "win32 gl");
    settings.width = 96;
    settings.height = 64;
    ASSERT_EQ(window.create(settings), 1);
    EXPECT_NE(native::getCurrentContext(), nullptr);
    ext::initExtensions();
    EXPECT_TRUE(ext::isWGLExtensionSupported("WGL_EXT_swap_control"));
    EXPECT_NE(ext::wglSwapIntervalEXT, nullptr);
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char pixel[4] = {};
    glReadPixels(48, 32, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0], 0);
    EXPECT_EQ(pixel[1], 255);
    EXPECT_EQ(pixel[2], 0);
    EXPECT_TRUE(native::swapBuffers(window.deviceContext()));
    window.close();
    EXPECT_EQ(native::getCurrentContext(), nullptr);
    drain();
}

TEST_F(Win32Native, LibrariesAreFoundBesideTheProgramFirstAndSoNamesAsDlls) {
    namespace fs = std::filesystem;
    const fs::path bin = VORNEX_BIN_DIR;
    const fs::path work = fs::temp_directory_path() / "vornex-win32-library";
    fs::remove_all(work);
    fs::create_directories(work);
    // The same name in the program's folder (exports hasFX) and the working directory
    // (exports getFX): the program's folder wins.
    fs::copy_file(bin / "hasonlyfx.dll", bin / "searchfx.dll",
                  fs::copy_options::overwrite_existing);
    fs::copy_file(bin / "getonlyfx.dll", work / "searchfx.dll");
    fs::copy_file(bin / "getonlyfx.dll", work / "onlyhere.dll");
    std::ofstream(work / "notalibrary.dll") << "text";
    const fs::path previous = fs::current_path();
    fs::current_path(work);

    native::LibraryHandle library = native::loadLibrary("searchfx.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_NE(native::getLibraryProc(library, "hasFX"), nullptr);
    EXPECT_EQ(native::getLibraryProc(library, "getFX"), nullptr);
    EXPECT_TRUE(native::freeLibrary(library));

    library = native::loadLibrary("onlyhere.so");
    ASSERT_NE(library, nullptr) << "a .so name is tried as .dll";
    EXPECT_NE(native::getLibraryProc(library, "getFX"), nullptr);
    native::freeLibrary(library);

    library = native::loadLibrary(".\\onlyhere.dll");
    EXPECT_NE(library, nullptr) << "a name with a folder is taken as written";
    native::freeLibrary(library);

    EXPECT_EQ(native::loadLibrary("missingfx.dll"), nullptr);
    EXPECT_EQ(native::loadLibrary("notalibrary.dll"), nullptr);
    EXPECT_EQ(native::loadLibrary(""), nullptr);

    fs::current_path(previous);
    fs::remove(bin / "searchfx.dll");
    fs::remove_all(work);
}

TEST_F(Win32Native, KeysTranslateWithTheKeyboardState) {
    uint8_t state[256] = {};
    uint16_t character = 0;
    ASSERT_EQ(native::toAscii('A', 0x1E, state, &character, 0), 1);
    EXPECT_EQ(character, 'a');
    state[native::VK_SHIFT] = 0x80;
    ASSERT_EQ(native::toAscii('A', 0x1E, state, &character, 0), 1);
    EXPECT_EQ(character, 'A');
    EXPECT_EQ(native::toAscii(native::VK_F1, 0x3B, state, &character, 0), 0);
}
