// Reading script attribute values, the one way the player and plugins share. Numbers read
// as atoi and atof do (leading blanks, optional sign, digits up to the first other
// character, 0 when there are none); integers beyond the int range stop at its ends and
// floats beyond the float range at the largest float, so a wild value never overflows.
// Booleans are integers, non-zero meaning on. Vectors are "%f,%f,%f" and "%f,%f,%f,%f";
// components the text does not give keep their value. Header-only: a plugin compiles it
// into itself.
#pragma once

#include "ScriptNode.h"
#include "Vec3.h"
#include "Vec4.h"

#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>

inline int scriptInt(const char* text) {
    const long long value = std::strtoll(text, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

inline float scriptFloatInRange(double value) {
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}

inline float scriptFloat(const char* text) {
    return scriptFloatInRange(std::strtod(text, nullptr));
}

// Up to `count` comma-separated floats into `components`, stopping at the first that is
// not there; the rest keep their value.
inline void scriptFloats(const char* text, float* const components[], int count) {
    for (int i = 0; i < count; ++i) {
        char* end = nullptr;
        const double value = std::strtod(text, &end);
        if (end == text) return;
        *components[i] = scriptFloatInRange(value);
        if (*end != ',') return;
        text = end + 1;
    }
}

inline void scriptValue(const char* text, int& out) {
    out = scriptInt(text);
}
inline void scriptValue(const char* text, float& out) {
    out = scriptFloat(text);
}
inline void scriptValue(const char* text, bool& out) {
    out = scriptInt(text) != 0;
}
inline void scriptValue(const char* text, const char*& out) {
    out = text;
}
inline void scriptValue(const char* text, Vec3& out) {
    float* const components[] = {&out.x, &out.y, &out.z};
    scriptFloats(text, components, 3);
}
inline void scriptValue(const char* text, Vec4& out) {
    float* const components[] = {&out.x, &out.y, &out.z, &out.w};
    scriptFloats(text, components, 4);
}

// Element and attribute names compare without regard to ASCII case, as the player does.
inline bool sameScriptName(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const char x = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a - 'A' + 'a') : *a;
        const char y = (*b >= 'A' && *b <= 'Z') ? static_cast<char>(*b - 'A' + 'a') : *b;
        if (x != y) return false;
        if (x == '\0') return true;
    }
}

// The first attribute of that name (in any case) into `out`; an absent attribute keeps
// `out`. True when the attribute was there.
template <typename Value>
bool readAttribute(const ScriptNode& element, const char* name, Value& out) {
    const ScriptAttribute* found = element.findAttribute(name);
    if (!found) return false;
    scriptValue(found->value, out);
    return true;
}
