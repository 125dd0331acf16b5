#include "image/JpegSlot.h"

int probeJpegSlot(Stream*) {
    return -1;
}

cFormat* makeJpegSlot() {
    return nullptr;
}
