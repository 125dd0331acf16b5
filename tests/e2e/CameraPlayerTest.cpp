// A keyframed camera read by an effect through the host, every frame of a real run.
#include "PlayerRun.h"
#include "TempDir.h"
#include "camera/CameraElement.h"
#include "camera/CameraList.h"
#include "io/MemoryStream.h"
#include "script/ScriptDocument.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {
const char* kCamera = R"(<camera mode="create" name="orbit" loop="1">
    <key t="0" pos="0,0,0"/><key t="40" pos="10,2,0"/><key t="100" pos="4,-6,8"/>
  </camera>)";

// The positions the same camera takes when stepped here, frame after frame.
std::vector<std::string> expectedPositions(float step, size_t frames) {
    const std::string text = kCamera;
    MemoryStream stream(text.c_str(), static_cast<uint32_t>(text.size()));
    ScriptDocument document;
    document.parseElements(document, stream);
    CameraList cameras;
    defineCamera(cameras, *document.children[0]);
    std::vector<std::string> out;
    char line[128];
    for (size_t i = 0; i < frames; ++i) {
        cameras.updateCameras(step);
        const Vec3& pos = cameras.findCamera("orbit")->pos;
        std::snprintf(line, sizeof line, "rec camera %.4f %.4f %.4f", double(pos.x), double(pos.y),
                      double(pos.z));
        out.push_back(line);
    }
    return out;
}
} // namespace

TEST(CameraPlayer, AnEffectSeesTheCameraMoveAlongItsPathEveryFrame) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TempDir dir;
    dir.write("data/script.txt",
              std::string(R"(<demo name="camera" width="64" height="64" lockfps="50">
  <loadplugin file="recorderfx.so"/>
  <add type="recorder" name="rec"/>
  )") + kCamera + R"(
  <rec camera="orbit"/>
  <draworder effect="rec"/>
  <event time="1.5"><exit/></event>
  <load/>
  <run/>
</demo>
)");
    const PlayerResult run = runPlayer(dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::istringstream calls(dir.read("calls.txt"));
    std::vector<std::string> seen;
    for (std::string line; std::getline(calls, line);)
        if (line.rfind("rec camera", 0) == 0) seen.push_back(line);
    // At 50 frames a second each frame moves the path 2 hundredths on; the run wraps the
    // 100-hundredth loop.
    ASSERT_GE(seen.size(), 60u) << run.output;
    EXPECT_EQ(seen, expectedPositions(2.0f, seen.size()));
}
