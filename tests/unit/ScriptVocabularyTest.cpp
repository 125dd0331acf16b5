// The one keyword table: the walk dispatches from it, check mode reads it, and the script
// reference documents exactly its keywords. A keyword known to only one of them (a second
// table, or an element handled outside the table) shows up here as a difference.
#include "demo/ScriptVocabulary.h"
#include "ScriptText.h"
#include "demo/Diagnostics.h"
#include "demo/ScriptCheck.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::set<std::string> tableKeywords() {
    std::set<std::string> names;
    for (size_t i = 0; i < keywordCount(); ++i) names.insert(lowerCase(keywordAt(i)->rule.name));
    return names;
}

// The element headings of the script reference's "Elements" section: "### camera and key"
// names two; a heading in other words ("Configuring an effect") names none.
std::set<std::string> documentedElements() {
    std::ifstream file(VORNEX_SOURCE_DIR "/docs/script-reference.md");
    std::set<std::string> names;
    bool inElements = false;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("## ", 0) == 0) inElements = line == "## Elements";
        if (!inElements || line.rfind("### ", 0) != 0) continue;
        std::set<std::string> heading;
        bool elementNames = true;
        std::istringstream words(line.substr(4));
        for (std::string word; words >> word;) {
            if (word == "and") continue;
            elementNames = elementNames && word == lowerCase(word);
            heading.insert(word);
        }
        if (elementNames) names.insert(heading.begin(), heading.end());
    }
    return names;
}

} // namespace

TEST(ScriptVocabulary, EachKeywordIsListedOnceWithItsHandler) {
    ASSERT_GT(keywordCount(), 0u);
    EXPECT_EQ(tableKeywords().size(), keywordCount()) << "a keyword listed twice";
    for (size_t i = 0; i < keywordCount(); ++i) {
        const Keyword* keyword = keywordAt(i);
        EXPECT_NE(keyword->handler, nullptr) << keyword->rule.name;
        EXPECT_EQ(findKeyword(lowerCase(keyword->rule.name).c_str()), keyword);
    }
    EXPECT_EQ(keywordAt(keywordCount()), nullptr);
    EXPECT_EQ(findKeyword("demo"), nullptr) << "the walked element itself is no keyword";
}

TEST(ScriptVocabulary, TheScriptReferenceDocumentsExactlyTheKeywords) {
    std::set<std::string> expected = tableKeywords();
    // Beside the keywords: the walked element itself, the reader's include and a camera's
    // key child.
    expected.insert({"demo", "include", cameraKeyRule().name});
    EXPECT_EQ(documentedElements(), expected);
}

TEST(ScriptVocabulary, CheckModeKnowsEveryKeywordAndNothingElse) {
    for (size_t i = 0; i < keywordCount(); ++i) {
        const std::string name = keywordAt(i)->rule.name;
        ScriptDocument document;
        ASSERT_EQ(parseScript(document, "<demo><" + name + "/></demo>"), 0);
        Diagnostics out(document);
        ScriptCheck(document, out).run();
        EXPECT_EQ(out.text().find("unknown element"), std::string::npos)
            << name << ": " << out.text();
    }
    ScriptDocument document;
    ASSERT_EQ(parseScript(document, "<demo><nokeyword/></demo>"), 0);
    Diagnostics out(document);
    ScriptCheck(document, out).run();
    EXPECT_NE(out.text().find("unknown element <nokeyword>"), std::string::npos) << out.text();
}
