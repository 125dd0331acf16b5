#include "camera/ScriptValue.h"
#include <vornex/Camera.h>
#include <vornex/ScriptNode.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {
constexpr float kMinPathLength = 0.001f;
constexpr float kDefaultFov = 50.0f;
constexpr Vec4 kFullViewport = {0.0f, 0.0f, 1.0f, 1.0f};

// Catmull-Rom tangents at P1 and P2 in the tension-bias form; the viewport keeps this form
// while the other fields use the plain half-chord sum, which it equals at 0 and 0.
constexpr float kTension = 0.0f;
constexpr float kBias = 0.0f;

template <typename V>
V catmullRom(const V& p0, const V& p1, const V& p2, const V& p3, float h1, float h2, float h3,
             float h4) {
    const V m1 = (p1 - p0) / 2.0f + (p2 - p1) / 2.0f;
    const V m2 = (p2 - p1) / 2.0f + (p3 - p2) / 2.0f;
    return h1 * p1 + h3 * m1 + h4 * m2 + h2 * p2;
}

Vec4 tensionBias(const Vec4& p0, const Vec4& p1, const Vec4& p2, const Vec4& p3, float h1, float h2,
                 float h3, float h4) {
    const float scale = (1.0f - kTension) / 2.0f;
    const Vec4 m1 = scale * ((1.0f + kBias) * (p1 - p0) + (1.0f - kBias) * (p2 - p1));
    const Vec4 m2 = scale * ((1.0f + kBias) * (p2 - p1) + (1.0f - kBias) * (p3 - p2));
    return h1 * p1 + h2 * p2 + h3 * m1 + h4 * m2;
}

int limit(int index, int last) {
    return index < 0 ? 0 : (index > last ? last : index);
}
} // namespace

Camera::Camera(const char* cameraName)
    : name(), fov(kDefaultFov), znear(0.1f),
      zfar(400.0f), pos{0, 0, 0}, rot{0, 0, 0}, lookat{0, 0, 0}, viewport(kFullViewport),
      direction(1.0f), pathTime(0.0f), loopMode(0), loopstart(0.0f), loopend(1000.0f),
      pathLength(kMinPathLength), frame(0.0f), speed(1.0f), segment(0), keyCount(0), keys() {
    std::strncpy(name, cameraName, kNameSize - 1);
}

int Camera::addKey(const ScriptNode& keyElement) {
    if (keyCount >= kMaxKeys) {
        std::printf("## camera %s: already %d keys, key ignored\n", name, kMaxKeys);
        return -1;
    }
    CameraKey& key = keys[keyCount];
    if (keyCount == 0) {
        key.t = 0.0f;
        key.pos = {0, 0, 0};
        key.rot = {0, 0, 0};
        key.viewport = kFullViewport;
        key.fov = kDefaultFov;
    } else {
        const CameraKey& previous = keys[keyCount - 1];
        key.t = previous.t + 1.0f;
        key.pos = previous.pos;
        key.rot = previous.rot;
        key.viewport = previous.viewport;
        key.fov = previous.fov;
    }
    key.lookat = {0, 0, 0};
    for (const ScriptAttribute* attribute : keyElement.attributes) {
        const char* value = attribute->value;
        if (strcasecmp(attribute->name, "t") == 0) {
            key.t = static_cast<float>(std::atof(value));
            if (key.t > pathLength) pathLength = key.t;
        } else if (strcasecmp(attribute->name, "pos") == 0) {
            readVec3(value, key.pos);
        } else if (strcasecmp(attribute->name, "rot") == 0) {
            readVec3(value, key.rot);
        } else if (strcasecmp(attribute->name, "lookat") == 0) {
            readVec3(value, key.lookat);
        } else if (strcasecmp(attribute->name, "viewport") == 0) {
            readVec4(value, key.viewport);
        } else if (strcasecmp(attribute->name, "fov") == 0) {
            key.fov = static_cast<float>(std::atof(value));
            std::printf("## add key FOV %f\n", key.fov);
        }
    }
    ++keyCount;
    return 0;
}

void Camera::update(float step) {
    if (keyCount == 0) return;

    pathTime = speed * direction * step + pathTime;

    // One correction per frame, strict comparisons: a time exactly on a bound stays.
    if (loopMode == 1) {
        if (direction > 0.0f && pathTime > loopend) {
            pathTime = loopstart + (pathTime - loopend);
        } else if (direction < 0.0f && pathTime < loopstart) {
            pathTime = loopend - (loopstart - pathTime);
        }
    } else if (loopMode == 2) {
        if (direction > 0.0f && pathTime > loopend) {
            direction = -1.0f;
            pathTime = loopend - (pathTime - loopend);
        } else if (direction < 0.0f && pathTime < loopstart) {
            direction = 1.0f;
            pathTime = loopstart + (loopstart - pathTime);
        }
    }

    // Quintic ease: zero speed and acceleration at both ends of 0 .. pathLength, unclamped.
    const float u = pathTime / pathLength;
    const float e = ((6.0f * u - 15.0f) * u + 10.0f) * pathLength * u * u * u;
    frame = e;

    // The cached segment is kept while e stays strictly inside it; a plugin may have
    // written anything into the public field, so an index out of range is a miss.
    const int last = keyCount - 1;
    const bool cached = segment >= 0 && segment <= last;
    const int next = cached && segment + 1 < last ? segment + 1 : last;
    if (!(cached && keys[segment].t < e && e < keys[next].t)) {
        segment = last;
        for (int i = 0; i < last; ++i) {
            if (keys[i].t <= e && e < keys[i + 1].t) {
                segment = i;
                break;
            }
        }
    }
    segment = limit(segment, last);

    const CameraKey& k0 = keys[limit(segment - 1, last)];
    const CameraKey& k1 = keys[segment];
    const CameraKey& k2 = keys[limit(segment + 1, last)];
    const CameraKey& k3 = keys[limit(segment + 2, last)];
    const float t1 = k1.t;
    const float t2 = k2.t;
    const float s = t2 == t1 ? 1.0f : 1.0f - (t2 - e) / (t2 - t1);

    const float s2 = s * s;
    const float s3 = s2 * s;
    const float h1 = 2.0f * s3 - 3.0f * s2 + 1.0f;
    const float h2 = 3.0f * s2 - 2.0f * s3;
    const float h3 = s3 - 2.0f * s2 + s;
    const float h4 = s3 - s2;

    pos = catmullRom(k0.pos, k1.pos, k2.pos, k3.pos, h1, h2, h3, h4);
    rot = catmullRom(k0.rot, k1.rot, k2.rot, k3.rot, h1, h2, h3, h4);
    lookat = catmullRom(k0.lookat, k1.lookat, k2.lookat, k3.lookat, h1, h2, h3, h4);
    viewport = tensionBias(k0.viewport, k1.viewport, k2.viewport, k3.viewport, h1, h2, h3, h4);
    fov = k1.fov + (k2.fov - k1.fov) * s;
}
