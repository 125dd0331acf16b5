#include "image/FormatPNG.h"

#include "image/ProbeBytes.h"
#include "io/Stream.h"

#include <csetjmp>
#include <png.h>

namespace {
constexpr uint32_t kMinimumSize = 9;
constexpr uint32_t kSignatureSize = 8;
// Far above any texture size; keeps a forged header from asking for gigabytes.
constexpr uint32_t kMaxSide = 16384;

void readFromStream(png_structp png, png_bytep destination, size_t length) {
    Stream* stream = static_cast<Stream*>(png_get_io_ptr(png));
    if (length > UINT32_MAX || stream->read(destination, uint32_t(length)) != 0)
        png_error(png, "unexpected end of data");
}

void dropWarning(png_structp, png_const_charp) {}

// libpng reports errors by jumping back to the point set in load(); the structures are set
// before that point and never changed after it, so they are intact after a jump.
struct Decoder {
    png_structp png = nullptr;
    png_infop info = nullptr;

    ~Decoder() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};
} // namespace

int cFormatPNG::probe(Stream* stream) {
    uint8_t signature[kSignatureSize];
    if (!peekBytes(stream, kMinimumSize, signature, kSignatureSize)) return -1;
    return png_sig_cmp(signature, 0, kSignatureSize) == 0 ? 1 : -1;
}

int cFormatPNG::load(Stream* stream) {
    reset();
    if (probe(stream) != 1) return -1;
    Decoder decoder;
    decoder.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, dropWarning);
    if (!decoder.png) return -1;
    decoder.info = png_create_info_struct(decoder.png);
    if (!decoder.info) return -1;
    if (setjmp(png_jmpbuf(decoder.png))) return -1;

    png_set_read_fn(decoder.png, stream, readFromStream);
    png_set_user_limits(decoder.png, kMaxSide, kMaxSide);
    png_read_info(decoder.png, decoder.info);
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colourType = 0, interlaceType = 0;
    png_get_IHDR(decoder.png, decoder.info, &width, &height, &bitDepth, &colourType, &interlaceType,
                 nullptr, nullptr);
    width_ = int32_t(width);
    height_ = int32_t(height);
    if (!(colourType & PNG_COLOR_MASK_COLOR)) return -1;

    png_set_strip_16(decoder.png);
    png_set_packing(decoder.png);
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(decoder.png);
        if (png_get_valid(decoder.png, decoder.info, PNG_INFO_tRNS))
            png_set_tRNS_to_alpha(decoder.png);
    }
    png_set_bgr(decoder.png);
    const int passes = png_set_interlace_handling(decoder.png);
    png_read_update_info(decoder.png, decoder.info);

    const uint32_t channels = png_get_channels(decoder.png, decoder.info);
    bitsPerPixel_ = channels == 4 ? 32 : 24;
    const size_t rowBytes = size_t(bitsPerPixel_ / 8) * width;
    // Any transformation this reader did not foresee would write past the rows.
    if (png_get_rowbytes(decoder.png, decoder.info) != rowBytes || (channels != 3 && channels != 4))
        return -1;
    // `size_` stays 0 for PNG images.
    if (!allocatePixels(uint64_t(rowBytes) * height)) return -1;
    size_ = 0;

    // Row i from the top lands in row height - 1 - i: bottom row first. Every pass of an
    // interlaced file updates the rows in place.
    for (int pass = 0; pass < passes; ++pass)
        for (uint32_t i = 0; i < height; ++i)
            png_read_row(decoder.png, pixels_ + size_t(height - 1 - i) * rowBytes, nullptr);
    png_read_end(decoder.png, nullptr);
    return 0;
}
