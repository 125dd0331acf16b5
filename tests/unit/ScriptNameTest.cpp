// The script name from the command line as the data locator takes it: as written when
// data/ holds it, and otherwise what a shell or a Windows user typed for a file in data/.
#include "app/ScriptName.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

class ScriptName : public ::testing::Test {
protected:
    ScriptName() : cwd(dir.path()) {
        dir.write("data/script.txt", "<demo/>");
        dir.write("data/parts/intro.txt", "<demo/>");
    }

    TempDir dir;
    WorkingDirectory cwd;
};

TEST_F(ScriptName, PathsToAFileInDataAreTakenBelowData) {
    EXPECT_EQ(scriptNameBelowData("script.txt"), "script.txt");
    EXPECT_EQ(scriptNameBelowData("parts/intro.txt"), "parts/intro.txt");
    // Tab completion, and Windows paths.
    EXPECT_EQ(scriptNameBelowData("data/script.txt"), "script.txt");
    EXPECT_EQ(scriptNameBelowData("./data/parts/intro.txt"), "parts/intro.txt");
    EXPECT_EQ(scriptNameBelowData("data\\parts\\intro.txt"), "parts/intro.txt");
    EXPECT_EQ(scriptNameBelowData("parts\\intro.txt"), "parts/intro.txt");
    EXPECT_EQ(scriptNameBelowData(dir.file("data/parts/intro.txt")), "parts/intro.txt");
}

TEST_F(ScriptName, ANameDataHoldsAsWrittenStaysAsItIs) {
    dir.write("data/data/script.txt", "<demo/>");
    EXPECT_EQ(scriptNameBelowData("data/script.txt"), "data/script.txt");
}

TEST_F(ScriptName, MissingFilesKeepTheirNameWithDataNamedOnce) {
    EXPECT_EQ(scriptNameBelowData("data/missing.txt"), "missing.txt");
    EXPECT_EQ(scriptNameBelowData("missing.txt"), "missing.txt");
    // A file outside data/ is no script of the data tree: the locator will say so.
    dir.write("elsewhere.txt", "<demo/>");
    EXPECT_EQ(scriptNameBelowData("elsewhere.txt"), "elsewhere.txt");
    EXPECT_EQ(scriptNameBelowData("data/../elsewhere.txt"), "../elsewhere.txt");
}

} // namespace
