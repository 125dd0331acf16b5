#include "TempDir.h"
#include "resource/SurfaceList.h"
#include "resource/TextureList.h"

#include <gtest/gtest.h>

#include <string>

// Names are stored cut to 31 characters; a long name must find the entry it made, or every
// lookup would make or load another one.
TEST(ResourceName, LongNamesFindTheEntryTheyMade) {
    const std::string longName = "a-texture-name-well-over-its-field.tga";
    TempDir dir;
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    TextureList textures;
    // A refused size: the entry is made without touching OpenGL.
    Texture* made = textures.createTexture(100, 64, 32, false, longName.c_str());
    EXPECT_EQ(textures.findTexture(longName.c_str()), made);
    EXPECT_EQ(textures.loadTexture(longName.c_str()), made);
    EXPECT_EQ(
        textures.findTexture(("A-TEXTURE-NAME-WELL-OVER-ITS-FIELD" + std::string(10, 'x')).c_str()),
        made)
        << "only the stored characters count";
    EXPECT_EQ(textures.findTexture("a-texture"), nullptr);
    EXPECT_EQ(textures.count(), 1u);
    // The file was never looked for.
    EXPECT_EQ(testing::internal::GetCapturedStdout().find("load["), std::string::npos);

    SurfaceList surfaces;
    Surface* surface = surfaces.findSurface(longName.c_str());
    EXPECT_EQ(surfaces.findSurface(longName.c_str()), surface);
    EXPECT_EQ(surfaces.count(), 1u);
}
