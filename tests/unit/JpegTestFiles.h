// JPEG test material: photo-like pictures encoded by Debian's cjpeg at test time, hand-built
// marker streams, the decoder under test run over bytes, and libjpeg-turbo as the oracle
// (slow integer transform, no fancy upsampling).
#pragma once

#include "LibjpegEncoder.h"
#include "TempDir.h"
#include "image/jpeg/JpegDecoder.h"
#include "image/jpeg/MemoryJpegSource.h"

#include <cstdio>
#include <jpeglib.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using JpegBytes = std::vector<uint8_t>;

inline bool haveCjpeg() {
    return std::filesystem::exists("/usr/bin/cjpeg");
}

// Smooth gradients, hard edges and a noisy patch: every kind of block a photo has.
inline std::string photoPnm(int width, int height, bool grey = false) {
    std::string pnm =
        (grey ? "P5\n" : "P6\n") + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const bool patch = ((x / 24) + (y / 24)) % 3 == 0;
            const int r = int(128 + 120 * std::sin(x / 11.0 + y / 29.0));
            const int g = patch ? int(noise >> 24) : int(128 + 100 * std::cos(y / 9.0));
            const int b = ((x / 16) % 2) ? (x * y) & 255 : 255 - (x + y) % 256;
            if (grey) {
                pnm.push_back(char((r + g + b) / 3));
            } else {
                pnm.push_back(char(r));
                pnm.push_back(char(g));
                pnm.push_back(char(b));
            }
        }
    }
    return pnm;
}

// Runs `/usr/bin/cjpeg options` over the picture; empty on failure.
inline JpegBytes cjpeg(const std::string& pnm, const std::string& options) {
    TempDir dir;
    dir.write("in.pnm", pnm);
    const std::string command =
        "/usr/bin/cjpeg " + options + " -outfile " + dir.file("out.jpg") + " " + dir.file("in.pnm");
    if (std::system(command.c_str()) != 0) return {};
    const std::string bytes = dir.read("out.jpg");
    return JpegBytes(bytes.begin(), bytes.end());
}

struct DecodedJpeg {
    int constructError = 0;
    int beginResult = 0;
    int lastResult = 0; // what decodeLine returned last
    int errorCode = 0;
    int width = 0, height = 0, components = 0, rows = 0, rowBytes = 0;
    JpegBytes pixels; // rows as handed out
};

inline DecodedJpeg decodeJpeg(const JpegBytes& file, bool useSimd = true) {
    DecodedJpeg result;
    MemoryJpegSource source(file.data(), uint32_t(file.size()));
    JpegDecoder decoder(&source, useSimd);
    result.constructError = decoder.errorCode();
    result.width = decoder.width();
    result.height = decoder.height();
    result.components = decoder.componentCount();
    result.beginResult = decoder.begin();
    if (result.beginResult == 0) {
        const uint8_t* row = nullptr;
        int rowBytes = 0;
        while ((result.lastResult = decoder.decodeLine(row, rowBytes)) == 0) {
            result.pixels.insert(result.pixels.end(), row, row + rowBytes);
            result.rowBytes = rowBytes;
            ++result.rows;
        }
    }
    result.errorCode = decoder.errorCode();
    return result;
}

// Drops the fourth byte of each colour pixel, to compare with the oracle's RGB.
inline JpegBytes rgbOf(const DecodedJpeg& decoded) {
    if (decoded.components == 1) return decoded.pixels;
    JpegBytes rgb;
    for (size_t i = 0; i < decoded.pixels.size(); i += 4)
        rgb.insert(rgb.end(), decoded.pixels.begin() + i, decoded.pixels.begin() + i + 3);
    return rgb;
}

// `asCmyk`: four-component files as the ink values stored (inverted, as Adobe writes them)
// turned into RGB with R = C x K / 255 and so on.
inline JpegBytes oracleDecode(const JpegBytes& file, bool asCmyk = false) {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), (unsigned long)file.size());
    jpeg_read_header(&info, TRUE);
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = FALSE;
    if (asCmyk) info.out_color_space = JCS_CMYK;
    jpeg_start_decompress(&info);
    const size_t stride = size_t(info.output_width) * info.output_components;
    JpegBytes pixels(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (!asCmyk) return pixels;
    JpegBytes rgb;
    for (size_t i = 0; i + 3 < pixels.size(); i += 4)
        for (int c = 0; c < 3; ++c)
            rgb.push_back(uint8_t((pixels[i + c] * pixels[i + 3] + 127) / 255));
    return rgb;
}

// Four-component pixels (C, M, Y, K as stored) encoded by libjpeg as CMYK or YCCK; libjpeg
// adds Adobe's segment, as Adobe's programs do.
inline JpegBytes encodeCmyk(const JpegBytes& cmyk, int width, int height, J_COLOR_SPACE space,
                            bool subsampled) {
    LibjpegSettings settings;
    settings.width = width;
    settings.height = height;
    settings.components = 4;
    settings.input = JCS_CMYK;
    settings.stored = space;
    const int factor = subsampled ? 2 : 1;
    settings.sampling[0] = settings.sampling[3] = factor;
    settings.sampling[1] = settings.sampling[2] = 1;
    return libjpegEncode(cmyk.data(), settings);
}

// ImageMagick's RGB for a JPEG file (8 bits per channel, top row first).
inline JpegBytes magickRgb(const JpegBytes& file) {
    TempDir dir;
    dir.write("in.jpg", std::string(file.begin(), file.end()));
    const std::string command = "/usr/bin/convert " + dir.file("in.jpg") +
                                " -depth 8 -colorspace sRGB rgb:" + dir.file("out.rgb");
    if (std::system(command.c_str()) != 0) return {};
    const std::string bytes = dir.read("out.rgb");
    return JpegBytes(bytes.begin(), bytes.end());
}

inline int largestDifference(const JpegBytes& a, const JpegBytes& b) {
    if (a.size() != b.size()) return 256;
    int largest = 0;
    for (size_t i = 0; i < a.size(); ++i) largest = std::max(largest, std::abs(a[i] - b[i]));
    return largest;
}

// Offset of the first `marker` (0xFF marker) at or after `from`; npos when absent.
inline size_t findMarker(const JpegBytes& file, int marker, size_t from = 0) {
    for (size_t i = from; i + 1 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == marker) return i;
    return std::string::npos;
}
