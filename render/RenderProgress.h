// The render's progress line on the terminal: a bar when the length is known, frames
// done, demo time, frames per second and the time left.
#pragma once

#include <cstddef>
#include <cstdint>

struct RenderProgress {
    int64_t frames;      // written so far
    int64_t totalFrames; // 0 when the length is not known
    double demoSeconds;
    double framesPerSecond; // measured over the whole render
};

// Writes one line without a line end into `out`.
void formatRenderProgress(const RenderProgress& progress, char* out, size_t size);
