// Links one function of each third-party library of the Windows build, so that the
// configure step finds out whether they all link together (cmake/Windows.cmake). It is
// linked, never run.
#include <assimp/Importer.hpp>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>
#include <hb.h>
#include <kiss_fft.h>
#include <libopenmpt/libopenmpt.h>
#include <png.h>
#include <sndfile.h>
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libswscale/swscale.h>
}

int main() {
    Assimp::Importer importer;
    const void* functions[] = {
        reinterpret_cast<const void*>(&FT_Init_FreeType),
        reinterpret_cast<const void*>(&hb_ft_font_create_referenced),
        reinterpret_cast<const void*>(&hb_shape),
        reinterpret_cast<const void*>(&kiss_fft_alloc),
        reinterpret_cast<const void*>(&openmpt_module_create_from_memory2),
        reinterpret_cast<const void*>(&png_create_read_struct),
        reinterpret_cast<const void*>(&sf_open_virtual),
        reinterpret_cast<const void*>(&avcodec_find_encoder),
        reinterpret_cast<const void*>(&avformat_alloc_output_context2),
        reinterpret_cast<const void*>(&sws_getCachedContext),
        reinterpret_cast<const void*>(&av_frame_alloc),
    };
    int linked = 0;
    for (const void* function : functions) linked += function != nullptr;
    return linked == sizeof functions / sizeof functions[0] ? 0 : 1;
}
