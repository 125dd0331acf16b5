#include "io/DataFile.h"
#include "TempDir.h"
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

TEST(DataFile, LoadsWholeFileWithTrailingZeroAndSeeksFromEnd) {
    TempDir dir;
    dir.write("data/textures/a.tga", std::string(100, 'x'));
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    DataFile file("a.tga");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "load[data/textures/a.tga]\n");
    ASSERT_EQ(file.size(), 100u);
    EXPECT_EQ(file.data()[100], 0);
    file.seek(4, Stream::END);
    EXPECT_EQ(file.tell(), 96u);
    EXPECT_FALSE(file.atEnd());
}

TEST(DataFile, MissingAndEmptyFilesGiveEmptyStreams) {
    TempDir dir;
    dir.write("data/empty.txt", "");
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    DataFile missing("gone.txt");
    DataFile empty("empty.txt");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "load[data/gone.txt]\nError: file not found data/gone.txt\nload[data/empty.txt]\n");
    EXPECT_TRUE(missing.atEnd());
    EXPECT_EQ(missing.size(), 0u);
    EXPECT_EQ(empty.data(), nullptr);
}

TEST(MemoryStream, ReadsAndWritesPastTheEndStayInsideTheBytes) {
    char bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    MemoryStream stream(bytes, 6);
    char out[4] = {9, 9, 9, 9};
    stream.seek(4, Stream::SET);
    EXPECT_EQ(stream.read(out, 4), -1);
    EXPECT_EQ(out[0], 5);
    EXPECT_EQ(out[1], 6);
    EXPECT_EQ(out[2], 0);
    EXPECT_TRUE(stream.atEnd());
    stream.seek(5, Stream::SET);
    const char in[3] = {42, 42, 42};
    EXPECT_EQ(stream.write(in, 3), -1);
    EXPECT_EQ(bytes[5], 42);
    EXPECT_EQ(bytes[6], 7);
    stream.seek(-2, Stream::SET);
    EXPECT_EQ(stream.read(out, 4), -1);
    EXPECT_EQ(stream.tell(), 0xFFFFFFFFu); // saturates instead of wrapping to the start
    EXPECT_TRUE(stream.atEnd());
}
