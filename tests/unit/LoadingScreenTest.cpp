// The attribute groups the loading screen saves around the loader's drawing. The unit tests
// have no OpenGL context, so the library's glPushAttrib would do nothing: this program's
// own stands in for it and records the mask.
#include "DemoFixture.h"

#include <GL/gl.h>
#include <gmock/gmock.h>

#include <vector>

namespace {
std::vector<GLbitfield> pushedMasks;

class LoadingScreen : public DemoFixture {};
} // namespace

extern "C" void GLAPIENTRY glPushAttrib(GLbitfield mask) {
    pushedMasks.push_back(mask);
}

TEST_F(LoadingScreen, TheLoadingScreenSavesTheOpenGL11AttributeGroupsOnly) {
    pushedMasks.clear();
    demo->adoptEffect(new ListedEffect(listed), "bar", "loader");
    demo->adoptEffect(new ListedEffect(listed), "fx", "one");
    walk(R"(<demo><load effect="loader"/></demo>)");
    // Once before the effects load and once after each of the two.
    EXPECT_THAT(pushedMasks, ::testing::ElementsAre(0xFFFFFu, 0xFFFFFu, 0xFFFFFu));
}
