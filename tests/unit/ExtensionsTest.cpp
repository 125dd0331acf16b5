#include "platform/ExtensionLoader.h"
#include "platform/native/fake/FakeNative.h"

#include <gtest/gtest.h>

namespace {

class Extensions : public ::testing::Test {
protected:
    void SetUp() override {
        native::fake::reset();
        ext::wglGetExtensionsStringARB = nullptr;
        ext::wglGetExtensionsStringEXT = nullptr;
    }
    void TearDown() override {
        native::fake::reset();
        ext::wgl = {};
        ext::wglGetExtensionsStringARB = nullptr;
        ext::wglGetExtensionsStringEXT = nullptr;
        ext::wglSwapIntervalEXT = nullptr;
        ext::wglGetSwapIntervalEXT = nullptr;
        ext::wglMakeContextCurrentARB = nullptr;
        ext::wglGetCurrentReadDCARB = nullptr;
    }
};

} // namespace

TEST_F(Extensions, TokensMatchOnlyWholeNames) {
    EXPECT_FALSE(ext::hasToken("GL_NV_texture_shader2", "GL_NV_texture_shader"));
    EXPECT_TRUE(
        ext::hasToken("GL_NV_texture_shader2 GL_NV_texture_shader", "GL_NV_texture_shader"));
    EXPECT_TRUE(
        ext::hasToken("GL_NV_texture_shader GL_NV_texture_shader2", "GL_NV_texture_shader"));
    EXPECT_FALSE(ext::hasToken("GL_XNV_texture_shader", "NV_texture_shader"));
    // Names at both ends of the string.
    EXPECT_TRUE(ext::hasToken("GL_A GL_B GL_C", "GL_A"));
    EXPECT_TRUE(ext::hasToken("GL_A GL_B GL_C", "GL_C"));
    EXPECT_TRUE(ext::hasToken("GL_A", "GL_A"));
    // Empty names, names with blanks and missing lists never match.
    EXPECT_FALSE(ext::hasToken("GL_A GL_B", ""));
    EXPECT_FALSE(ext::hasToken("GL_A GL_B", "GL_A GL_B"));
    EXPECT_FALSE(ext::hasToken(nullptr, "GL_A"));
    EXPECT_FALSE(ext::hasToken("", "GL_A"));
}

TEST_F(Extensions, TokenRightAfterARejectedOccurrenceCounts) {
    // The search goes on right where the rejected "GL_AB" prefix ended.
    EXPECT_TRUE(ext::hasToken("GL_ABGL_AB", "GL_AB"));
    EXPECT_FALSE(ext::hasToken("GL_ABX", "GL_AB"));
}

TEST_F(Extensions, VersionStringsSetTheCoreFlags) {
    struct Case {
        const char* version;
        bool v12, v13, v14;
    };
    const Case cases[] = {
        {"1.1.0", false, false, false},
        {"1.2", true, false, false},
        {"1.3.1", true, true, false},
        {"1.4.0", true, true, true},
        {"1.5.0", true, true, true},
        {"OpenGL ES", false, false, false},
        {"2.1 Mesa 10.1.3", true, true, true},
        {"4.5 (Compatibility Profile) Mesa 22.3.6", true, true, true},
    };
    for (const Case& c : cases) {
        ext::applyVersion(c.version);
        EXPECT_EQ(ext::openGL12, c.v12) << c.version;
        EXPECT_EQ(ext::openGL13, c.v13) << c.version;
        EXPECT_EQ(ext::openGL14, c.v14) << c.version;
    }
    // No version string (no context): the flags keep their values.
    ext::applyVersion(nullptr);
    EXPECT_TRUE(ext::openGL14);
    ext::applyVersion("1.1");
}

TEST_F(Extensions, WithoutContextOpenGLFlagsStayAndWindowSystemFlagsClear) {
    ext::gl.ARB_multitexture = true;
    ext::openGL13 = true;
    ext::wgl.EXT_swap_control = true;
    ext::initExtensions();
    EXPECT_TRUE(ext::gl.ARB_multitexture);
    EXPECT_TRUE(ext::openGL13);
    EXPECT_FALSE(ext::hasWGLExtensionsStringARB);
    EXPECT_FALSE(ext::hasWGLExtensionsStringEXT);
    EXPECT_FALSE(ext::wgl.EXT_swap_control);
    EXPECT_EQ(ext::wglSwapIntervalEXT, nullptr);
    EXPECT_FALSE(ext::isWGLExtensionSupported("WGL_EXT_swap_control"));
    ext::gl.ARB_multitexture = false;
    ext::openGL13 = false;
}

TEST_F(Extensions, WindowSystemExtensionsLoadTheirEntryPoints) {
    native::fake::setWindowSystemExtensions("WGL_ARB_extensions_string WGL_EXT_swap_control");
    EXPECT_FALSE(ext::initExtensions());
    EXPECT_TRUE(ext::hasWGLExtensionsStringARB);
    EXPECT_TRUE(ext::wgl.EXT_swap_control);
    EXPECT_FALSE(ext::wgl.ARB_make_current_read);
    EXPECT_EQ(ext::wglMakeContextCurrentARB, nullptr);
    ASSERT_NE(ext::wglSwapIntervalEXT, nullptr);
    EXPECT_EQ(ext::wglSwapIntervalEXT(1), 1);
    EXPECT_EQ(native::fake::swapInterval(), 1);
    EXPECT_EQ(ext::wglGetSwapIntervalEXT(), 1);
}

TEST_F(Extensions, MissingEntryPointIsReportedAndTheFlagStays) {
    // The fake knows no pixel-buffer functions.
    native::fake::setWindowSystemExtensions("WGL_ARB_pbuffer");
    EXPECT_TRUE(ext::initExtensions());
    EXPECT_TRUE(ext::wgl.ARB_pbuffer);
    EXPECT_EQ(ext::wglCreatePbufferARB, nullptr);
}

TEST_F(Extensions, GetProcAnswersThroughTheNativeLayer) {
    static int called = 0;
    native::fake::registerProc("glFakeEXT", [] { ++called; });
    const native::Proc proc = ext::getProc("glFakeEXT");
    ASSERT_NE(proc, nullptr);
    proc();
    EXPECT_EQ(called, 1);
    EXPECT_EQ(ext::getProc("glMissingEXT"), nullptr);
}
