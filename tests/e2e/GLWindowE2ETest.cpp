// A real window with a real OpenGL context on the sdl back end (under Xvfb with Mesa's
// software renderer). Input is injected as SDL events, which is what the window system
// would deliver; everything from there on is the player's own path.
#include "GLWindowE2EFixture.h"

TEST_F(GLWindowE2E, ClearedColourIsPresentedAndReadBack) {
    // Away from the centre, where the windows of tests running alongside would cover it.
    create("vornex-e2e-colour", 64, 48, WF_POSITION, 1150, 900);
    EXPECT_EQ(window.x(), 1150);
    EXPECT_EQ(window.y(), 900);
    EXPECT_NE(output.find("OpenGL| Color"), std::string::npos) << output;
    EXPECT_NE(output.find("Depth: 24bpp"), std::string::npos) << output;

    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    uint8_t pixel[4] = {};
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(std::vector<int>(pixel, pixel + 3), (std::vector<int>{51, 102, 153}));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // What the screen shows after the swap, read from the X server.
    native::swapBuffers(window.deviceContext());
    glFinish();
    EXPECT_EQ(screenPixel("vornex-e2e-colour", 10, 10), "51,102,153");
}

TEST_F(GLWindowE2E, InitialStateIsFixedFunctionWithProjectionForTheSize) {
    create("vornex-e2e-state", 80, 40);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    GLfloat diffuse[4] = {};
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    EXPECT_FLOAT_EQ(diffuse[0], 1.0f);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 80);
    EXPECT_EQ(viewport[3], 40);
    GLdouble projection[16] = {};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    // A perspective matrix holds f / aspect and f on its diagonal.
    EXPECT_NEAR(projection[5] / projection[0], 2.0, 1e-6);
    EXPECT_NEAR(projection[5], 1.0 / std::tan(22.5 * M_PI / 180.0), 1e-6);
}

TEST_F(GLWindowE2E, ResizingTheWindowChangesViewportAndAspect) {
    create("vornex-e2e-resize");
    native::setWindowPos(window.handle(), native::InsertAfter::Top, 0, 0, 120, 90,
                         native::SWP_NOMOVE);
    drainUntil([&](const Drained&) { return window.width() == 120 && window.height() == 90; });
    ASSERT_EQ(window.width(), 120);
    ASSERT_EQ(window.height(), 90);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 120);
    EXPECT_EQ(viewport[3], 90);
    GLdouble projection[16] = {};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5] / projection[0], 120.0 / 90.0, 1e-6);
}

TEST_F(GLWindowE2E, MinimisedHeightKeepsTheLastViewportAndProjection) {
    create("vornex-e2e-minimised", 80, 40);
    window.resize(0, 0);
    EXPECT_EQ(window.height(), 0);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 80);
    GLdouble projection[16] = {};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_TRUE(std::isfinite(projection[0]));
    EXPECT_NEAR(projection[5] / projection[0], 2.0, 1e-6);
}

TEST_F(GLWindowE2E, ClosingTheWindowPostsTheQuit) {
    create("vornex-e2e-close");
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = sdlId;
    SDL_PushEvent(&event);
    const Drained drained = drainUntil([](const Drained& d) { return d.quit; });
    EXPECT_TRUE(drained.quit);
    EXPECT_EQ(window.calls.back(), (Call{"close", 0, 0}));
    EXPECT_TRUE(window.closed());
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_EQ(window.renderContext(), nullptr);
}

TEST_F(GLWindowE2E, AltF4ClosesThroughTheSystemKeys) {
    create("vornex-e2e-altf4");
    pushKey(sdlId, true, SDLK_LALT, KMOD_LALT);
    pushKey(sdlId, true, SDLK_F4, KMOD_LALT);
    const Drained drained = drainUntil([](const Drained& d) { return d.quit; });
    EXPECT_TRUE(drained.quit);
    ASSERT_GE(window.calls.size(), 3u);
    EXPECT_EQ(window.calls[0], (Call{"key", native::VK_MENU, 1}));
    EXPECT_EQ(window.calls[1], (Call{"key", native::VK_F4, 1}));
    EXPECT_EQ(window.calls[2], (Call{"close", 0, 0}));
}

