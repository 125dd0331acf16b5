// The machine's sound output (device 1), chosen when the player is linked: audio/sdl/ on
// Linux, audio/win32/ on Windows, audio/fake/ (no sound card) for the unit tests.
#pragma once

class AudioOutput;

// A new, unopened output; the caller owns it. Null when this build has no sound output.
AudioOutput* createSystemAudioOutput();
