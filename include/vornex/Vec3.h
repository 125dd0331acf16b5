// Three-component float vector read by plugins (camera positions, rotations, look-at).
// Plain value with component-wise arithmetic; the layout is three packed floats.
#pragma once

struct Vec3 {
    float x, y, z;

    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(const Vec3& o) const { return {x * o.x, y * o.y, z * o.z}; }
    Vec3 operator/(const Vec3& o) const { return {x / o.x, y / o.y, z / o.z}; }
    Vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
    Vec3 operator/(float s) const { return {x / s, y / s, z / s}; }
};

inline Vec3 operator*(float s, const Vec3& v) {
    return v * s;
}

static_assert(sizeof(Vec3) == 12, "Vec3 crosses the plugin boundary");
