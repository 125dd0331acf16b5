// Script files read from the data tree: includes spliced in place, cycles ended.
#include "ScriptText.h"
#include "TempDir.h"
#include "script/ScriptDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

TEST(ScriptDocumentFile, IncludesAreSplicedInPlaceAndCyclesEnd) {
    TempDir dir;
    dir.write("data/script.txt", "<demo><a/><include file=\"part.txt\" file=\"part.txt\"/><b/>"
                                 "<include file=\"missing.txt\"/></demo>");
    dir.write("data/part.txt", "<p/><q/>");
    dir.write("data/loop.txt", "<x/><include file=\"loop.txt\"/>");
    dir.write("data/short.txt", "<a>");
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    ScriptDocument document;
    EXPECT_EQ(document.parseFile("script.txt"), 0);
    EXPECT_EQ(childNames(*document.children[0]), "a p q p q b ");

    ScriptDocument loop;
    EXPECT_EQ(loop.parseFile("loop.txt"), -1);

    ScriptDocument tiny;
    EXPECT_EQ(tiny.parseFile("short.txt"), -1);
    EXPECT_STREQ(ScriptDocument::lastMessage(), "couldn't find short.txt");
    ScriptDocument none;
    EXPECT_EQ(none.parseFile("nothing.txt"), -1);
    EXPECT_STREQ(ScriptDocument::lastMessage(), "couldn't find nothing.txt");
    testing::internal::GetCapturedStdout();
}

TEST(ScriptDocumentFile, FoldersNamedAsScriptOrIncludeAreNotFound) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "data/folder.txt");
    dir.write("data/script.txt", "<a/><include file=\"folder.txt\"/><b/>");
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    ScriptDocument folder;
    EXPECT_EQ(folder.parseFile("folder.txt"), -1);
    EXPECT_STREQ(ScriptDocument::lastMessage(), "couldn't find folder.txt");
    ScriptDocument document;
    EXPECT_EQ(document.parseFile("script.txt"), 0);
    EXPECT_EQ(childNames(document), "a b ");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "load[data/folder.txt]\nError: file not found data/folder.txt\n"
              "load[data/script.txt]\n"
              "load[data/folder.txt]\nError: file not found data/folder.txt\n");
}

TEST(ScriptDocumentFile, ExactlySixtyFourLevelsOfElementsAndIncludesAreRead) {
    const auto nested = [](int levels, const std::string& inner) {
        std::string text;
        for (int i = 0; i < levels; ++i) text += "<a>";
        text += inner;
        for (int i = 0; i < levels; ++i) text += "</a>";
        return text;
    };
    TempDir dir;
    dir.write("data/empty64.txt", nested(64, ""));
    dir.write("data/closed64.txt", nested(63, "<b/>"));
    dir.write("data/open65.txt", nested(64, "<b/>"));
    dir.write("data/leaf.txt", "<b/>");
    dir.write("data/include64.txt", nested(62, "<include file=\"leaf.txt\"/>"));
    dir.write("data/include65.txt", nested(63, "<include file=\"leaf.txt\"/>"));
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    for (const char* name : {"empty64.txt", "closed64.txt", "include64.txt"}) {
        ScriptDocument document;
        EXPECT_EQ(document.parseFile(name), 0) << name << " " << ScriptDocument::lastMessage();
    }
    for (const char* name : {"open65.txt", "include65.txt"}) {
        ScriptDocument document;
        EXPECT_EQ(document.parseFile(name), -1) << name;
    }
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find("XML Error nesting deeper than 64 levels [<b/>"), std::string::npos)
        << output;
}

TEST(ScriptDocumentFile, IncludesExpandingPastTheRecordBudgetAreRefusedByName) {
    // Four small files, each including the next ten times: 1,000 copies of the last one,
    // whose 1,001 elements make 1,001,000 records.
    const auto tenTimes = [](const std::string& file) {
        std::string text;
        for (int i = 0; i < 10; ++i) text += "<include file=\"" + file + "\"/>";
        return text;
    };
    TempDir dir;
    dir.write("data/a.txt", "<demo>" + tenTimes("b.txt") + "</demo>");
    dir.write("data/b.txt", tenTimes("c.txt"));
    dir.write("data/c.txt", tenTimes("d.txt"));
    std::string leaves;
    for (int i = 0; i < 1001; ++i) leaves += "<e/>";
    dir.write("data/d.txt", leaves);
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    ScriptDocument document;
    EXPECT_EQ(document.parseFile("a.txt"), -1);
    testing::internal::GetCapturedStdout();
    EXPECT_STREQ(ScriptDocument::lastMessage(),
                 "XML Error include [d.txt] refused: the script would hold more than 1000000 "
                 "elements and attributes");
    EXPECT_LE(document.children[0]->children.size(), ScriptDocument::kMaxRecords);
}
