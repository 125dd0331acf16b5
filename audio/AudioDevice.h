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
// Why the last init() failed, for the log: the system output's reason, or a short text of
// our own; empty after a successful init().
const char* failure();
// Closes the device and every open music; their handles become invalid. Ends a pause.
void free();
// Holds every music where it is and outputs silence, until called with false.
void pause(bool paused);

// Render mode, for writing a demo to a file: from the next init() on, whatever device is
// asked for, nothing is mixed in real time; renderMix() makes the mix on demand, so a
// renderer takes exactly the sound of each frame however long the frame takes to draw.
void setRenderMode(bool on);
// The next `frames` stereo frames of the mix into `stereo` (silence when nothing plays).
// -1, with silence, when no device in render mode is started.
int renderMix(float* stereo, uint32_t frames);

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
