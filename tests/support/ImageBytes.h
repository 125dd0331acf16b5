// Builders for small image files in memory: TGA and BMP headers written byte by byte, PNG
// through libpng's writer, so tests control every field they look at.
#pragma once

#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void putU16(Bytes& bytes, size_t at, uint32_t value) {
    bytes[at] = uint8_t(value);
    bytes[at + 1] = uint8_t(value >> 8);
}

inline void putU32(Bytes& bytes, size_t at, uint32_t value) {
    putU16(bytes, at, value & 0xFFFF);
    putU16(bytes, at + 2, value >> 16);
}

// An 18-byte TGA header; identifier, colour map and pixel bytes are appended by the caller.
inline Bytes tgaHeader(int type, int width, int height, int bitsPerPixel, int idLength = 0) {
    Bytes header(18, 0);
    header[0] = uint8_t(idLength);
    header[2] = uint8_t(type);
    putU16(header, 12, uint32_t(width));
    putU16(header, 14, uint32_t(height));
    header[16] = uint8_t(bitsPerPixel);
    return header;
}

// A 54-byte BMP header with the pixel block right after it.
inline Bytes bmpHeader(int width, int height, int bitsPerPixel) {
    Bytes header(54, 0);
    header[0] = 'B';
    header[1] = 'M';
    putU32(header, 10, 54);
    putU32(header, 14, 40);
    putU32(header, 18, uint32_t(width));
    putU32(header, 22, uint32_t(height));
    putU16(header, 26, 1);
    putU16(header, 28, uint32_t(bitsPerPixel));
    return header;
}

inline void append(Bytes& to, const Bytes& bytes) {
    // Byte by byte: GCC 12 mistakes the bounds of a vector's block insert for an overflow.
    to.reserve(to.size() + bytes.size());
    for (uint8_t byte : bytes) to.push_back(byte);
}

struct PngPicture {
    int width = 8;
    int height = 8;
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    // Rows top first, samples as the colour type and depth store them (16-bit big-endian).
    Bytes samples;
    std::vector<png_color> palette;
    Bytes paletteAlpha;
    // The transparent value of a grey picture, or -1.
    int transparentGrey = -1;
};

inline Bytes encodePng(const PngPicture& picture) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, size_t length) {
            auto* target = static_cast<Bytes*>(png_get_io_ptr(p));
            target->insert(target->end(), data, data + length);
        },
        nullptr);
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colourType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!picture.palette.empty())
        png_set_PLTE(png, info, picture.palette.data(), int(picture.palette.size()));
    if (!picture.paletteAlpha.empty())
        png_set_tRNS(png, info, picture.paletteAlpha.data(), int(picture.paletteAlpha.size()),
                     nullptr);
    png_color_16 grey = {};
    grey.gray = png_uint_16(picture.transparentGrey);
    if (picture.transparentGrey >= 0) png_set_tRNS(png, info, nullptr, 0, &grey);
    png_write_info(png, info);
    // A header alone: the samples are left out.
    if (picture.samples.empty()) {
        png_destroy_write_struct(&png, &info);
        return out;
    }
    const size_t rowBytes = picture.samples.size() / size_t(picture.height);
    std::vector<png_bytep> rows(picture.height);
    for (int y = 0; y < picture.height; ++y)
        rows[y] = const_cast<uint8_t*>(picture.samples.data()) + size_t(y) * rowBytes;
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

inline std::string asString(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}
