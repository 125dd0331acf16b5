#include "audio/ModuleDecoder.h"

#include <libopenmpt/libopenmpt.h>

#include <cmath>
#include <cstdio>

namespace {
constexpr int kSeekTries = 16;
} // namespace

ModuleDecoder* ModuleDecoder::open(const uint8_t* bytes, uint32_t size, char* error,
                                   uint32_t errorSize) {
    int code = 0;
    const char* message = nullptr;
    openmpt_module* module = openmpt_module_create_from_memory2(
        bytes, size, openmpt_log_func_silent, nullptr, openmpt_error_func_store, nullptr, &code,
        &message, nullptr);
    if (!module) {
        std::snprintf(error, errorSize, "%s", message ? message : "not a module");
        openmpt_free_string(message);
        return nullptr;
    }
    openmpt_free_string(message);
    const double length = openmpt_module_get_duration_seconds(module);
    if (!std::isfinite(length) || length <= 0.0) {
        std::snprintf(error, errorSize, "no playable length");
        openmpt_module_destroy(module);
        return nullptr;
    }
    return new ModuleDecoder(module, length);
}

ModuleDecoder::ModuleDecoder(openmpt_module* module, double length)
    : module_(module), length_(length) {}

ModuleDecoder::~ModuleDecoder() {
    openmpt_module_destroy(module_);
}

uint32_t ModuleDecoder::render(float* stereo, uint32_t frames, uint32_t rate) {
    if (ended_) return 0;
    const size_t rendered =
        openmpt_module_read_interleaved_float_stereo(module_, int32_t(rate), frames, stereo);
    if (rendered < frames) ended_ = true;
    return uint32_t(rendered);
}

double ModuleDecoder::position() const {
    return ended_ ? length_ : openmpt_module_get_position_seconds(module_);
}

// libopenmpt seeks to the start of a row, the first one at or after the time asked for.
// Asking earlier, by twice as much each try, finds a row start at or before the time; the
// rest of the way is rendered and dropped, so the position is exact to the output frame.
void ModuleDecoder::seek(double seconds, uint32_t rate) {
    ended_ = seconds >= length_;
    if (ended_) return;
    double rowStart = openmpt_module_set_position_seconds(module_, seconds);
    double backoff = rowStart - seconds;
    for (int tries = 0; rowStart > seconds && tries < kSeekTries; ++tries, backoff *= 2)
        rowStart = openmpt_module_set_position_seconds(module_, std::fmax(0.0, seconds - backoff));
    if (rowStart > seconds) rowStart = openmpt_module_set_position_seconds(module_, 0.0);
    uint64_t skip = uint64_t(std::llround(std::fmax(0.0, seconds - rowStart) * rate));
    while (skip > 0) {
        const uint32_t frames = skip < kBlockFrames ? uint32_t(skip) : kBlockFrames;
        if (render(scratch_, frames, rate) < frames) return;
        skip -= frames;
    }
}
