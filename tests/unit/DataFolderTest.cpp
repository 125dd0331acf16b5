// Whether there is a data/ folder to play from, and the message when there is none.
#include "TempDir.h"
#include "app/ScriptName.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

TEST(DataFolder, AMissingDataFolderIsExplainedWithTheFolderSearched) {
    TempDir dir;
    WorkingDirectory cwd(dir.path());
    EXPECT_FALSE(haveDataFolder());
    const std::string message = noDataFolderMessage();
    EXPECT_NE(message.find("no data/ folder in " + std::filesystem::current_path().string()),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("run vornex there"), std::string::npos) << message;
    dir.write("data/script.txt", "");
    EXPECT_TRUE(haveDataFolder());
}

} // namespace
