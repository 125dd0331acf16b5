#include "camera/CameraElement.h"
#include "camera/CameraList.h"
#include "io/MemoryStream.h"
#include "script/ScriptDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// Runs every top-level element of `text` as a camera element.
void define(CameraList& cameras, const std::string& text) {
    ScriptDocument document;
    MemoryStream stream(text.c_str(), static_cast<uint32_t>(text.size()));
    ASSERT_EQ(document.parseElements(document, stream), 0);
    for (const ScriptNode* element : document.children) {
        EXPECT_EQ(defineCamera(cameras, *element), 0);
    }
}
} // namespace

TEST(CameraElement, WithoutModeFindsOrCreatesAndKeepsOtherDefaults) {
    CameraList cameras;
    define(cameras, "<camera fov=\"60\"/><camera name=\"Main\" fov=\"60\"/>");
    ASSERT_EQ(cameras.count(), 1);
    const Camera& camera = *cameras.at(0);
    EXPECT_STREQ(camera.name, "Main");
    EXPECT_FLOAT_EQ(camera.fov, 60.0f);
    EXPECT_FLOAT_EQ(camera.znear, 0.1f);
    EXPECT_FLOAT_EQ(camera.zfar, 400.0f);
    EXPECT_FLOAT_EQ(camera.viewport.z, 1.0f);
    EXPECT_FLOAT_EQ(camera.viewport.w, 1.0f);
    EXPECT_FLOAT_EQ(camera.lookat.x, 0.0f);
    EXPECT_FLOAT_EQ(camera.direction, 1.0f);
    EXPECT_FLOAT_EQ(camera.loopend, 1000.0f);
    EXPECT_FLOAT_EQ(camera.pathLength, 0.001f);
    EXPECT_FLOAT_EQ(camera.speed, 1.0f);
    EXPECT_EQ(camera.keyCount, 0);
}

TEST(CameraElement, CreateTwiceGivesTwoCamerasAndLookupsFindTheFirst) {
    CameraList cameras;
    define(cameras, "<camera mode=\"create\" name=\"cam\"/>"
                    "<camera mode=\"CREATE\" name=\"CAM\" zfar=\"80\"/>");
    ASSERT_EQ(cameras.count(), 2);
    EXPECT_FLOAT_EQ(cameras.at(0)->zfar, 80.0f);
    EXPECT_FLOAT_EQ(cameras.at(1)->zfar, 400.0f);
    EXPECT_EQ(cameras.findCamera("Cam"), cameras.at(0));
    EXPECT_EQ(cameras.count(), 2);
}

TEST(CameraElement, AttributesApplyInDocumentOrderAndShortListsKeepTheRest) {
    CameraList cameras;
    define(cameras, "<camera name=\"c\" pos=\"1,2,3\" POS=\"7,8\" loopMode=\"2\" speed=\"0.5\""
                    " viewport=\"0.25\" direction=\"-1\" frame=\"12\" unknown=\"9\"/>");
    const Camera& camera = *cameras.at(0);
    EXPECT_FLOAT_EQ(camera.pos.x, 7.0f);
    EXPECT_FLOAT_EQ(camera.pos.y, 8.0f);
    EXPECT_FLOAT_EQ(camera.pos.z, 3.0f);
    EXPECT_EQ(camera.loopMode, 2);
    EXPECT_FLOAT_EQ(camera.speed, 0.5f);
    EXPECT_FLOAT_EQ(camera.viewport.x, 0.25f);
    EXPECT_FLOAT_EQ(camera.viewport.z, 1.0f);
    EXPECT_FLOAT_EQ(camera.direction, -1.0f);
    EXPECT_FLOAT_EQ(camera.frame, 12.0f);
}

TEST(CameraElement, KeysWithoutTimeCountOnAndRepeatThePreviousKey) {
    CameraList cameras;
    testing::internal::CaptureStdout();
    define(cameras, "<camera mode=\"keyframe\" name=\"k\">"
                    "<key rot=\"1,2,3\" viewport=\"0,0,0.5,0.5\" fov=\"70\" lookat=\"4,4,4\"/>"
                    "<other t=\"9\"/><key pos=\"5,0,0\"/><key/></camera>"
                    "<camera mode=\"create\" name=\"k\"><key/></camera>");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "## add key FOV 70.000000\n");
    const Camera& camera = *cameras.at(0);
    ASSERT_EQ(camera.keyCount, 3);
    EXPECT_EQ(cameras.at(1)->keyCount, 0);
    EXPECT_FLOAT_EQ(camera.pathLength, 0.001f);
    const CameraKey& second = camera.keys[1];
    EXPECT_FLOAT_EQ(camera.keys[0].t, 0.0f);
    EXPECT_FLOAT_EQ(second.t, 1.0f);
    EXPECT_FLOAT_EQ(camera.keys[2].t, 2.0f);
    EXPECT_FLOAT_EQ(second.pos.x, 5.0f);
    EXPECT_FLOAT_EQ(second.rot.z, 3.0f);
    EXPECT_FLOAT_EQ(second.viewport.w, 0.5f);
    EXPECT_FLOAT_EQ(second.fov, 70.0f);
    EXPECT_FLOAT_EQ(second.lookat.x, 0.0f); // look-at is never carried over
    EXPECT_FLOAT_EQ(camera.keys[2].pos.x, 5.0f);
}

TEST(CameraElement, OnlyExplicitTimesSetThePathLength) {
    CameraList cameras;
    define(cameras, "<camera mode=\"keyframe\" name=\"k\">"
                    "<key t=\"0\"/><key t=\"500\"/><key t=\"1000\"/><key/></camera>");
    EXPECT_FLOAT_EQ(cameras.at(0)->pathLength, 1000.0f);
    EXPECT_FLOAT_EQ(cameras.at(0)->keys[3].t, 1001.0f);
}

TEST(CameraElement, SixtyFourKeysFitAndTheNextIsRefusedWithALine) {
    std::string keys;
    for (int i = 0; i < Camera::kMaxKeys; ++i) keys += "<key t=\"" + std::to_string(i) + "\"/>";
    CameraList cameras;
    define(cameras, "<camera mode=\"keyframe\" name=\"full\">" + keys + "</camera>");
    EXPECT_EQ(cameras.at(0)->keyCount, 64);
    testing::internal::CaptureStdout();
    define(cameras, "<camera mode=\"keyframe\" name=\"full\"><key t=\"99\"/></camera>");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "## camera full: already 64 keys, key ignored\n");
    EXPECT_EQ(cameras.at(0)->keyCount, 64);
    EXPECT_FLOAT_EQ(cameras.at(0)->pathLength, 63.0f);
}

TEST(CameraList, LongNamesAreCutAndStillFound) {
    CameraList cameras;
    const std::string name(300, 'n');
    Camera* camera = cameras.createCamera(name.c_str());
    EXPECT_EQ(std::string(camera->name), name.substr(0, 223));
    EXPECT_EQ(cameras.findCamera(name.c_str()), camera);
    EXPECT_EQ(cameras.findCamera(name.substr(0, 223).c_str()), camera);
    EXPECT_EQ(cameras.count(), 1);
}
