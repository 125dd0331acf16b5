// Switches shared by every demo of a run, named after their script attributes. Set by
// any walked element; a later demo keeps what an earlier one left.
#pragma once

#include <cstdint>

struct ProcessSettings {
    bool vhs = false;     // mouse buttons fast-forward and rewind
    bool showfps = false; // frame rate on standard output every frame
    int32_t lockfps = 0;  // fixed frame step for this many frames per second; 0 off
    bool keylog = true;   // append key presses to the key log
    bool mouse = true;    // cursor visible
};

ProcessSettings& processSettings();
