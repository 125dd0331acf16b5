// The data locator: the folder of the data tree a file name is found in.
#include "io/DataLocator.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string resolved(const char* name) {
    char path[DataLocator::kPathSize];
    DataLocator::resolve(name, path);
    return path;
}
} // namespace

TEST(DataLocator, ChoosesTheFolderByExtensionWithoutCase) {
    EXPECT_EQ(resolved("logo.PNG"), "data/textures/logo.PNG");
    EXPECT_EQ(resolved("tune.xm"), "data/music/tune.xm");
    EXPECT_EQ(resolved("tune.it"), "data/music/tune.it");
    EXPECT_EQ(resolved("song.FLAC"), "data/music/song.FLAC");
    EXPECT_EQ(resolved("level.3ds"), "data/scenes/level.3ds");
    EXPECT_EQ(resolved("intro.avi"), "data/videos/intro.avi");
    EXPECT_EQ(resolved("Title.TTF"), "data/fonts/Title.TTF");
    EXPECT_EQ(resolved("serif.otf"), "data/fonts/serif.otf");
    EXPECT_EQ(resolved("sky.pal"), "data/palettes/sky.pal");
    EXPECT_EQ(resolved("script.txt"), "data/script.txt");
    EXPECT_EQ(resolved("sub/wall.jpg"), "data/textures/sub/wall.jpg");
    EXPECT_EQ(resolved("photo.jpeg"), "data/photo.jpeg");
    EXPECT_EQ(resolved("png"), "data/png");
    EXPECT_EQ(resolved(".it"), "data/music/.it");
}

TEST(DataLocator, RefusesPathsOverTheBuffer) {
    char path[DataLocator::kPathSize];
    EXPECT_TRUE(DataLocator::resolve(std::string(506, 'a').c_str(), path));
    EXPECT_FALSE(DataLocator::resolve(std::string(507, 'a').c_str(), path));
    EXPECT_STREQ(path, "");
}
