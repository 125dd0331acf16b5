#include "image/gif/GifFrame.h"

#include <cstdlib>

GifFrame::~GifFrame() {
    std::free(indices);
}
