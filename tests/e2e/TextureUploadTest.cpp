// Textures against a real OpenGL context (Mesa under Xvfb), made directly with SDL since the
// test needs nothing of the player's window.
#include "ImageBytes.h"
#include "TempDir.h"
#include "TexturedQuad.h"
#include "resource/TextureList.h"
#include "script/ScriptDocument.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {
constexpr int kViewSize = 64;

class TextureUpload : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window_ = SDL_CreateWindow("texture test", 0, 0, kViewSize, kViewSize,
                                   SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        ASSERT_NE(window_, nullptr) << SDL_GetError();
        context_ = SDL_GL_CreateContext(window_);
        ASSERT_NE(context_, nullptr) << SDL_GetError();
        dir_.write("data/textures/split.png", asString(encodePng(splitPicture())));
        // An 8 x 8 screen with one 1 x 1 image at its top left corner.
        const Bytes gif{'G', 'I', 'F', '8', '9', 'a', 8, 0,    8,    0, 0x80, 0,
                        0,   0,   0,   0,   9,   8,   7, 0x2C, 0,    0, 0,    0,
                        1,   0,   1,   0,   0,   2,   2, 0x4C, 0x01, 0, 0x3B};
        dir_.write("data/textures/anim.gif", asString(gif));
        // A grey TGA reads as 8 bits per pixel, which no texture takes.
        const Bytes grey{0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 8, 0, 10, 20, 30, 40};
        dir_.write("data/textures/grey.tga", asString(grey));
    }
    void TearDown() override {
        textures_.reset();
        if (context_) SDL_GL_DeleteContext(context_);
        if (window_) SDL_DestroyWindow(window_);
        SDL_Quit();
    }

    // 8 x 8: the top four rows red, the bottom four blue.
    static PngPicture splitPicture() {
        PngPicture picture;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                append(picture.samples, y < 4 ? Bytes{255, 0, 0} : Bytes{0, 0, 255});
        return picture;
    }

    int define(const std::string& attributes) {
        ScriptNode element;
        const std::string tag = attributes + "/>";
        ScriptDocument::parseAttributes(element, tag.c_str(), tag.size());
        return defineTexture(*textures_, element);
    }

    TempDir dir_;
    WorkingDirectory cwd_{dir_.path()};
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
    std::unique_ptr<TextureList> textures_ = std::make_unique<TextureList>();
};
} // namespace

TEST_F(TextureUpload, CreateReportsItsRefusalsInOrderAndStillRegisters) {
    testing::internal::CaptureStdout();
    define(R"(mode="create" name="odd" width="100" height="64" bpp="24")");
    define(R"(mode="create" name="small" width="4" height="64" bpp="24")");
    define(R"(mode="create" name="flat" width="256" height="48" bpp="32")");
    define(R"(mode="create" name="deep" width="64" height="64" bpp="16")");
    define(R"(mode="create" width="64" height="64" bpp="32")");
    textures_->createTexture(64, 64, 16, false, "hostDeep");
    textures_->createTexture(-8, 64, 24, false, "negative");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Error: bad texture dimensions (w100), not power of 2\n"
              "Error: bad texture dimensions (w4 h64) too small/large\n"
              "Error: bad texture dimensions (h48), not power of 2\n"
              "Error: bad texture depth (16)\n"
              "Error: bad texture dimensions (w-8 h64) too small/large\n");
    ASSERT_EQ(textures_->count(), 5u);
    for (size_t i = 0; i < textures_->count(); ++i) {
        EXPECT_EQ(textures_->at(i)->texture.glName, 0u);
        EXPECT_EQ(textures_->at(i)->texture.width, 0u);
    }
    EXPECT_STREQ(textures_->at(0)->name, "odd");

    define(R"(mode="create" name="buffer" width="256" height="128" bpp="32")");
    const GLTexture& buffer = textures_->findTexture("BUFFER")->texture;
    EXPECT_NE(buffer.glName, 0u);
    EXPECT_EQ(buffer.width, 256u);
    EXPECT_EQ(buffer.height, 128u);
    EXPECT_EQ(buffer.bytesPerPixel, 4u);
}

TEST_F(TextureUpload, LoadFindsOnceAndFallsBackToAPlaceholder) {
    testing::internal::CaptureStdout();
    Texture* loaded = textures_->loadTexture("split.png");
    EXPECT_EQ(textures_->loadTexture("SPLIT.PNG"), loaded);
    Texture* missing = textures_->loadTexture("missing.tga");
    EXPECT_EQ(textures_->loadTexture("Missing.TGA"), missing);
    Texture* gif = textures_->loadTexture("anim.gif");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "load[data/textures/split.png]\n"
              "load[data/textures/missing.tga]\n"
              "Error: file not found data/textures/missing.tga\n"
              "load[data/textures/anim.gif]\n");
    EXPECT_EQ(textures_->count(), 3u);
    EXPECT_STREQ(loaded->name, "split.png");
    EXPECT_EQ(loaded->texture.bytesPerPixel, 3u);
    EXPECT_STREQ(missing->name, "missing.tga");
    EXPECT_NE(missing->texture.glName, 0u);
    EXPECT_EQ(missing->texture.width, 8u);
    EXPECT_EQ(missing->texture.bytesPerPixel, 3u);
    // A GIF becomes the 32-bit picture of its screen.
    EXPECT_NE(gif->texture.glName, 0u);
    EXPECT_EQ(gif->texture.width, 8u);
    EXPECT_EQ(gif->texture.bytesPerPixel, 4u);
}

TEST_F(TextureUpload, UploadedPixelsDrawBottomRowFirstWithMipmaps) {
    Texture* texture = textures_->loadTexture("split.png");
    ASSERT_NE(texture->texture.glName, 0u);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR);
    GLint levelWidth = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 3, GL_TEXTURE_WIDTH, &levelWidth);
    EXPECT_EQ(levelWidth, 1);

    texture->texture.bind();
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR);

    uint8_t bottom[3], top[3];
    drawTexturedQuadAndReadBack(kViewSize, bottom, top);
    EXPECT_EQ(Bytes(bottom, bottom + 3), (Bytes{0, 0, 255}));
    EXPECT_EQ(Bytes(top, top + 3), (Bytes{255, 0, 0}));

    const GLuint name = texture->texture.glName;
    textures_.reset();
    EXPECT_EQ(glIsTexture(name), GL_FALSE);
}

TEST_F(TextureUpload, ARefusedTextureBindsNoPictureOfAnotherOne) {
    testing::internal::CaptureStdout();
    Texture* picture = textures_->loadTexture("split.png");
    Texture* refused = textures_->loadTexture("grey.tga"); // 8 bits per pixel
    textures_->createTexture(100, 64, 32, false, "odd");
    testing::internal::GetCapturedStdout();
    for (Texture* empty : {refused, textures_->findTexture("odd")}) {
        picture->texture.bind();
        empty->texture.bind();
        // Texturing is off: the quad shows its own colour, white.
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        glEnable(GL_TEXTURE_2D); // as an effect may do after binding
        uint8_t bottom[3], top[3];
        drawTexturedQuadAndReadBack(kViewSize, bottom, top);
        EXPECT_EQ(Bytes(bottom, bottom + 3), (Bytes{255, 255, 255})) << empty->name;
        EXPECT_EQ(Bytes(top, top + 3), (Bytes{255, 255, 255})) << empty->name;
    }
}
