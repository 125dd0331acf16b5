#include "io/DataFile.h"
#include "TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

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
    file.seek(4, Stream::kEnd);
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

TEST(DataFile, FoldersAreReportedAsMissing) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "data/textures/folder.tga");
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    DataFile folder("folder.tga");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "load[data/textures/folder.tga]\nError: file not found data/textures/folder.tga\n");
    EXPECT_EQ(folder.size(), 0u);
    EXPECT_EQ(folder.data(), nullptr);
}

#ifndef _WIN32
TEST(DataFile, NamedPipesAreReportedAsMissing) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "data");
    ASSERT_EQ(mkfifo(dir.file("data/pipe.txt").c_str(), 0600), 0);
    // Opening a pipe waits for its other end. This one is held open here, so a player that
    // opened pipes would read an empty file rather than hang the test.
    const int otherEnd = open(dir.file("data/pipe.txt").c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(otherEnd, 0);
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    DataFile pipe("pipe.txt");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "load[data/pipe.txt]\nError: file not found data/pipe.txt\n");
    EXPECT_TRUE(pipe.atEnd());
    close(otherEnd);
}
#endif