TEST_F(GLWindowE2E, KeysArriveAsVirtualKeysWithRepeatAndTranslateWithShift) {
    create("vornex-e2e-keys");
    pushKey(sdlId, true, SDLK_LSHIFT, KMOD_LSHIFT);
    pushKey(sdlId, true, SDLK_a, KMOD_LSHIFT);
    pushKey(sdlId, true, SDLK_a, KMOD_LSHIFT, true);
    pushKey(sdlId, false, SDLK_a, KMOD_LSHIFT);
    pushKey(sdlId, false, SDLK_LSHIFT, KMOD_NONE);
    pushKey(sdlId, true, SDLK_ESCAPE, KMOD_NONE);
    pushKey(sdlId, true, SDLK_KP_7, KMOD_NUM);
    pushKey(sdlId, true, SDLK_F11, KMOD_NONE);
    pushKey(sdlId, true, SDLK_SLASH, KMOD_NONE);
    const Drained drained = drainUntil([&](const Drained&) { return window.calls.size() >= 9; });
    const std::vector<Call> expected = {
        {"key", native::VK_SHIFT, 1},
        {"key", 'A', 1},
        {"key", 'A', 1},
        {"key", 'A', 0},
        {"key", native::VK_SHIFT, 0},
        {"key", native::VK_ESCAPE, 1},
        {"key", native::VK_NUMPAD7, 1},
        {"key", native::VK_F11, 1},
        {"key", native::VK_OEM_2, 1},
    };
    EXPECT_EQ(window.calls, expected);
    std::string characters;
    for (const native::Message& message : drained.messages) {
        if (message.message == native::WM_CHAR) characters += static_cast<char>(message.wParam);
    }
    // Two presses of Shift+A (one auto-repeat), Escape, keypad 7, slash.
    EXPECT_EQ(characters, "AA\x1b"
                          "7/");
}

TEST_F(GLWindowE2E, KeysFromTheWindowSystemArriveAndTranslate) {
    create("vornex-e2e-keyboard", 64, 48, WF_POSITION, 20, 900);
    // Sent to this window, so windows of tests running alongside cannot take the keys.
    ASSERT_EQ(std::system("xdotool key --window \"$(xdotool search --name "
                          "'^vornex-e2e-keyboard$' | head -n 1)\" shift+b"),
              0);
    const Drained drained = drainUntil([&](const Drained&) { return window.calls.size() >= 4; });
    ASSERT_EQ(window.calls.size(), 4u);
    EXPECT_EQ(window.calls[0], (Call{"key", native::VK_SHIFT, 1}));
    EXPECT_EQ(window.calls[1], (Call{"key", 'B', 1}));
    // xdotool lets go of the two keys in either order.
    std::vector<Call> releases(window.calls.begin() + 2, window.calls.end());
    if (releases[0].a == native::VK_SHIFT) std::swap(releases[0], releases[1]);
    EXPECT_EQ(releases, (std::vector<Call>{{"key", 'B', 0}, {"key", native::VK_SHIFT, 0}}));
    std::string characters;
    for (const native::Message& message : drained.messages) {
        if (message.message == native::WM_CHAR) characters += static_cast<char>(message.wParam);
    }
    EXPECT_EQ(characters, "B");
}

