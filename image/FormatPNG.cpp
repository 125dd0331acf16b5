#include "image/FormatPNG.h"

#include "image/ImageRefusal.h"
#include "image/ProbeBytes.h"
#include "io/Stream.h"

#include <csetjmp>
#include <png.h>

namespace {
constexpr uint32_t kPngMinimumSize = 9;
constexpr uint32_t kPngSignatureSize = 8;
// Far above any texture size; keeps a forged header from asking for gigabytes, while a
// long thin picture (65,535 x 1) is as welcome as a square one.
constexpr uint64_t kMaxPixels = 16384 * 16384;
// The largest side the format allows; the pixel count is the real bound.
constexpr uint32_t kPngMaxSide = 0x7FFFFFFF;
// The most libpng may take for one chunk other than the image data. A length field is
// believed until the bytes run out, so without a cap a 57-byte file could claim 2 GB.
constexpr png_alloc_size_t kMaxChunkBytes = 4 * 1024 * 1024;

void readFromStream(png_structp png, png_bytep destination, size_t length) {
    Stream* stream = static_cast<Stream*>(png_get_io_ptr(png));
    if (length > UINT32_MAX || stream->read(destination, uint32_t(length)) != 0)
        png_error(png, "unexpected end of data");
}

void dropWarning(png_structp, png_const_charp) {}

// libpng's message becomes the reason for the refusal, instead of a line on standard error.
[[noreturn]] void refuseWithReason(png_structp png, png_const_charp message) {
    refuseImage("damaged PNG (%s)", message);
    png_longjmp(png, 1);
}

// libpng reports errors by jumping back to the point set in load(); the structures are set
// before that point and never changed after it, so they are intact after a jump.
struct Decoder {
    png_structp png = nullptr;
    png_infop info = nullptr;

    ~Decoder() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};
} // namespace

int cFormatPNG::probe(Stream* stream) {
    uint8_t signature[kPngSignatureSize];
    if (!peekBytes(stream, kPngMinimumSize, signature, kPngSignatureSize)) return -1;
    return png_sig_cmp(signature, 0, kPngSignatureSize) == 0 ? 1 : -1;
}

int cFormatPNG::load(Stream* stream) {
    reset();
    if (probe(stream) != 1) return -1;
    Decoder decoder;
    decoder.png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, refuseWithReason, dropWarning);
    if (!decoder.png) return -1;
    decoder.info = png_create_info_struct(decoder.png);
    if (!decoder.info) return -1;
    if (setjmp(png_jmpbuf(decoder.png))) return -1;

    png_set_read_fn(decoder.png, stream, readFromStream);
    png_set_user_limits(decoder.png, kPngMaxSide, kPngMaxSide);
    png_set_chunk_malloc_max(decoder.png, kMaxChunkBytes);
    // Text, colour profiles and the other ancillary chunks are never used here: skipped
    // unread and unstored. PLTE and tRNS are still read.
    png_set_keep_unknown_chunks(decoder.png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_read_info(decoder.png, decoder.info);
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colourType = 0, interlaceType = 0;
    png_get_IHDR(decoder.png, decoder.info, &width, &height, &bitDepth, &colourType, &interlaceType,
                 nullptr, nullptr);
    width_ = int32_t(width);
    height_ = int32_t(height);
    if (uint64_t(width) * height > kMaxPixels)
        return refuseImage("PNG of %u x %u pixels is over the limit of %llu pixels", width, height,
                           static_cast<unsigned long long>(kMaxPixels));

    png_set_strip_16(decoder.png);
    png_set_packing(decoder.png);
    const bool transparentColour = png_get_valid(decoder.png, decoder.info, PNG_INFO_tRNS) != 0;
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(decoder.png);
        if (transparentColour) png_set_tRNS_to_alpha(decoder.png);
    } else if (!(colourType & PNG_COLOR_MASK_COLOR)) {
        // Grey samples of 1, 2 or 4 bits are scaled to the full 8-bit range, then copied to
        // all three channels; a transparent grey value becomes alpha, as it does for palettes.
        png_set_expand_gray_1_2_4_to_8(decoder.png);
        png_set_gray_to_rgb(decoder.png);
        if (transparentColour) png_set_tRNS_to_alpha(decoder.png);
    }
    png_set_bgr(decoder.png);
    const int passes = png_set_interlace_handling(decoder.png);
    png_read_update_info(decoder.png, decoder.info);

    const uint32_t channels = png_get_channels(decoder.png, decoder.info);
    bitsPerPixel_ = channels == 4 ? 32 : 24;
    const size_t rowBytes = size_t(bitsPerPixel_ / 8) * width;
    // Any transformation this reader did not foresee would write past the rows.
    if (png_get_rowbytes(decoder.png, decoder.info) != rowBytes || (channels != 3 && channels != 4))
        return refuseImage("PNG of colour type %d and %d bits not supported", colourType, bitDepth);
    // `size_` stays 0 for PNG images.
    if (!allocatePixels(uint64_t(rowBytes) * height)) return refuseImage("out of memory");
    size_ = 0;

    // Row i from the top lands in row height - 1 - i: bottom row first. Every pass of an
    // interlaced file updates the rows in place.
    for (int pass = 0; pass < passes; ++pass)
        for (uint32_t i = 0; i < height; ++i)
            png_read_row(decoder.png, pixels_ + size_t(height - 1 - i) * rowBytes, nullptr);
    png_read_end(decoder.png, nullptr);
    return 0;
}
