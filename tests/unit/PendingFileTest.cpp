// The video's unfinished file: an earlier file of the target's name is replaced only by a
// committed one (Windows' rename refuses an existing target), and nothing is left behind
// by one that is abandoned, dropped or fails to complete.
#include "render/PendingFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

void overwrite(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace

TEST(PendingFile, ReplacesAnEarlierTargetOnlyWhenCommitted) {
    TempDir dir;
    dir.write("out.mp4", "an earlier render");
    const std::string target = dir.file("out.mp4");
    char message[256] = "";
    for (const char* render : {"the first render", "the second render"}) {
        PendingFile file;
        ASSERT_EQ(file.create(target.c_str(), message, sizeof message), 0) << message;
        const std::filesystem::path temporary(file.path());
        EXPECT_EQ(temporary.parent_path(), dir.path());
        EXPECT_EQ(temporary.filename().string().rfind(".out.mp4.partial-", 0), 0u) << file.path();
        overwrite(file.path(), render);
        EXPECT_NE(dir.read("out.mp4"), render);
        ASSERT_EQ(file.commit(message, sizeof message), 0) << message;
        EXPECT_EQ(dir.read("out.mp4"), render);
        EXPECT_TRUE(file.path().empty());
        EXPECT_EQ(filesStartingWith(dir, ".out.mp4"), 0);
    }
}

TEST(PendingFile, AnAbandonedOrDroppedFileLeavesTheTargetAsItWas) {
    TempDir dir;
    dir.write("out.mp4", "an earlier render");
    char message[256] = "";
    {
        PendingFile dropped;
        ASSERT_EQ(dropped.create(dir.file("out.mp4").c_str(), message, sizeof message), 0);
        overwrite(dropped.path(), "half a render");
        PendingFile abandoned;
        ASSERT_EQ(abandoned.create(dir.file("out.mp4").c_str(), message, sizeof message), 0);
        EXPECT_NE(abandoned.path(), dropped.path());
        abandoned.abandon();
        EXPECT_EQ(abandoned.commit(message, sizeof message), -1);
        EXPECT_STREQ(message, "nothing was written");
        EXPECT_EQ(filesStartingWith(dir, ".out.mp4"), 1);
    }
    EXPECT_EQ(dir.read("out.mp4"), "an earlier render");
    EXPECT_EQ(filesStartingWith(dir, ".out.mp4"), 0);
}

TEST(PendingFile, ATargetThatCannotBeWrittenOrReplacedIsExplained) {
    TempDir dir;
    char message[256] = "";
    PendingFile file;
    std::filesystem::create_directory(dir.path() / "folder.mp4");
    EXPECT_EQ(file.create(dir.file("folder.mp4").c_str(), message, sizeof message), -1);
    EXPECT_STREQ(message, "is a folder");
    EXPECT_EQ(file.create(dir.file("missing/out.mp4").c_str(), message, sizeof message), -1);
    EXPECT_EQ(std::string(message).rfind("cannot write in its folder: ", 0), 0u) << message;

    // A folder (with a file in it) takes the target's name while the video is written.
    ASSERT_EQ(file.create(dir.file("out.mp4").c_str(), message, sizeof message), 0) << message;
    dir.write("out.mp4/kept.txt", "kept");
    EXPECT_EQ(file.commit(message, sizeof message), -1);
    EXPECT_EQ(std::string(message).rfind("cannot complete the file: ", 0), 0u) << message;
    EXPECT_EQ(dir.read("out.mp4/kept.txt"), "kept");
    EXPECT_EQ(filesStartingWith(dir, ".out.mp4"), 0);
}

#ifdef _WIN32
TEST(PendingFile, ATargetNamedWithBackslashesIsWrittenBesideIt) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "videos");
    const std::string target = dir.path().string() + "\\videos\\out.mp4";
    char message[256] = "";
    PendingFile file;
    ASSERT_EQ(file.create(target.c_str(), message, sizeof message), 0) << message;
    EXPECT_EQ(std::filesystem::path(file.path()).parent_path(), dir.path() / "videos");
    overwrite(file.path(), "a render");
    ASSERT_EQ(file.commit(message, sizeof message), 0) << message;
    EXPECT_EQ(dir.read("videos/out.mp4"), "a render");
}
#endif
