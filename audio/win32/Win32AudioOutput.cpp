#include "audio/win32/Win32AudioOutput.h"

#include "audio/Mixer.h"
#include "audio/SystemAudioOutput.h"

// The GL headers' linkage macros are predefined for the whole player (cmake/Windows.cmake);
// windows.h defines its own.
#undef APIENTRY
#undef CALLBACK
#undef WINGDIAPI
#include <windows.h>

#include <mmsystem.h>

#include <cstdio>

struct Win32AudioOutput::Buffer {
    WAVEHDR header;
    int16_t samples[kBufferFrames * 2];
};

Win32AudioOutput::~Win32AudioOutput() {
    stop();
}

int Win32AudioOutput::open(uint32_t frequency, Mixer& mixer) {
    mixer_ = &mixer;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = frequency;
    format.wBitsPerSample = 16;
    format.nBlockAlign = format.nChannels * format.wBitsPerSample / 8;
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    wake_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (!wake_) {
        std::snprintf(failure_, sizeof failure_, "no event for the sound thread (error %lu)",
                      GetLastError());
        return -1;
    }
    HWAVEOUT device = nullptr;
    const MMRESULT opened = waveOutOpen(&device, WAVE_MAPPER, &format,
                                        reinterpret_cast<DWORD_PTR>(wake_), 0, CALLBACK_EVENT);
    if (opened != MMSYSERR_NOERROR) {
        char text[MAXERRORLENGTH] = {};
        if (waveOutGetErrorTextA(opened, text, sizeof text) != MMSYSERR_NOERROR) text[0] = '\0';
        std::snprintf(failure_, sizeof failure_, "%s (waveOut error %u)",
                      text[0] ? text : "no sound output", static_cast<unsigned>(opened));
        CloseHandle(wake_);
        wake_ = nullptr;
        return -1;
    }
    device_ = device;
    buffers_ = new Buffer[kBufferCount]{};
    for (uint32_t index = 0; index < kBufferCount; ++index) {
        WAVEHDR& header = buffers_[index].header;
        header.lpData = reinterpret_cast<LPSTR>(buffers_[index].samples);
        header.dwBufferLength = sizeof(buffers_[index].samples);
        waveOutPrepareHeader(device, &header, sizeof(header));
    }
    running_ = true;
    for (uint32_t index = 0; index < kBufferCount; ++index) fill(index);
    thread_ = std::thread([this] { feed(); });
    return 0;
}

void Win32AudioOutput::stop() {
    if (!device_) return;
    running_ = false;
    SetEvent(wake_);
    if (thread_.joinable()) thread_.join();
    HWAVEOUT device = static_cast<HWAVEOUT>(device_);
    waveOutReset(device);
    for (uint32_t index = 0; index < kBufferCount; ++index) {
        waveOutUnprepareHeader(device, &buffers_[index].header, sizeof(WAVEHDR));
    }
    waveOutClose(device);
    CloseHandle(wake_);
    delete[] buffers_;
    buffers_ = nullptr;
    device_ = nullptr;
    wake_ = nullptr;
}

// Refills every buffer the device has finished with, until stopped.
void Win32AudioOutput::feed() {
    while (running_) {
        WaitForSingleObject(wake_, INFINITE);
        if (!running_) break;
        for (uint32_t index = 0; index < kBufferCount; ++index) {
            if (buffers_[index].header.dwFlags & WHDR_DONE) fill(index);
        }
    }
}

void Win32AudioOutput::fill(uint32_t index) {
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (!mixer_->mix(mix_, kBufferFrames)) {
            for (float& sample : mix_) sample = 0.0f;
        }
    }
    int16_t* samples = buffers_[index].samples;
    for (uint32_t i = 0; i < kBufferFrames * 2; ++i) {
        float sample = mix_[i];
        if (sample > 1.0f) sample = 1.0f;
        if (sample < -1.0f) sample = -1.0f;
        samples[i] = static_cast<int16_t>(sample * 32767.0f);
    }
    waveOutWrite(static_cast<HWAVEOUT>(device_), &buffers_[index].header, sizeof(WAVEHDR));
}

AudioOutput* createSystemAudioOutput() {
    return new Win32AudioOutput;
}
