// Device 1 on Windows: the default waveOut device, 16-bit stereo, fed by a thread of its
// own that mixes every playing music into a ring of short buffers. The only file of the
// audio layer that talks to the Windows sound API.
#pragma once

#include "audio/AudioOutput.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

class Win32AudioOutput : public AudioOutput {
public:
    ~Win32AudioOutput() override;

    int open(uint32_t frequency, Mixer& mixer) override;
    void stop() override;
    void lock() override { mutex_.lock(); }
    void unlock() override { mutex_.unlock(); }
    const char* failure() const override { return failure_; }

private:
    // About 23 ms per buffer at 44100 Hz; four of them keep the device fed without
    // letting music positions run far ahead of what is heard.
    static constexpr uint32_t kBufferFrames = 1024;
    static constexpr uint32_t kBufferCount = 4;

    void feed();
    void fill(uint32_t index);

    Mixer* mixer_ = nullptr;
    void* device_ = nullptr; // HWAVEOUT
    void* wake_ = nullptr;   // event the device signals when a buffer is done
    std::mutex mutex_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    struct Buffer;
    Buffer* buffers_ = nullptr;
    float mix_[kBufferFrames * 2];
    char failure_[256] = {};
};
