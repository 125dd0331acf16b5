#include "script/ScriptDocument.h"
#include "ScriptText.h"
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(ScriptDocument, ReadsElementsAttributesAndParents) {
    ScriptDocument document;
    ASSERT_EQ(parseScript(document,
                          "<demo name=\"a\"><camera mode = \"create\"\n name=\"main\"/></demo>\n"),
              0);
    ASSERT_EQ(document.children.size(), 1u);
    const ScriptNode& demo = *document.children[0];
    EXPECT_STREQ(demo.name, "demo");
    EXPECT_EQ(demo.parent, &document);
    ASSERT_EQ(demo.attributes.size(), 1u);
    ASSERT_EQ(demo.children.size(), 1u);
    const ScriptNode& camera = *demo.children[0];
    EXPECT_EQ(camera.parent, &demo);
    ASSERT_EQ(camera.attributes.size(), 2u);
    EXPECT_STREQ(camera.attributes[0]->name, "mode");
    EXPECT_STREQ(camera.attributes[0]->value, "create");
    EXPECT_STREQ(camera.attributes[1]->value, "main");
}

TEST(ScriptDocument, ClosingRulesAndDocumentEnds) {
    ScriptDocument upper;
    EXPECT_EQ(parseScript(upper, "<DEMO></demo>"), 0);
    EXPECT_STREQ(upper.children[0]->name, "DEMO");

    ScriptDocument unclosed;
    EXPECT_EQ(parseScript(unclosed, "<demo><a>"), 0);
    EXPECT_EQ(childNames(*unclosed.children[0]), "a ");

    ScriptDocument stray;
    EXPECT_EQ(parseScript(stray, "<a/></b><c/>"), 0);
    EXPECT_EQ(childNames(stray), "a ");

    ScriptDocument textOnly;
    EXPECT_EQ(parseScript(textOnly, "just some words"), 0);
    EXPECT_TRUE(textOnly.children.empty());

    ScriptDocument selfClosing;
    EXPECT_EQ(parseScript(selfClosing, "<a/><a /><a/ ><b/></a>"), 0);
    // The third tag is not self-closing: <b/> becomes its child.
    EXPECT_EQ(childNames(selfClosing), "a a a ");
    EXPECT_EQ(childNames(*selfClosing.children[2]), "b ");
}

TEST(ScriptDocument, FailuresLeaveTheOuterElementsMessage) {
    ScriptDocument mismatch;
    EXPECT_EQ(parseScript(mismatch, "<demo><camera></demo>"), -1);
    EXPECT_STREQ(ScriptDocument::lastMessage(), "ERROR: tag [demo] couldn't be read");

    testing::internal::CaptureStdout();
    ScriptDocument illegal;
    EXPECT_EQ(parseScript(illegal, "<demo name=\"a\" \"b\">"), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "**** ILLEGAL ****\n");
    EXPECT_STREQ(ScriptDocument::lastMessage(), "ERROR: tag [demo] couldn't be read params");

    ScriptDocument noClose;
    EXPECT_EQ(parseScript(noClose, "<a/>\n<demo name=\"x\""), -1);
    EXPECT_STREQ(ScriptDocument::lastMessage(), "XML Error expected > [\n<demo nam]\n");

    ScriptDocument noName;
    EXPECT_EQ(parseScript(noName, "<demo><  ></demo>"), -1);
    EXPECT_STREQ(ScriptDocument::lastMessage(), "ERROR: tag [demo] couldn't be read");
}

TEST(ScriptDocument, UnterminatedValuesFailInsideTheirTag) {
    testing::internal::CaptureStdout();
    ScriptDocument open;
    EXPECT_EQ(parseScript(open, "<demo name=\"abc></demo>"), -1);
    ScriptDocument laterQuote;
    EXPECT_EQ(parseScript(laterQuote, "<demo name=\"abc><x a=\"1\"/></demo>"), -1);
    testing::internal::GetCapturedStdout();
    EXPECT_STREQ(ScriptDocument::lastMessage(), "ERROR: tag [demo] couldn't be read params");
}

TEST(ScriptDocument, LongNamesAndValuesAreCutToTheirFields) {
    const std::string element(80, 'e');
    const std::string attribute(40, 'n');
    const std::string value(3000, 'v');
    ScriptDocument document;
    ASSERT_EQ(parseScript(document, "<" + element + " " + attribute + "=\"" + value + "\"/>"), 0);
    const ScriptNode& node = *document.children[0];
    EXPECT_EQ(std::string(node.name), element.substr(0, 63));
    EXPECT_EQ(std::string(node.attributes[0]->name), attribute.substr(0, 31));
    EXPECT_EQ(std::string(node.attributes[0]->value), value.substr(0, 2047));

    ScriptDocument hyphen;
    ASSERT_EQ(parseScript(hyphen, "<my-tag a=\"1\"/>"), 0);
    EXPECT_STREQ(hyphen.children[0]->name, "my");
}

TEST(ScriptDocument, AReusedRecordWithBytesPastItsTerminatorReadsCleanly) {
    // A value rewritten in place to a shorter text (as a track drive does) keeps the old
    // tail past its terminator; the record is reused by the next attribute made.
    ScriptAttribute* written = new ScriptAttribute;
    std::strcpy(written->name, "level");
    std::strcpy(written->value, "0.75,2,0.75,2,0.75,2");
    std::strcpy(written->value, "0");
    delete written;
    ScriptDocument document;
    ASSERT_EQ(parseScript(document, R"(<add type="recorder"/>)"), 0);
    EXPECT_STREQ(document.children[0]->attributes[0]->name, "type");
    EXPECT_STREQ(document.children[0]->attributes[0]->value, "recorder");
}

TEST(ScriptDocument, DeepNestingFailsInsteadOfOverflowing) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<a>";
    testing::internal::CaptureStdout();
    ScriptDocument document;
    EXPECT_EQ(parseScript(document, deep), -1);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("nesting deeper than 64"),
              std::string::npos);
    EXPECT_STREQ(ScriptDocument::lastMessage(), "ERROR: tag [a] couldn't be read");
}
