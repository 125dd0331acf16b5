// Image decoding speed: the PNG reader next to stb_image and plain libpng decoding the same
// files in the same run, and TGA/BMP load throughput next to stb_image. Pixel counts are
// reported as items, so items_per_second reads as pixels per second.
#define STB_IMAGE_IMPLEMENTATION
#include "stb_image.h"

#include "image/FormatBMP.h"
#include "image/FormatPNG.h"
#include "image/FormatTGA.h"
#include "io/MemoryStream.h"
#include "tests/support/ImageBytes.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
constexpr int kSide = 1024;

// Smooth gradients with some noise: compresses like a typical texture, not like a flat
// colour or pure noise.
Bytes texturePixels(int channels, bool bottomUpBgr) {
    Bytes pixels;
    pixels.reserve(size_t(kSide) * kSide * channels);
    uint32_t seed = 12345;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            seed = seed * 1103515245 + 12345;
            const uint8_t noise = uint8_t(seed >> 28);
            const uint8_t rgba[4] = {uint8_t(x / 4 + noise), uint8_t(y / 4 + noise),
                                     uint8_t((x + y) / 8), uint8_t(255 - x / 4)};
            for (int c = 0; c < channels; ++c)
                pixels.push_back(bottomUpBgr && c < 3 ? rgba[2 - c] : rgba[c]);
        }
    return pixels;
}

const Bytes& pngFile(int channels) {
    static Bytes files[5];
    Bytes& file = files[channels];
    if (file.empty()) {
        PngPicture picture;
        picture.width = picture.height = kSide;
        picture.colourType = channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB;
        picture.samples = texturePixels(channels, false);
        file = encodePng(picture);
    }
    return file;
}

const Bytes& tgaFile(bool runLength) {
    static Bytes files[2];
    Bytes& file = files[runLength];
    if (file.empty()) {
        file = tgaHeader(runLength ? 10 : 2, kSide, kSide, 24);
        const Bytes pixels = texturePixels(3, true);
        if (!runLength) {
            append(file, pixels);
        } else {
            // As an encoder would: runs of equal pixels, raw packets of up to 128 pixels
            // between them.
            const size_t pixelCount = pixels.size() / 3;
            auto same = [&](size_t a, size_t b) {
                return std::equal(pixels.begin() + a * 3, pixels.begin() + a * 3 + 3,
                                  pixels.begin() + b * 3);
            };
            for (size_t at = 0; at < pixelCount;) {
                size_t count = 1;
                while (count < 128 && at + count < pixelCount && same(at, at + count)) ++count;
                if (count > 1) {
                    file.push_back(uint8_t(0x80 | (count - 1)));
                    file.insert(file.end(), pixels.begin() + at * 3, pixels.begin() + at * 3 + 3);
                } else {
                    while (count < 128 && at + count < pixelCount &&
                           !(at + count + 1 < pixelCount && same(at + count, at + count + 1)))
                        ++count;
                    file.push_back(uint8_t(count - 1));
                    file.insert(file.end(), pixels.begin() + at * 3,
                                pixels.begin() + (at + count) * 3);
                }
                at += count;
            }
        }
    }
    return file;
}

const Bytes& bmpFile() {
    static Bytes file;
    if (file.empty()) {
        file = bmpHeader(kSide, kSide, 24);
        append(file, texturePixels(3, true));
    }
    return file;
}

template <class Reader> void readerLoad(benchmark::State& state, const Bytes& file) {
    for (auto _ : state) {
        MemoryStream stream(file.data(), uint32_t(file.size()));
        Reader reader;
        if (reader.load(&stream) != 0) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(reader.pixels(0));
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
    state.SetBytesProcessed(state.iterations() * int64_t(file.size()));
}

void stbLoad(benchmark::State& state, const Bytes& file) {
    for (auto _ : state) {
        int width, height, channels;
        stbi_uc* pixels =
            stbi_load_from_memory(file.data(), int(file.size()), &width, &height, &channels, 0);
        if (!pixels) state.SkipWithError("stb_image failed");
        benchmark::DoNotOptimize(pixels);
        stbi_image_free(pixels);
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
    state.SetBytesProcessed(state.iterations() * int64_t(file.size()));
}

// libpng's simplified reader into a caller buffer: the plain library cost without this
// reader's row flipping and stream callback.
void libpngLoad(benchmark::State& state, const Bytes& file, int channels) {
    std::vector<uint8_t> pixels(size_t(kSide) * kSide * channels);
    for (auto _ : state) {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        png_image_begin_read_from_memory(&image, file.data(), file.size());
        image.format = channels == 4 ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
        if (!png_image_finish_read(&image, nullptr, pixels.data(), -kSide * channels, nullptr))
            state.SkipWithError("libpng failed");
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
    state.SetBytesProcessed(state.iterations() * int64_t(file.size()));
}

void BM_PngRgb_Vornex(benchmark::State& s) {
    readerLoad<cFormatPNG>(s, pngFile(3));
}
void BM_PngRgb_Stb(benchmark::State& s) {
    stbLoad(s, pngFile(3));
}
void BM_PngRgb_Libpng(benchmark::State& s) {
    libpngLoad(s, pngFile(3), 3);
}
void BM_PngRgba_Vornex(benchmark::State& s) {
    readerLoad<cFormatPNG>(s, pngFile(4));
}
void BM_PngRgba_Stb(benchmark::State& s) {
    stbLoad(s, pngFile(4));
}
void BM_PngRgba_Libpng(benchmark::State& s) {
    libpngLoad(s, pngFile(4), 4);
}
void BM_TgaRaw_Vornex(benchmark::State& s) {
    readerLoad<cFormatTGA>(s, tgaFile(false));
}
void BM_TgaRaw_Stb(benchmark::State& s) {
    stbLoad(s, tgaFile(false));
}
void BM_TgaRle_Vornex(benchmark::State& s) {
    readerLoad<cFormatTGA>(s, tgaFile(true));
}
void BM_TgaRle_Stb(benchmark::State& s) {
    stbLoad(s, tgaFile(true));
}
void BM_Bmp_Vornex(benchmark::State& s) {
    readerLoad<cFormatBMP>(s, bmpFile());
}
void BM_Bmp_Stb(benchmark::State& s) {
    stbLoad(s, bmpFile());
}
} // namespace

BENCHMARK(BM_PngRgb_Vornex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngRgb_Stb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngRgb_Libpng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngRgba_Vornex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngRgba_Stb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngRgba_Libpng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TgaRaw_Vornex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TgaRaw_Stb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TgaRle_Vornex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TgaRle_Stb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bmp_Vornex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bmp_Stb)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
