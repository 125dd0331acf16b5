#include <vornex/Texture.h>

Texture::~Texture() {
    texture.release();
}
