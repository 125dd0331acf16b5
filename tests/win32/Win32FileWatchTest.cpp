// Edit mode's file notifications on the win32 back end (ReadDirectoryChangesW), under Wine.
#include "platform/native/FileWatch.h"
#include "platform/native/Native.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

class Win32FileWatch : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vornex-watch-" + std::to_string(std::rand()));
        fs::create_directories(folder);
        watch = native::openFileWatch();
        ASSERT_NE(watch, nullptr);
    }
    void TearDown() override {
        native::closeFileWatch(watch);
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    std::string path(const char* name) const { return (folder / name).string(); }
    static void write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // The changed paths reported, each once: the notifications arrive on the system's own
    // time, so this waits for the first however long it takes, then a little for the rest.
    std::set<std::string> changes() {
        std::set<std::string> reported;
        char changed[512];
        for (int after = 0; after < 6; after += reported.empty() ? 0 : 1) {
            while (native::readFileChange(watch, changed, sizeof changed)) reported.insert(changed);
            native::sleep(50);
        }
        return reported;
    }

    fs::path folder;
    native::FileWatch* watch = nullptr;
};

} // namespace

TEST_F(Win32FileWatch, WritesAndReplacementsOfWatchedFilesAreReportedAsAdded) {
    write(path("script.txt"), "one");
    write(path("other.txt"), "one");
    ASSERT_EQ(native::addWatchedFile(watch, path("script.txt").c_str()), 0);
    ASSERT_EQ(native::addWatchedFile(watch, path("script.txt").c_str()), 0);
    ASSERT_EQ(native::addWatchedFile(watch, path("later.txt").c_str()), 0);
    char changed[512];
    EXPECT_FALSE(native::readFileChange(watch, changed, sizeof changed));

    write(path("other.txt"), "two");
    write(path("script.txt"), "two");
    EXPECT_EQ(changes(), std::set<std::string>{path("script.txt")});

    // An editor that saves to a new file and renames it over the old one.
    write(path("later.tmp"), "new");
    fs::rename(path("later.tmp"), path("later.txt"));
    EXPECT_EQ(changes(), std::set<std::string>{path("later.txt")});
}

TEST_F(Win32FileWatch, AFileInAFolderThatDoesNotExistIsRefused) {
    EXPECT_EQ(native::addWatchedFile(watch, path("missing/script.txt").c_str()), -1);
    char changed[512];
    EXPECT_FALSE(native::readFileChange(watch, changed, sizeof changed));
}
