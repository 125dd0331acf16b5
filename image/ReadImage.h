// Format dispatch: finds the reader for a stream by probing the formats in a fixed order
// (TGA, JPEG, BMP, PNG, GIF) and returns the first one that loads. Each reader offers
//     static int probe(Stream*);   // 1 when the first bytes are its format, else -1;
//                                  // never moves the stream
// and its load(), which names its reason with refuseImage() when it refuses a file of its
// format. The dispatch itself prints nothing; loadImage() prints one line for a file that
// is there but does not load, and one for a file that loads with parts left out.
#pragma once

#include <vornex/Image.h>

class Stream;

// The caller owns the result; null when no reader accepts and loads the stream.
cFormat* readImage(Stream* stream);

// readImage() for a texture: a GIF becomes the 32-bit picture of its first frame on the
// logical screen.
cFormat* readTextureImage(Stream* stream);

// Opens `fileName` through the data locator and dispatches it; null when the file is
// missing or no reader loads it. A GIF comes back as the reader decoded it: 8 bits per
// pixel, no pixels, its frames inside the reader.
cFormat* loadImage(const char* fileName);

// loadImage() through readTextureImage().
cFormat* loadTextureImage(const char* fileName);
