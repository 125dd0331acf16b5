// Chooses a decoder by file name extension and opens music from bytes in memory.
#pragma once

#include "audio/MusicDecoder.h"

#include <cstdint>

enum class MusicFormat { Unknown, Module, Sampled };

// Case-insensitive: ".it .xm .s3m .mod .mo3" are modules, ".wav .ogg .mp3 .flac" sampled.
MusicFormat musicFormatFor(const char* fileName);

// Room for a decoder's reason, ending zero included.
constexpr uint32_t kDecoderErrorSize = 256;

// The decoder keeps a pointer to `bytes`, which must outlive it. Returns null for
// unreadable bytes, with the decoder's reason in `error` (errorSize bytes).
MusicDecoder* openMusicDecoder(MusicFormat format, const uint8_t* bytes, uint32_t size, char* error,
                               uint32_t errorSize);
