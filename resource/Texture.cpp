#include "plugin/Texture.h"

Texture::~Texture() {
    texture.release();
}
