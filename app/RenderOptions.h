// The player's command line: [--sync] [--render file [--fps N] [--size WxH]
// [--duration S]] [script]. The first argument that is not an option is the script.
#pragma once

#include <cstddef>

struct RenderOptions {
    const char* script = nullptr; // null: the default script
    bool sync = false;            // link to the sync editor
    const char* renderPath = nullptr;
    int fps = 30;
    int width = 0; // 0: the demo's own size
    int height = 0;
    double duration = 0.0; // 0: until the demo ends
};

// -1 with the reason in `message` for an unknown option or a bad value.
int parseRenderOptions(int argc, char** argv, RenderOptions& options, char* message,
                       size_t messageSize);
