#include "resource/SurfaceList.h"
#include "script/ScriptDocument.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
// Attributes as they stand in a tag, which ends with "/>".
int define(SurfaceList& surfaces, const std::string& attributes) {
    ScriptNode element;
    const std::string tag = attributes + "/>";
    ScriptDocument::parseAttributes(element, tag.c_str(), tag.size());
    return defineSurface(surfaces, element, nullptr);
}
} // namespace

TEST(SurfaceList, ElementCreatesOnlyInCreateModeWithANameAndPositiveSizes) {
    SurfaceList surfaces;
    EXPECT_EQ(define(surfaces, R"(mode="CREATE" name="a" width="1" height="1")"), 0);
    EXPECT_EQ(define(surfaces, R"(mode="create" name="b" width="0" height="1")"), 0);
    EXPECT_EQ(define(surfaces, R"(mode="load" name="c" width="4" height="4")"), 0);
    EXPECT_EQ(define(surfaces, R"(name="d" width="4" height="4")"), 0);
    EXPECT_EQ(define(surfaces, R"(mode="create" width="4" height="4")"), 0);
    ASSERT_EQ(surfaces.count(), 1u);
    EXPECT_STREQ(surfaces.at(0)->name, "a");
    EXPECT_EQ(surfaces.at(0)->texture.glName, 0u);
    EXPECT_EQ(surfaces.at(0)->texture.width, 0u);
}

TEST(SurfaceList, LookupsFindTheEarliestInAnyCaseAndCreateWhatIsMissing) {
    SurfaceList surfaces;
    Surface* first = surfaces.createSurface("Glow");
    Surface* second = surfaces.createSurface("glow");
    EXPECT_NE(first, second);
    EXPECT_EQ(surfaces.findSurface("GLOW"), first);
    Surface* made = surfaces.findSurface("b");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(surfaces.count(), 3u);
    EXPECT_EQ(surfaces.findSurface("B"), made);

    const std::string longName(40, 'x');
    Surface* cut = surfaces.createSurface(longName.c_str());
    EXPECT_EQ(std::strlen(cut->name), 31u);
    EXPECT_EQ(surfaces.findSurface(longName.substr(0, 31).c_str()), cut);
}
