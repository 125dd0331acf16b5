// Music for effects: files from the data tree's "music/" folder, mixed into the audio
// device that the player starts. Tracker modules (.it .xm .s3m .mod .mo3) and sampled
// sound (.wav .ogg .mp3 .flac).
//
// A music is named by a handle; 0 is never a valid handle. Handles of closed musics, and
// every handle after the player frees the audio device, are invalid; calls on an invalid
// handle do nothing and return -1. Positions and lengths are in seconds. Call from the
// player's thread (effect operations), never from other threads.
#pragma once

#include "Api.h"

#include <cstdint>

typedef uint32_t MusicHandle;

// Loads and decodes the file's header; the music starts paused at 0. Returns 0, with a
// log line saying why, for a missing, unknown or broken file or a full music table.
VORNEX_API MusicHandle musicOpen(const char* fileName);
VORNEX_API int musicClose(MusicHandle music);

// Starts or resumes from the current position; a music that played to its end starts
// again from 0.
VORNEX_API int musicPlay(MusicHandle music);
// Holds the position.
VORNEX_API int musicPause(MusicHandle music);
// Halts and rewinds to 0.
VORNEX_API int musicStop(MusicHandle music);
// 1 while playing, 0 when paused, stopped or ended, -1 for an invalid handle.
VORNEX_API int musicIsPlaying(MusicHandle music);

// 0 is silent, 1 full; other values are clamped to that range.
VORNEX_API int musicSetVolume(MusicHandle music, float volume);
VORNEX_API float musicGetVolume(MusicHandle music);

VORNEX_API double musicGetLength(MusicHandle music);
// The position of the next sound to be mixed; it advances in real time while the music
// plays, also on the silent device.
VORNEX_API double musicGetPosition(MusicHandle music);
// Exact to the output sample; clamped to [0, length]. Setting the length ends the music.
VORNEX_API int musicSetPosition(MusicHandle music, double seconds);

// Names the music the player analyses for the demo (the `music` texture and the music.*
// sync tracks): from the next frame on, the decoded sound of `music` at the demo time less
// `start` seconds, while that music plays, read by a decoder of its own so playback is not
// disturbed. The last music named wins; 0 ends the analysis, as does closing the music.
// musicplay names its music whenever it starts it.
VORNEX_API int musicAnalyse(MusicHandle music, double start);