TEST_F(GLWindowE2E, MouseReportsScreenPositionBeforeButtonsAndWheelInNotches) {
    create("vornex-e2e-mouse");
    SDL_Event event = {};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.windowID = sdlId;
    event.button.button = SDL_BUTTON_RIGHT;
    event.button.state = SDL_PRESSED;
    event.button.x = 5;
    event.button.y = 6;
    SDL_PushEvent(&event);
    event.type = SDL_MOUSEBUTTONUP;
    event.button.state = SDL_RELEASED;
    SDL_PushEvent(&event);
    SDL_Event wheel = {};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.windowID = sdlId;
    wheel.wheel.y = -2;
    SDL_PushEvent(&wheel);
    drainUntil([&](const Drained&) { return window.calls.size() >= 5; });
    const std::vector<Call> expected = {
        {"mouseMove", window.x() + 5, window.y() + 6},
        {"mouseDown", 2, 0},
        {"mouseMove", window.x() + 5, window.y() + 6},
        {"mouseUp", 2, 0},
        {"mouseWheel", -240, 0},
    };
    EXPECT_EQ(window.calls, expected);
}

TEST_F(GLWindowE2E, RefusedFullscreenModeLeavesABorderlessWindowAtTheCorner) {
    // Xvfb offers only its screen size, so this mode is refused.
    setenv("VORNEX_NO_MESSAGEBOX", "1", 1);
    settings.fullscreen = true;
    settings.bpp = 16;
    ::testing::internal::CaptureStderr();
    create("vornex-e2e-fullscreen", 800, 600);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("[ERROR] FullScreen Failed, using Windowed"), std::string::npos)
        << errors;
    EXPECT_FALSE(window.fullscreen());
    EXPECT_EQ(window.x(), 0);
    EXPECT_EQ(window.y(), 0);
    const uint32_t flags = SDL_GetWindowFlags(SDL_GetWindowFromID(sdlId));
    EXPECT_TRUE(flags & SDL_WINDOW_BORDERLESS);
    EXPECT_FALSE(flags & SDL_WINDOW_FULLSCREEN);
}

TEST_F(GLWindowE2E, ExtensionLoaderFindsTheDriversVersionExtensionsAndSwapControl) {
    create("vornex-e2e-extensions");
    ext::initExtensions();
    EXPECT_TRUE(ext::openGL12);
    EXPECT_TRUE(ext::openGL13);
    EXPECT_TRUE(ext::openGL14);
    EXPECT_TRUE(ext::gl.ARB_multitexture);
    EXPECT_NE(ext::glActiveTextureARB, nullptr);
    EXPECT_NE(ext::glActiveTexture, nullptr);
    EXPECT_TRUE(ext::hasWGLExtensionsStringARB);
    EXPECT_TRUE(ext::wgl.ARB_make_current_read);
    ASSERT_NE(ext::wglMakeContextCurrentARB, nullptr);
    window.makeCurrent();
    EXPECT_EQ(native::getCurrentContext(), window.renderContext());
    if (ext::wgl.EXT_swap_control) {
        ASSERT_NE(ext::wglSwapIntervalEXT, nullptr);
        EXPECT_EQ(ext::wglSwapIntervalEXT(0), 1);
        EXPECT_EQ(ext::wglGetSwapIntervalEXT(), 0);
    }
}

TEST_F(GLWindowE2E, WithoutACurrentContextNoWindowSystemExtensionIsFound) {
    const auto expectNoWindowSystemExtension = [] {
        EXPECT_FALSE(ext::hasWGLExtensionsStringARB);
        EXPECT_FALSE(ext::hasWGLExtensionsStringEXT);
#define EXPECT_UNSET(name) EXPECT_FALSE(ext::wgl.name) << #name;
        EXTENSIONS_WGL(EXPECT_UNSET)
#undef EXPECT_UNSET
    };
    // No context has ever been current (as in a fresh process): the make-current-read entry
    // point is not found.
    ext::wglMakeContextCurrentARB = nullptr;
    ext::initExtensions();
    expectNoWindowSystemExtension();
    EXPECT_EQ(ext::wglMakeContextCurrentARB, nullptr);
    // A context that was current and has been released again.
    create("vornex-e2e-released");
    ext::initExtensions();
    ASSERT_TRUE(ext::wgl.ARB_make_current_read);
    ASSERT_TRUE(native::makeCurrent(nullptr, nullptr));
    ext::initExtensions();
    expectNoWindowSystemExtension();
}
