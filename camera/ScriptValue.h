// Reading camera values from attribute text: lists as "%f,%f,%f" (and four components);
// the components a list does not give keep their current value.
#pragma once

#include <vornex/Vec3.h>
#include <vornex/Vec4.h>

#include <cstdio>

inline void readVec3(const char* text, Vec3& out) {
    std::sscanf(text, "%f,%f,%f", &out.x, &out.y, &out.z);
}

inline void readVec4(const char* text, Vec4& out) {
    std::sscanf(text, "%f,%f,%f,%f", &out.x, &out.y, &out.z, &out.w);
}
