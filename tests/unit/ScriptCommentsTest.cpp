// Comments in a script: skipped wherever an element may stand; one never closed fails.
#include "ScriptText.h"

#include <gtest/gtest.h>

#include <string>

TEST(ScriptComments, AreSkippedWhereverAnElementMayStand) {
    ScriptDocument document;
    ASSERT_EQ(parseScript(document, "<!-- top <demo> -->\n<demo a=\"1\"><!--x--><b/>\n"
                                    "<!-- a > inside, and <c/> too --><e><!----></e>"
                                    "<!-- end --></demo><!-- after -->"),
              0);
    ASSERT_EQ(document.children.size(), 1u);
    EXPECT_EQ(childNames(*document.children[0]), "b e ");
    EXPECT_TRUE(document.children[0]->children[1]->children.empty());

    ScriptDocument open;
    EXPECT_EQ(parseScript(open, "<demo><!-- never closed <b/></demo>"), -1);
    EXPECT_EQ(open.children[0]->children.size(), 0u);
}
