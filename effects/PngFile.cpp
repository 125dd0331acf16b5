#include "PngFile.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

int writePng(const char* path, const uint8_t* pixels, int width, int height) {
    FILE* file = std::fopen(path, "wb");
    if (!file) return -1;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        std::fclose(file);
        return -1;
    }
    // libpng leaves its failures (a full disk, say) with a jump back here.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return -1;
    }
    png_init_io(png, file);
    // Frames are written while the demo plays: speed matters more than size.
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int row = height - 1; row >= 0; --row)
        png_write_row(png, pixels + static_cast<size_t>(row) * rowBytes);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0 ? 0 : -1;
}
