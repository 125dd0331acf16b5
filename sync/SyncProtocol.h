// The sync editor's wire protocol: the demo connects, both sides greet, then commands of
// one byte followed by fixed fields, every integer 32-bit big-endian and every value an
// IEEE float sent as its 32-bit pattern.
#pragma once

#include <cstddef>
#include <cstdint>

namespace syncProtocol {

constexpr uint16_t kEditorPort = 1338;
constexpr char kDemoGreeting[] = "hello, synctracker!";
constexpr char kEditorGreeting[] = "hello, demo!";
constexpr size_t kDemoGreetingSize = sizeof kDemoGreeting - 1;     // 19
constexpr size_t kEditorGreetingSize = sizeof kEditorGreeting - 1; // 12

enum Command : uint8_t {
    kSetKey = 0,     // editor: track, row, value, interpolation byte
    kDeleteKey = 1,  // editor: track, row
    kGetTrack = 2,   // demo: name length, name bytes
    kSetRow = 3,     // both: row (editor: seek there; demo: the row it plays)
    kPause = 4,      // editor: one byte, 1 paused, 0 playing
    kSaveTracks = 5, // editor: write every track to its file
};

// The whole size of a command the editor sends, its byte included; 0 for an unknown one.
constexpr size_t editorCommandSize(uint8_t command) {
    switch (command) {
    case kSetKey:
        return 1 + 4 + 4 + 4 + 1;
    case kDeleteKey:
        return 1 + 4 + 4;
    case kSetRow:
        return 1 + 4;
    case kPause:
        return 1 + 1;
    case kSaveTracks:
        return 1;
    default:
        return 0;
    }
}

inline uint32_t readBigEndian(const uint8_t* bytes) {
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 |
           uint32_t(bytes[3]);
}

inline void writeBigEndian(uint8_t* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

} // namespace syncProtocol
