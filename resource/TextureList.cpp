#include "resource/TextureList.h"

#include "image/ReadImage.h"
#include "resource/ResourceName.h"
#include "resource/Surface.h"
#include <vornex/ScriptNode.h>

#include <new>
#include <strings.h>

TextureList::~TextureList() {
    for (Texture* entry : entries_) delete entry;
}

bool TextureList::append(Texture* entry) {
    try {
        entries_.push_back(entry);
    } catch (const std::bad_alloc&) {
        delete entry;
        return false;
    }
    return true;
}

Texture* TextureList::findTexture(const char* name) const {
    for (Texture* entry : entries_)
        if (sameResourceName(entry->name, name)) return entry;
    return nullptr;
}

Texture* TextureList::loadTexture(const char* fileName) {
    if (Texture* existing = findTexture(fileName)) return existing;
    cFormat* image = loadTextureImage(fileName);
    if (!image) return createTexture(8, 8, 24, false, fileName);

    Texture* entry = new (std::nothrow) Texture;
    if (entry) {
        copyResourceName(entry->name, Texture::kNameSize, fileName);
        if (entry->texture.create(image->width(), image->height(), int(image->bitsPerPixel())) == 0)
            entry->texture.upload(image->pixels(0));
    }
    delete image;
    return entry && append(entry) ? entry : nullptr;
}

Texture* TextureList::createTexture(int width, int height, int bitsPerPixel, bool surfaceKind,
                                    const char* name) {
    Texture* entry = surfaceKind ? new (std::nothrow) Surface : new (std::nothrow) Texture;
    if (!entry) return nullptr;
    copyResourceName(entry->name, Texture::kNameSize, name);
    if (!append(entry)) return nullptr;
    entry->texture.create(width, height, bitsPerPixel);
    return entry;
}

int replaceTexturePicture(Texture& entry, cFormat& image) {
    GLTexture& gl = entry.texture;
    const int width = image.width();
    const int height = image.height();
    const int bitsPerPixel = int(image.bitsPerPixel());
    const bool sameShape = gl.glName && gl.width == uint32_t(width) &&
                           gl.height == uint32_t(height) &&
                           int(gl.bytesPerPixel) * 8 == bitsPerPixel;
    if (!sameShape) {
        GLTexture replacement;
        // Refused, the old texture stays: its size must not be read from the new picture.
        if (replacement.create(width, height, bitsPerPixel) != 0) return -1;
        gl.release();
        gl = replacement;
    }
    gl.upload(image.pixels(0));
    return 0;
}

int defineTexture(TextureList& textures, const ScriptNode& element) {
    const char* mode = nullptr;
    element.getString("mode", mode);
    if (!mode) return 0;
    if (strcasecmp(mode, "load") == 0) {
        const char* fileName = nullptr;
        element.getString("filename", fileName);
        if (!fileName) return 0;
        return textures.loadTexture(fileName) ? 0 : -1;
    }
    if (strcasecmp(mode, "create") != 0) return 0;
    const char* name = nullptr;
    int width = 0, height = 0, bitsPerPixel = 0;
    element.getString("name", name);
    element.getInt("width", width);
    element.getInt("height", height);
    element.getInt("bpp", bitsPerPixel);
    if (!name || width <= 0 || height <= 0 || (bitsPerPixel != 24 && bitsPerPixel != 32)) return 0;
    return textures.createTexture(width, height, bitsPerPixel, false, name) ? 0 : -1;
}
