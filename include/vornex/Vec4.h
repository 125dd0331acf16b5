// Four-component float vector read by plugins (camera viewports, colours).
// Plain value with component-wise arithmetic; the layout is four packed floats.
#pragma once

struct Vec4 {
    float x, y, z, w;

    Vec4 operator+(const Vec4& o) const { return {x + o.x, y + o.y, z + o.z, w + o.w}; }
    Vec4 operator-(const Vec4& o) const { return {x - o.x, y - o.y, z - o.z, w - o.w}; }
    Vec4 operator*(const Vec4& o) const { return {x * o.x, y * o.y, z * o.z, w * o.w}; }
    Vec4 operator/(const Vec4& o) const { return {x / o.x, y / o.y, z / o.z, w / o.w}; }
    Vec4 operator*(float s) const { return {x * s, y * s, z * s, w * s}; }
    Vec4 operator/(float s) const { return {x / s, y / s, z / s, w / s}; }
};

inline Vec4 operator*(float s, const Vec4& v) {
    return v * s;
}

static_assert(sizeof(Vec4) == 16, "Vec4 crosses the plugin boundary");
