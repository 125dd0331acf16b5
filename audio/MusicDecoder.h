// One decoded music: renders stereo float frames at the mixer's rate and seeks exactly.
// Decoders read bytes from outside; they refuse what they cannot read when opened and
// never read outside the bytes they were given.
#pragma once

#include <cstdint>

class MusicDecoder {
public:
    // Frames a decoder renders or skips in one step; the mixer's block.
    static constexpr uint32_t kBlockFrames = 512;

    virtual ~MusicDecoder() = default;

    // Writes up to `frames` interleaved stereo frames at `rate`; fewer (maybe none) once
    // the music has ended. Allocates nothing: it runs on the audio thread.
    virtual uint32_t render(float* stereo, uint32_t frames, uint32_t rate) = 0;
    virtual double length() const = 0;
    virtual double position() const = 0;
    // `seconds` is within [0, length()]; afterwards position() returns it to within one
    // output frame at `rate`.
    virtual void seek(double seconds, uint32_t rate) = 0;
};
