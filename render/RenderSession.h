// Renders a demo into a video file: the demo is stepped by exactly one frame of the
// file's rate per frame, as fast as it can be drawn, in a window that is never shown;
// each drawn frame is read back and encoded together with the sound the audio layer
// mixes for exactly that frame's stretch of demo time. Ends when the demo ends (its
// `exit`) or after the given duration, with a progress line on the terminal meanwhile.
#pragma once

#include "demo/FrameDriver.h"
#include "render/VideoEncoder.h"

#include <cstdint>
#include <memory>

class RenderSession : public FrameDriver {
public:
    static constexpr int kSampleRate = 44100;

    struct Options {
        const char* path = nullptr;
        int fps = 30;
        int width = 0; // 0: the demo's own window size
        int height = 0;
        double duration = 0.0; // seconds; 0: until the demo ends
    };

    explicit RenderSession(const Options& options);
    ~RenderSession() override;

    // Puts the audio layer in render mode. Call before the demo starts.
    void begin();
    // Completes the file. -1 when nothing was written or the file could not be completed.
    int finish();

    void adjustWindow(WindowSettings& settings) override;
    float frameStep() override;
    void frameDrawn(Demo& demo) override;

    int64_t framesWritten() const { return frames_; }

private:
    // Opens the file at the size of the first frame; false (demo closed) when it cannot.
    bool openFile(Demo& demo, int windowWidth, int windowHeight);
    void showProgress(bool last);
    // Frames the demo will take up to its first `exit` event; 0 when none is known.
    int64_t framesUntilExit(Demo& demo) const;

    Options options_;
    VideoEncoder encoder_;
    bool failed_ = false;
    bool firstFrameOfDemo_ = true;
    int64_t frames_ = 0;
    int64_t totalFrames_ = 0;
    int64_t soundFrames_ = 0;
    double lastDemoSeconds_ = 0.0;
    uint32_t startTick_ = 0;
    uint32_t lastShownTick_ = 0;
    std::unique_ptr<uint8_t[]> pixels_;
    size_t pixelCapacity_ = 0;
    std::unique_ptr<float[]> sound_;
    uint32_t soundCapacity_ = 0;
};
