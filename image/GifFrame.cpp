#include "image/GifFrame.h"

#include <cstdlib>

GifFrame::~GifFrame() {
    std::free(indices);
}
