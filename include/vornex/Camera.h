// A named viewpoint the player keeps for effects. Effects get it from the host by name and
// read the fields directly every frame; the player moves cameras that have keys along an
// eased Catmull-Rom path once per frame, before effects draw. What the values mean on
// screen (projection, rotation convention) belongs to the effects.
// The field order and widths are part of the plugin contract: never reorder or resize.
#pragma once

#include "Api.h"

#include "CameraKey.h"
#include "Vec3.h"
#include "Vec4.h"

#include <cstddef>
#include <cstdint>

struct ScriptNode;

class VORNEX_API Camera {
public:
    static constexpr size_t kNameSize = 224;
    static constexpr int kMaxKeys = 64;

    // Names of kNameSize characters or more are cut to kNameSize - 1.
    explicit Camera(const char* cameraName);
    virtual ~Camera() = default;
    Camera(const Camera&) = delete;
    Camera& operator=(const Camera&) = delete;

    // Appends the key described by a `key` element: time, position, rotation, viewport and
    // fov start from the previous key (time + 1). Returns -1 and keeps the path when all
    // kMaxKeys keys are in use.
    int addKey(const ScriptNode& keyElement);
    // Advances the path by one frame step (hundredths of a second times the demo speed)
    // and sets pos, rot, lookat, viewport and fov from the keys. No effect without keys.
    void update(float step);

    uint32_t reserved[2]; // never touched by the player
    char name[kNameSize];
    float fov;
    float znear;
    float zfar;
    Vec3 pos;
    Vec3 rot;
    Vec3 lookat;
    Vec4 viewport; // fractions of the render target
    float direction;
    float pathTime;   // uneased running time on the path
    int32_t loopMode; // 0 none, 1 wrap, 2 ping-pong
    float loopstart;
    float loopend;
    float pathLength; // largest explicit key time, at least 0.001
    float frame;      // eased path time of the last update
    float speed;
    int32_t segment; // key starting the current segment, cached between frames
    int32_t keyCount;
    CameraKey keys[kMaxKeys];
};

// offsetof on a class with a virtual destructor is conditionally supported; GCC and Clang
// both give the real offsets, which is exactly what plugins rely on.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(Camera, reserved) == sizeof(void*), "Camera layout");
static_assert(offsetof(Camera, name) == sizeof(void*) + 8, "Camera layout");
static_assert(offsetof(Camera, fov) == sizeof(void*) + 232, "Camera layout");
static_assert(offsetof(Camera, znear) == sizeof(void*) + 236, "Camera layout");
static_assert(offsetof(Camera, zfar) == sizeof(void*) + 240, "Camera layout");
static_assert(offsetof(Camera, pos) == sizeof(void*) + 244, "Camera layout");
static_assert(offsetof(Camera, rot) == sizeof(void*) + 256, "Camera layout");
static_assert(offsetof(Camera, lookat) == sizeof(void*) + 268, "Camera layout");
static_assert(offsetof(Camera, viewport) == sizeof(void*) + 280, "Camera layout");
static_assert(offsetof(Camera, direction) == sizeof(void*) + 296, "Camera layout");
static_assert(offsetof(Camera, pathTime) == sizeof(void*) + 300, "Camera layout");
static_assert(offsetof(Camera, loopMode) == sizeof(void*) + 304, "Camera layout");
static_assert(offsetof(Camera, loopstart) == sizeof(void*) + 308, "Camera layout");
static_assert(offsetof(Camera, loopend) == sizeof(void*) + 312, "Camera layout");
static_assert(offsetof(Camera, pathLength) == sizeof(void*) + 316, "Camera layout");
static_assert(offsetof(Camera, frame) == sizeof(void*) + 320, "Camera layout");
static_assert(offsetof(Camera, speed) == sizeof(void*) + 324, "Camera layout");
static_assert(offsetof(Camera, segment) == sizeof(void*) + 328, "Camera layout");
static_assert(offsetof(Camera, keyCount) == sizeof(void*) + 332, "Camera layout");
static_assert(offsetof(Camera, keys) == sizeof(void*) + 336, "Camera layout");
static_assert(sizeof(Camera) == sizeof(void*) + 336 + 64 * sizeof(CameraKey), "Camera layout");
#pragma GCC diagnostic pop
