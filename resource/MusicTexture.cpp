#include "resource/MusicTexture.h"

#include "resource/PixelFormats.h"
#include "resource/ResourceName.h"
#include "resource/TextureList.h"
#include <vornex/Texture.h>

#include <GL/gl.h>
#include <initializer_list>
#include <new>

int MusicTexture::create(TextureList& textures) {
    Texture* entry = new (std::nothrow) Texture;
    if (!entry) return -1;
    copyResourceName(entry->name, Texture::kNameSize, kName);
    if (!textures.append(entry)) return -1;
    // Made here rather than by GLTexture::create, which keeps textures at 8 texels a side
    // at least. Linear filtering without mipmaps, as bind() sets it.
    GLTexture& gl = entry->texture;
    glGenTextures(1, &gl.glName);
    gl.width = kWidth;
    gl.height = kHeight;
    gl.bytesPerPixel = 3;
    gl.bind();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, kWidth, kHeight, 0, kBgrExt, GL_UNSIGNED_BYTE, texels_);
    texture_ = entry;
    return 0;
}

void MusicTexture::update(const uint8_t* spectrum, const uint8_t* waveform) {
    uint8_t* out = texels_;
    for (const uint8_t* row : {spectrum, waveform})
        for (uint32_t x = 0; x < kWidth; ++x, out += 3) out[0] = out[1] = out[2] = row[x];
    if (!texture_ || !texture_->texture.glName) return;
    glBindTexture(GL_TEXTURE_2D, texture_->texture.glName);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, kWidth, kHeight, kBgrExt, GL_UNSIGNED_BYTE, texels_);
}
