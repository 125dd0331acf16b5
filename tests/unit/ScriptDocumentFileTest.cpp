// Script files read from the data tree: includes spliced in place, cycles ended.
#include "TempDir.h"
#include "script/ScriptDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string names(const ScriptNode& node) {
    std::string out;
    for (const ScriptNode* child : node.children) out += std::string(child->name) + " ";
    return out;
}
} // namespace

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
    EXPECT_EQ(names(*document.children[0]), "a p q p q b ");

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
