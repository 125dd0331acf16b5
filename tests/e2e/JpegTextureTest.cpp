// A JPEG texture through the texture list into a real OpenGL context (Mesa under Xvfb): the
// picture must come out the right way up and in the right colours.
#include "../unit/JpegTestFiles.h"
#include "TempDir.h"
#include "TexturedQuad.h"
#include "resource/TextureList.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {
constexpr int kViewSize = 64;

// 64 x 64: the top half red, the bottom half blue.
std::string splitPicture() {
    std::string pnm = "P6\n64 64\n255\n";
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            pnm += y < 32 ? std::string("\xFF\x00\x00", 3) : std::string("\x00\x00\xFF", 3);
    return pnm;
}

bool pixelNear(const uint8_t* pixel, int red, int green, int blue) {
    return std::abs(pixel[0] - red) <= 8 && std::abs(pixel[1] - green) <= 8 &&
           std::abs(pixel[2] - blue) <= 8;
}
} // namespace

TEST(JpegTexture, DrawsTheRightWayUpInItsColours) {
    if (!haveCjpeg()) GTEST_SKIP() << "cjpeg not installed";
    TempDir dir;
    WorkingDirectory cwd(dir.path());
    const JpegBytes file = cjpeg(splitPicture(), "-quality 95 -sample 2x2 -progressive");
    dir.write("data/textures/split.jpg", std::string(file.begin(), file.end()));

    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("jpeg texture", 0, 0, kViewSize, kViewSize,
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    SDL_GLContext context = SDL_GL_CreateContext(window);
    ASSERT_NE(context, nullptr) << SDL_GetError();
    {
        TextureList textures;
        testing::internal::CaptureStdout();
        Texture* texture = textures.loadTexture("split.jpg");
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "load[data/textures/split.jpg]\n");
        ASSERT_NE(texture->texture.glName, 0u);
        EXPECT_EQ(texture->texture.width, 64u);
        EXPECT_EQ(texture->texture.bytesPerPixel, 3u);

        texture->texture.bind();
        uint8_t bottom[3], top[3];
        drawTexturedQuadAndReadBack(kViewSize, bottom, top);
        EXPECT_TRUE(pixelNear(bottom, 0, 0, 255)) << int(bottom[0]) << " " << int(bottom[2]);
        EXPECT_TRUE(pixelNear(top, 255, 0, 0)) << int(top[0]) << " " << int(top[2]);
    }
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
}
