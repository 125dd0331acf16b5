// scripts/check-naming remembers the units it found clean: on a small project of its own
// (the script and .clang-tidy copied beside two sources and a header), a wrong name in the
// header or in a source is still reported on the next run, and keeps being reported until
// mended, whether or not the build has run since the edit; in a unity build, through the
// unit that holds it.
#include "PlayerRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

class CheckNaming : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.path() / "scripts");
        for (const char* file : {"scripts/check-naming", ".clang-tidy"})
            std::filesystem::copy(std::string(VORNEX_SOURCE_DIR) + "/" + file, dir.path() / file);
        dir.write("CMakeLists.txt", "cmake_minimum_required(VERSION 3.25)\n"
                                    "project(probe CXX)\n"
                                    "set(CMAKE_EXPORT_COMPILE_COMMANDS ON)\n"
                                    "add_library(probe STATIC io/Probe.cpp io/Other.cpp)\n");
        writeHeader("probeValue");
        writeOther("otherValue");
        dir.write("io/Probe.cpp", "#include \"Probe.h\"\nint probeValue() { return 1; }\n");
        ASSERT_EQ(shell("cmake -S . -B build -G Ninja >/dev/null && cmake --build build"), 0);
    }

    void writeHeader(const std::string& function) {
        dir.write("io/Probe.h", "#pragma once\nint " + function + "();\n");
    }
    void writeOther(const std::string& variable) {
        dir.write("io/Other.cpp", "#include \"Probe.h\"\nint " + variable + " = 2;\n");
    }
    int shell(const std::string& command) {
        return runPlayerCommand(command, dir.path().string(), "", 300).exitCode;
    }
    PlayerResult check(const std::string& folder = "build") {
        return runPlayerCommand("scripts/check-naming", dir.path().string(), folder, 300);
    }
    // A finding's line: where, and the name with its kind.
    static bool reports(const PlayerResult& run, const std::string& where,
                        const std::string& what) {
        const size_t at = run.output.find(where + " ");
        return at != std::string::npos &&
               run.output.find("invalid case style for " + what, at) < run.output.find('\n', at);
    }

    TempDir dir;
};

} // namespace

TEST_F(CheckNaming, AWrongNameIsReportedOnEveryRunUntilMendedAndCleanUnitsAreSkipped) {
    PlayerResult run = check();
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("(2 units checked, 0 unchanged"), std::string::npos) << run.output;
    run = check();
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("(0 units checked, 2 unchanged"), std::string::npos) << run.output;

    // In the header both units include, built: reported, and again on the next run.
    writeHeader("Probe_value");
    writeOther("otherValue");
    dir.write("io/Probe.cpp", "#include \"Probe.h\"\nint Probe_value() { return 1; }\n");
    ASSERT_EQ(shell("cmake --build build"), 0);
    for (int attempt = 0; attempt < 2; ++attempt) {
        run = check();
        EXPECT_EQ(run.exitCode, 1) << run.output;
        EXPECT_TRUE(reports(run, "io/Probe.h:2:5:", "function 'Probe_value'")) << run.output;
    }

    // Mended and built: clean again.
    writeHeader("probeValue");
    dir.write("io/Probe.cpp", "#include \"Probe.h\"\nint probeValue() { return 1; }\n");
    ASSERT_EQ(shell("cmake --build build"), 0);
    run = check();
    EXPECT_EQ(run.exitCode, 0) << run.output;

    // In one source, not built: reported; mended and built, the other unit stays skipped.
    writeOther("Other_value");
    run = check();
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_TRUE(reports(run, "io/Other.cpp:2:5:", "variable 'Other_value'")) << run.output;
    writeOther("otherValue");
    ASSERT_EQ(shell("cmake --build build"), 0);
    run = check();
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("(1 units checked, 1 unchanged"), std::string::npos) << run.output;

    // In the header, not built: the units' recorded includes are older than it, so both are
    // checked rather than taken as unchanged.
    writeHeader("Probe_value");
    run = check();
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_TRUE(reports(run, "io/Probe.h:2:5:", "function 'Probe_value'")) << run.output;
}

TEST_F(CheckNaming, AUnityBuildsUnitsAreCheckedWithTheFilesTheyHold) {
    ASSERT_EQ(shell("cmake -S . -B unity -G Ninja -DCMAKE_UNITY_BUILD=ON >/dev/null && "
                    "cmake --build unity"),
              0);
    PlayerResult run = check("unity");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("(1 units checked, 0 unchanged"), std::string::npos) << run.output;

    writeOther("Other_value");
    ASSERT_EQ(shell("cmake --build unity"), 0);
    for (int attempt = 0; attempt < 2; ++attempt) {
        run = check("unity");
        EXPECT_EQ(run.exitCode, 1) << run.output;
        EXPECT_TRUE(reports(run, "io/Other.cpp:2:5:", "variable 'Other_value'")) << run.output;
    }

    // Outside the project clang-tidy would not find .clang-tidy for the unit: refused.
    TempDir outside;
    ASSERT_EQ(shell("cmake -S . -B '" + outside.path().string() +
                    "' -G Ninja -DCMAKE_UNITY_BUILD=ON >/dev/null && cmake --build '" +
                    outside.path().string() + "'"),
              0);
    run = check("'" + outside.path().string() + "'");
    EXPECT_EQ(run.exitCode, 2) << run.output;
    EXPECT_NE(run.output.find("outside the repository"), std::string::npos) << run.output;
}
