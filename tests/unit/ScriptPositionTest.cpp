// The positions and notices the script reader keeps for check and edit modes.
#include "ScriptText.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string where(const ScriptDocument& document, const void* record) {
    const SourcePosition* at = document.positionOf(record);
    if (!at) return "none";
    return document.fileNames()[at->file] + ":" + std::to_string(at->line) + ":" +
           std::to_string(at->column);
}
} // namespace

TEST(ScriptPosition, AreKeptOnlyOnRequestForElementsAndAttributes) {
    const std::string text =
        "<demo name=\"a\">\n  <event time=\"1\"\n    key=\"x\"><exit/></event>\n"
        "</demo>";
    ScriptDocument plain;
    ASSERT_EQ(parseScript(plain, text), 0);
    EXPECT_EQ(where(plain, plain.children[0]), "none");

    ScriptDocument document;
    document.keepPositions(true);
    ASSERT_EQ(parseScript(document, text), 0);
    const ScriptNode* demo = document.children[0];
    const ScriptNode* event = demo->children[0];
    EXPECT_EQ(where(document, demo), "(text):1:1");
    EXPECT_EQ(where(document, demo->attributes[0]), "(text):1:7");
    EXPECT_EQ(where(document, event), "(text):2:3");
    EXPECT_EQ(where(document, event->attributes[1]), "(text):3:5");
    EXPECT_EQ(where(document, event->children[0]), "(text):3:13");
    EXPECT_TRUE(document.notices().empty());
}

TEST(ScriptPosition, TheInnermostBrokenTagIsNoticedAlsoInsideIncludes) {
    TempDir dir;
    dir.write("data/script.txt", "<demo>\n<include file=\"part.txt\"/>\n<include "
                                 "file=\"gone.txt\"/>\n</demo>\n");
    dir.write("data/part.txt", "<event time=\"1\">\n  <exit/>\n<b>\n  <c x=\"1\" \"y\"/>\n</b>");
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    ScriptDocument document;
    document.keepPositions(true);
    EXPECT_EQ(document.parseFile("script.txt"), -1);
    testing::internal::GetCapturedStdout();
    // The message the player logs still names the outer element.
    EXPECT_STREQ(ScriptDocument::lastMessage(), "ERROR: tag [demo] couldn't be read");
    ASSERT_EQ(document.notices().size(), 1u);
    const ScriptNotice& broken = document.notices()[0];
    EXPECT_TRUE(broken.error);
    EXPECT_EQ(document.fileNames()[broken.where.file], "part.txt");
    EXPECT_EQ(broken.where.line, 4u);
    EXPECT_EQ(broken.where.column, 3u);
    EXPECT_NE(broken.text.find("<c>"), std::string::npos) << broken.text;
}

TEST(ScriptPosition, UnclosedElementsAndMissingIncludesAreNoticed) {
    TempDir dir;
    dir.write("data/script.txt", "<demo>\n<include file=\"part.txt\"/>\n<include "
                                 "file=\"gone.txt\"/>\n<run/>\n</demo>\n");
    dir.write("data/part.txt", "<add/>\n<event time=\"1\">\n<exit/>\n<add/>\n");
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    ScriptDocument document;
    document.keepPositions(true);
    EXPECT_EQ(document.parseFile("script.txt"), 0);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(childNames(*document.children[0]), "add event run ");
    ASSERT_EQ(document.notices().size(), 2u);
    const ScriptNotice& unclosed = document.notices()[0];
    EXPECT_FALSE(unclosed.error);
    EXPECT_EQ(document.fileNames()[unclosed.where.file], "part.txt");
    EXPECT_EQ(unclosed.where.line, 2u);
    const ScriptNotice& missing = document.notices()[1];
    EXPECT_TRUE(missing.error);
    EXPECT_EQ(missing.where.line, 3u);
    EXPECT_NE(missing.text.find("gone.txt"), std::string::npos);
    EXPECT_EQ(document.fileNames().size(), 3u);
}
