#include <vornex/Camera.h>

#include <gtest/gtest.h>

namespace {
CameraKey key(float t, float x, float fov = 50.0f) {
    CameraKey k{};
    k.t = t;
    k.pos = {x, 0, 0};
    k.rot = {0, x * 2, 0};
    k.lookat = {0, 0, -x};
    k.viewport = {0, 0, 1, 1};
    k.fov = fov;
    return k;
}

// Keys at t 0 (x 0, fov 30) and t 100 (x 10, fov 60), no looping.
struct TwoKeys : Camera {
    TwoKeys() : Camera("two") {
        keys[0] = key(0, 0, 30);
        keys[1] = key(100, 10, 60);
        keys[1].viewport = {0.5f, 0, 1, 1};
        keyCount = 2;
        pathLength = 100;
    }
};
} // namespace

TEST(CameraPath, WithoutKeysNothingChanges) {
    Camera camera("still");
    camera.pos = {1, 2, 3};
    for (int i = 0; i < 10; ++i) camera.update(7.0f);
    EXPECT_FLOAT_EQ(camera.pos.y, 2.0f);
    EXPECT_FLOAT_EQ(camera.pathTime, 0.0f);
    EXPECT_FLOAT_EQ(camera.frame, 0.0f);
}

TEST(CameraPath, HalfwayIsTheMiddleOfTheSpline) {
    TwoKeys camera;
    camera.update(20.0f);
    camera.update(30.0f);
    EXPECT_FLOAT_EQ(camera.frame, 50.0f);
    EXPECT_FLOAT_EQ(camera.pos.x, 5.0f);
    EXPECT_FLOAT_EQ(camera.rot.y, 10.0f);
    EXPECT_FLOAT_EQ(camera.lookat.z, -5.0f);
    EXPECT_FLOAT_EQ(camera.viewport.x, 0.25f);
    EXPECT_FLOAT_EQ(camera.fov, 45.0f);
    camera.update(50.0f);
    EXPECT_FLOAT_EQ(camera.pos.x, 10.0f);
    camera.update(50.0f);
    EXPECT_FLOAT_EQ(camera.pos.x, 10.0f);
    EXPECT_FLOAT_EQ(camera.fov, 60.0f);
}

TEST(CameraPath, EasedTimeAtAQuarter) {
    TwoKeys camera;
    camera.update(25.0f);
    EXPECT_FLOAT_EQ(camera.frame, 10.3515625f);
    EXPECT_FLOAT_EQ(camera.fov, 30.0f + 30.0f * 0.103515625f); // s = 0.103515625
}

TEST(CameraPath, WrapAndPingPongCorrectOncePerFrameOnStrictBounds) {
    TwoKeys wrap;
    wrap.loopMode = 1;
    wrap.loopend = 100;
    wrap.pathTime = 98;
    wrap.update(5);
    EXPECT_FLOAT_EQ(wrap.pathTime, 3.0f);
    wrap.pathTime = 95;
    wrap.update(5);
    EXPECT_FLOAT_EQ(wrap.pathTime, 100.0f);

    TwoKeys pingPong;
    pingPong.loopMode = 2;
    pingPong.loopend = 100;
    pingPong.pathTime = 98;
    pingPong.update(5);
    EXPECT_FLOAT_EQ(pingPong.pathTime, 97.0f);
    EXPECT_FLOAT_EQ(pingPong.direction, -1.0f);
    for (int i = 0; i < 19; ++i) pingPong.update(5);
    EXPECT_FLOAT_EQ(pingPong.pathTime, 2.0f);
    pingPong.update(5);
    EXPECT_FLOAT_EQ(pingPong.pathTime, 3.0f);
    EXPECT_FLOAT_EQ(pingPong.direction, 1.0f);
}

TEST(CameraPath, SpeedDirectionAndTimesOutsideTheKeys) {
    TwoKeys fast;
    fast.speed = 2;
    fast.update(25);
    EXPECT_FLOAT_EQ(fast.pos.x, 5.0f);

    TwoKeys backwards;
    backwards.direction = -1;
    backwards.update(1);
    EXPECT_FLOAT_EQ(backwards.pathTime, -1.0f);
    EXPECT_FLOAT_EQ(backwards.pos.x, 10.0f); // before the first key: the last key

    TwoKeys frozen;
    frozen.direction = 0;
    frozen.update(30);
    EXPECT_FLOAT_EQ(frozen.pathTime, 0.0f);
}

TEST(CameraPath, EqualTimesShowTheLaterKeyAndUntimedKeysSitOnTheLast) {
    Camera equal("equal");
    equal.keys[0] = key(0, 0);
    equal.keys[1] = key(50, 1);
    equal.keys[2] = key(50, 2);
    equal.keyCount = 3;
    equal.pathLength = 50;
    equal.update(50);
    EXPECT_FLOAT_EQ(equal.pos.x, 2.0f);

    Camera untimed("untimed");
    for (int i = 0; i < 3; ++i) untimed.keys[i] = key(static_cast<float>(i), 3.0f * i);
    untimed.keyCount = 3;
    untimed.update(1);
    EXPECT_FLOAT_EQ(untimed.pos.x, 6.0f);
}

TEST(CameraPath, CachedSegmentFollowsTheTimeBothWays) {
    // Evenly spaced keys on a line: inside the first and last segment the spline is the
    // line itself, so pos.x must equal the eased time whichever segment is cached.
    Camera camera("line");
    for (int i = 0; i < 11; ++i) camera.keys[i] = key(10.0f * i, 10.0f * i);
    camera.keyCount = 11;
    camera.pathLength = 100;
    camera.loopMode = 2;
    camera.loopend = 100;
    for (int i = 0; i < 300; ++i) {
        camera.update(1.5f);
        if (camera.frame > 10.0f && camera.frame < 90.0f) {
            ASSERT_NEAR(camera.pos.x, camera.frame, 1e-3f) << "update " << i;
            ASSERT_EQ(camera.segment, static_cast<int>(camera.frame / 10.0f));
        }
    }
    camera.segment = 1000; // the field is public; a wild value must not be read through
    camera.update(0);
    EXPECT_NEAR(camera.pos.x, camera.frame, 1e-3f);
}
