// Tracker modules through libopenmpt, played once through (no repeat).
#pragma once

#include "audio/MusicDecoder.h"

struct openmpt_module;

class ModuleDecoder : public MusicDecoder {
public:
    static ModuleDecoder* open(const uint8_t* bytes, uint32_t size, char* error,
                               uint32_t errorSize);
    ~ModuleDecoder() override;

    uint32_t render(float* stereo, uint32_t frames, uint32_t rate) override;
    double length() const override { return length_; }
    double position() const override;
    void seek(double seconds, uint32_t rate) override;

private:
    ModuleDecoder(openmpt_module* module, double length);

    openmpt_module* module_;
    double length_;
    bool ended_ = false;
    float scratch_[kBlockFrames * 2];
};
