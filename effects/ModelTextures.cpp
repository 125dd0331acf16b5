#include "ModelTextures.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kSmallestSide = 8;
constexpr int kLargestSide = 2048;

// The player's textures are a power of two on each side.
int textureSide(int side) {
    int power = kSmallestSide;
    while (power < side && power < kLargestSide) power *= 2;
    return power;
}

// BGRA texels, bottom row first, from a PNG in memory; false when libpng refuses it.
bool decodePng(const std::vector<uint8_t>& bytes, int& width, int& height,
               std::vector<uint8_t>& texels) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
    image.format = PNG_FORMAT_BGRA;
    if (image.width == 0 || image.height == 0 || image.width > 4096 || image.height > 4096) {
        png_image_free(&image);
        return false;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    texels.resize(PNG_IMAGE_SIZE(image));
    // A negative stride stores the rows from the bottom up.
    const png_int_32 stride = -static_cast<png_int_32>(PNG_IMAGE_ROW_STRIDE(image));
    const bool ok = png_image_finish_read(&image, nullptr, texels.data(), stride, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

// Nearest-texel scaling to the texture's size.
std::vector<uint8_t> resample(const std::vector<uint8_t>& texels, int width, int height,
                              int toWidth, int toHeight) {
    std::vector<uint8_t> out(static_cast<size_t>(toWidth) * toHeight * 4);
    for (int y = 0; y < toHeight; ++y) {
        const int fromY = static_cast<int>(static_cast<long long>(y) * height / toHeight);
        for (int x = 0; x < toWidth; ++x) {
            const int fromX = static_cast<int>(static_cast<long long>(x) * width / toWidth);
            std::copy_n(&texels[(static_cast<size_t>(fromY) * width + fromX) * 4], 4,
                        &out[(static_cast<size_t>(y) * toWidth + x) * 4]);
        }
    }
    return out;
}

const char* baseName(const char* path) {
    const char* name = path;
    for (const char* c = path; *c; ++c)
        if (*c == '/' || *c == '\\') name = c + 1;
    return name;
}

Texture* makeEmbedded(DemoHost& host, const ModelEmbeddedTexture& embedded, const char* name,
                      std::string& reason) {
    int width = embedded.width;
    int height = embedded.height;
    std::vector<uint8_t> decoded;
    const std::vector<uint8_t>* texels = &embedded.bytes;
    if (height == 0) {
        if (!decodePng(embedded.bytes, width, height, decoded)) {
            reason = "its embedded " +
                     (embedded.formatHint.empty() ? std::string("picture") : embedded.formatHint) +
                     " texture is not a PNG the effect can read";
            return nullptr;
        }
        texels = &decoded;
    }
    const int sideX = textureSide(width);
    const int sideY = textureSide(height);
    const std::vector<uint8_t> sized = sideX == width && sideY == height
                                           ? *texels
                                           : resample(*texels, width, height, sideX, sideY);
    Texture* texture = host.createTexture(sideX, sideY, 32, false, name);
    if (!texture || !texture->texture.glName) {
        reason = "its embedded texture could not be made";
        return nullptr;
    }
    texture->texture.upload(sized.data());
    return texture;
}

} // namespace

Texture* findModelTexture(DemoHost& host, const ModelScene& scene, const ModelMaterial& material,
                          const char* modelName, std::string& reason) {
    if (material.embeddedTexture >= 0 &&
        static_cast<size_t>(material.embeddedTexture) < scene.embeddedTextures.size()) {
        char name[Texture::kNameSize];
        std::snprintf(name, sizeof name, "%.20s#%d", baseName(modelName), material.embeddedTexture);
        return makeEmbedded(host,
                            scene.embeddedTextures[static_cast<size_t>(material.embeddedTexture)],
                            name, reason);
    }
    if (material.textureFile.empty()) return nullptr;
    return host.loadTexture(baseName(material.textureFile.c_str()));
}
