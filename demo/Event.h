// One entry of a demo's timeline: a script element kept to be walked later, when the demo
// time reaches `time` or when the viewer presses `trigger` in a matching key bank.
#pragma once

#include <cstdint>

struct ScriptNode;

struct Event {
    // Time of a key-only event: negative, so it never fires by time and sorts first.
    static constexpr float kKeyOnlyTime = -10.0f;

    int32_t bank = -1;   // key bank of the key binding; -1 every bank
    float time = 0.0f;   // seconds; negative means never by time
    int32_t trigger = 0; // signed character code; 0 none
    uint32_t reserved = 0;
    ScriptNode* element = nullptr; // owned by the script document, which outlives the demo
};
