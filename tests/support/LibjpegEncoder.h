// Pixels encoded by libjpeg into a JPEG file in memory, for the tests and benchmarks that
// need a file of a given layout: colour spaces, sampling factors, progression, restarts.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

struct LibjpegSettings {
    int width = 0;
    int height = 0;
    int components = 3;
    J_COLOR_SPACE input = JCS_RGB;
    // The colour space stored in the file; JCS_UNKNOWN keeps libjpeg's choice for the input.
    J_COLOR_SPACE stored = JCS_UNKNOWN;
    int quality = 90;
    // Horizontal and vertical factor of each component; 0 keeps libjpeg's.
    int sampling[4] = {};
    bool progressive = false;
    int restartRows = 0;
};

// `pixels`: rows top first, `components` bytes a pixel.
inline std::vector<uint8_t> libjpegEncode(const uint8_t* pixels, const LibjpegSettings& settings) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&info, &out, &outSize);
    info.image_width = settings.width;
    info.image_height = settings.height;
    info.input_components = settings.components;
    info.in_color_space = settings.input;
    jpeg_set_defaults(&info);
    if (settings.stored != JCS_UNKNOWN) jpeg_set_colorspace(&info, settings.stored);
    jpeg_set_quality(&info, settings.quality, TRUE);
    for (int i = 0; i < info.num_components && i < 4; ++i) {
        if (settings.sampling[i] == 0) continue;
        info.comp_info[i].h_samp_factor = settings.sampling[i];
        info.comp_info[i].v_samp_factor = settings.sampling[i];
    }
    if (settings.progressive) jpeg_simple_progression(&info);
    info.restart_in_rows = settings.restartRows;
    jpeg_start_compress(&info, TRUE);
    const size_t rowBytes = size_t(settings.width) * settings.components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(pixels + info.next_scanline * rowBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> file(out, out + outSize);
    std::free(out);
    return file;
}
