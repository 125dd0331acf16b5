// Sync track files in memory, as the editor saves them: a key count, then each key's row,
// value and interpolation, little-endian.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <tuple>

inline std::string le32(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

inline std::string trackKey(int32_t row, float value, uint8_t interpolation) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return le32(static_cast<uint32_t>(row)) + le32(bits) + static_cast<char>(interpolation);
}

// A track file of (row, value, interpolation) keys.
inline std::string trackFile(std::initializer_list<std::tuple<int32_t, float, uint8_t>> keys) {
    std::string bytes = le32(static_cast<uint32_t>(keys.size()));
    for (const auto& [row, value, interpolation] : keys)
        bytes += trackKey(row, value, interpolation);
    return bytes;
}
