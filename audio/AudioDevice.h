// The audio device the player starts when its window opens and frees at teardown, in the
// shape of the desktop audio library's calls. Effects reach the music through
// vornex/Audio.h.
#pragma once

#include <cstdint>

class Mixer;

namespace audio {

// Device 1 is the system's sound output, device 0 a silent output that still consumes
// the mix in real time. `frequency` is the mix rate (8000 to 192000). `flags` and
// `window` keep the call's desktop shape; no flags are defined and the window is not
// needed. Returns 0, or -1 when the device cannot be had or one is already started.
int init(int device, uint32_t frequency, uint32_t flags, void* window);
// Halts the output: musics keep their positions until the device is freed.
void stop();
// Closes the device and every open music; their handles become invalid.
void free();

// Holds the mixer against the output's thread for the guard's lifetime, after bringing
// a silent output up to the present.
class MixerLock {
public:
    MixerLock();
    ~MixerLock();
    MixerLock(const MixerLock&) = delete;
    MixerLock& operator=(const MixerLock&) = delete;

    Mixer& mixer();
};

} // namespace audio
