// One keyframe of a camera path: fifteen packed floats, read by plugins inside Camera.
#pragma once

#include "Vec3.h"
#include "Vec4.h"

#include <cstddef>

struct CameraKey {
    float t; // path time of the key
    Vec3 pos;
    Vec3 rot;
    Vec3 lookat;
    Vec4 viewport; // x, y, width, height
    float fov;
};

static_assert(offsetof(CameraKey, t) == 0, "CameraKey layout");
static_assert(offsetof(CameraKey, pos) == 4, "CameraKey layout");
static_assert(offsetof(CameraKey, rot) == 16, "CameraKey layout");
static_assert(offsetof(CameraKey, lookat) == 28, "CameraKey layout");
static_assert(offsetof(CameraKey, viewport) == 40, "CameraKey layout");
static_assert(offsetof(CameraKey, fov) == 56, "CameraKey layout");
static_assert(sizeof(CameraKey) == 60, "CameraKey layout");
