#include "resource/SurfaceList.h"
#include "script/ScriptDocument.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
// Attributes as they stand in a tag, which ends with "/>".
int define(SurfaceList& surfaces, const std::string& attributes,
           const FramebufferCalls* framebuffers = nullptr) {
    ScriptNode element;
    const std::string tag = attributes + "/>";
    ScriptDocument::parseAttributes(element, tag.c_str(), tag.size());
    return defineSurface(surfaces, element, framebuffers);
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

TEST(SurfaceList, TargetsTakeZeroSizesAndOnlyTheyAreReadAsTextures) {
    // Never called: buffers are made only when a frame first draws into the target.
    const FramebufferCalls calls = {};
    SurfaceList surfaces;
    EXPECT_EQ(
        define(surfaces, R"(mode="create" name="scene" width="0" height="0" target="1")", &calls),
        0);
    EXPECT_EQ(define(surfaces, R"(mode="create" name="plain" width="4" height="4")", &calls), 0);
    EXPECT_EQ(define(surfaces, R"(mode="create" name="nofbo" width="0" height="0" target="1")"), 0);
    EXPECT_EQ(
        define(surfaces, R"(mode="create" name="bad" width="-1" height="8" target="1")", &calls),
        0);
    EXPECT_EQ(
        define(surfaces, R"(mode="create" name="off" width="0" height="8" target="0")", &calls), 0);
    ASSERT_EQ(surfaces.count(), 3u);
    Surface* scene = surfaces.at(0);
    EXPECT_NE(surfaces.findTarget(scene), nullptr);
    EXPECT_EQ(surfaces.findTargetSurface("SCENE"), scene);
    // A plain surface, and a target declared where the driver has no framebuffers, stay names.
    EXPECT_EQ(surfaces.findTarget(surfaces.at(1)), nullptr);
    EXPECT_EQ(surfaces.findTargetSurface("plain"), nullptr);
    EXPECT_EQ(surfaces.findTargetSurface("nofbo"), nullptr);
    EXPECT_EQ(surfaces.findTargetSurface("missing"), nullptr);
    EXPECT_EQ(surfaces.count(), 3u);
    // Until drawn into, the surface's texture is empty.
    EXPECT_EQ(scene->texture.glName, 0u);

    for (size_t i = 1; i < SurfaceList::kMaxTargets; ++i)
        EXPECT_EQ(surfaces.createTarget(*surfaces.createSurface("more"), 0, 0, calls), 0);
    EXPECT_EQ(surfaces.createTarget(*surfaces.createSurface("over"), 0, 0, calls), -1);
    EXPECT_EQ(surfaces.findTargetSurface("over"), nullptr);
}
