// The registry's camera list: names and lookups.
#include "camera/CameraList.h"

#include <gtest/gtest.h>

#include <string>

TEST(CameraList, LongNamesAreCutAndStillFound) {
    CameraList cameras;
    const std::string name(300, 'n');
    Camera* camera = cameras.createCamera(name.c_str());
    EXPECT_EQ(std::string(camera->name), name.substr(0, 223));
    EXPECT_EQ(cameras.findCamera(name.c_str()), camera);
    EXPECT_EQ(cameras.findCamera(name.substr(0, 223).c_str()), camera);
    EXPECT_EQ(cameras.count(), 1);
}
