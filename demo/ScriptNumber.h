// Numbers in script attributes, read like atoi and atof (leading blanks, optional sign,
// digits up to the first other character, 0 when there are none). Integers saturate at
// the int range instead of wrapping, so arithmetic on them stays defined.
#pragma once

#include <cerrno>
#include <climits>
#include <cstdlib>

inline int scriptInt(const char* text) {
    const long long value = std::strtoll(text, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

inline float scriptFloat(const char* text) {
    return static_cast<float>(std::atof(text));
}
