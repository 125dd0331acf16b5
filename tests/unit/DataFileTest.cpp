#include "io/DataFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>

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
