// Where the mix goes: an output pulls frames from the mixer at its rate, on its own
// thread or as time passes.
#pragma once

#include <cstdint>

class Mixer;

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Starts pulling from `mixer` at `frequency` frames per second; 0, or -1 when the
    // output cannot be had.
    virtual int open(uint32_t frequency, Mixer& mixer) = 0;
    // Stops pulling for good: music positions hold from here on.
    virtual void stop() = 0;
    // Held by the player's thread around every change to the mixer.
    virtual void lock() = 0;
    virtual void unlock() = 0;
    // Mixes what the output would have consumed up to now, for outputs without a
    // thread of their own.
    virtual void catchUp() {}
    // Why open() failed, in the system's words; empty when it did not.
    virtual const char* failure() const { return ""; }
};
