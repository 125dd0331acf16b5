// Format dispatch: finds the reader for a stream by probing the formats in a fixed order
// (TGA, JPEG, BMP, PNG, GIF) and returns the first one that loads. Each reader offers
//     static int probe(Stream*);   // 1 when the first bytes are its format, else -1;
//                                  // never moves the stream
// and its load(). The dispatch prints nothing of its own.
#pragma once

#include <vornex/Image.h>

class Stream;

// The caller owns the result; null when no reader accepts and loads the stream.
cFormat* readImage(Stream* stream);

// Opens `fileName` through the data locator and dispatches it; null when the file is
// missing or no reader loads it.
cFormat* loadImage(const char* fileName);
