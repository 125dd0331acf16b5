// Placeholder for the JPEG slot of the format dispatch until the JPEG reader exists: it
// refuses every stream, so JPEG files fall through to the later readers.
#pragma once

#include "plugin/Image.h"

class Stream;

int probeJpegSlot(Stream* stream);
cFormat* makeJpegSlot();
