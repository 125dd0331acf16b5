// The unit tests' machine has no sound card: device 1 cannot be had, and the player falls
// back to the silent device as it would on such a machine.
#include "audio/SystemAudioOutput.h"

AudioOutput* createSystemAudioOutput() {
    return nullptr;
}
