#include "audio/SampledDecoder.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

namespace {
using Source = SampledDecoder::Source;

sf_count_t sourceLength(void* user) {
    return static_cast<Source*>(user)->size;
}

sf_count_t sourceSeek(sf_count_t offset, int whence, void* user) {
    Source* source = static_cast<Source*>(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR) base = source->offset;
    if (whence == SEEK_END) base = source->size;
    const sf_count_t target = base + offset;
    if (target < 0 || target > source->size) return -1;
    source->offset = target;
    return target;
}

sf_count_t sourceRead(void* buffer, sf_count_t count, void* user) {
    Source* source = static_cast<Source*>(user);
    const sf_count_t left = source->size - source->offset;
    const sf_count_t length = count < left ? count : left;
    if (length <= 0) return 0;
    std::memcpy(buffer, source->bytes + source->offset, size_t(length));
    source->offset += length;
    return length;
}

sf_count_t sourceWrite(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t sourceTell(void* user) {
    return static_cast<Source*>(user)->offset;
}

SF_VIRTUAL_IO kSourceIo = {sourceLength, sourceSeek, sourceRead, sourceWrite, sourceTell};

// Beyond these a header is taken as broken rather than as a sound worth playing.
constexpr int kMaxSampleRate = 768000;
} // namespace

SampledDecoder* SampledDecoder::open(const uint8_t* bytes, uint32_t size, char* error,
                                     uint32_t errorSize) {
    Source* source = new Source{bytes, sf_count_t(size), 0};
    SF_INFO info{};
    SNDFILE* file = sf_open_virtual(&kSourceIo, SFM_READ, &info, source);
    if (!file) {
        std::snprintf(error, errorSize, "%s", sf_strerror(nullptr));
        delete source;
        return nullptr;
    }
    const char* refusal = nullptr;
    if (info.channels < 1 || info.channels > kMaxChannels)
        refusal = "unsupported channel count";
    else if (info.samplerate < 1 || info.samplerate > kMaxSampleRate)
        refusal = "unsupported sample rate";
    else if (info.frames <= 0)
        refusal = "no sound in file";
    float* block =
        refusal ? nullptr : new (std::nothrow) float[size_t(kBlockFrames) * info.channels];
    if (!refusal && !block) refusal = "out of memory";
    if (refusal) {
        std::snprintf(error, errorSize, "%s", refusal);
        sf_close(file);
        delete source;
        return nullptr;
    }
    return new SampledDecoder(file, info, source, block);
}

SampledDecoder::SampledDecoder(SNDFILE* file, const SF_INFO& info, Source* source, float* block)
    : file_(file), source_(source), channels_(info.channels), sampleRate_(info.samplerate),
      frameCount_(info.frames), block_(block) {
    seek(0.0, 0);
}

SampledDecoder::~SampledDecoder() {
    sf_close(file_);
    delete source_;
    delete[] block_;
}

bool SampledDecoder::fetch(float* frame) {
    if (blockNext_ == blockFrames_) {
        const sf_count_t read = sf_readf_float(file_, block_, kBlockFrames);
        blockFrames_ = read > 0 ? uint32_t(read) : 0;
        blockNext_ = 0;
        if (blockFrames_ == 0) return false;
    }
    const float* samples = block_ + size_t(blockNext_++) * channels_;
    frame[0] = samples[0];
    frame[1] = samples[channels_ > 1 ? 1 : 0];
    return true;
}

uint32_t SampledDecoder::render(float* stereo, uint32_t frames, uint32_t rate) {
    const double step = sampleRate_ / rate;
    uint32_t done = 0;
    while (done < frames && currentValid_) {
        const float weight = float(phase_);
        stereo[2 * done] = current_[0] + (next_[0] - current_[0]) * weight;
        stereo[2 * done + 1] = current_[1] + (next_[1] - current_[1]) * weight;
        ++done;
        phase_ += step;
        while (phase_ >= 1.0 && currentValid_) {
            phase_ -= 1.0;
            ++index_;
            current_[0] = next_[0];
            current_[1] = next_[1];
            currentValid_ = nextValid_;
            nextValid_ = nextValid_ && fetch(next_);
        }
    }
    return done;
}

double SampledDecoder::position() const {
    if (!currentValid_ || index_ >= frameCount_) return length();
    return (double(index_) + phase_) / sampleRate_;
}

void SampledDecoder::seek(double seconds, uint32_t) {
    blockFrames_ = blockNext_ = 0;
    currentValid_ = nextValid_ = false;
    const double frame = seconds * sampleRate_;
    // Compared as doubles first: a header may claim more frames than a count can hold.
    if (!(frame < double(frameCount_))) {
        index_ = frameCount_;
        phase_ = 0.0;
        return;
    }
    index_ = sf_count_t(std::floor(frame));
    phase_ = frame - double(index_);
    if (index_ >= frameCount_ || sf_seek(file_, index_, SEEK_SET) < 0) return;
    currentValid_ = fetch(current_);
    nextValid_ = currentValid_ && fetch(next_);
    // The last frame holds its value instead of fading towards silence.
    if (!nextValid_) std::memcpy(next_, current_, sizeof next_);
}
