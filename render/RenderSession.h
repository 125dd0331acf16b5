// Renders a demo into a video file: the demo is stepped one frame of the file's rate at a
// time, as fast as it can be drawn, in a window that is never shown; each drawn frame is
// read back and encoded together with the sound the audio layer mixes for exactly that
// frame's stretch of demo time. Ends when the demo ends (its `exit`: the picture at or past
// the exit's time is the last), after the given duration, on a write error or on a stop
// signal, with a progress line on the terminal meanwhile. The file is written under a
// temporary name and takes the target's name only when it is complete.
#pragma once

#include "demo/FrameDriver.h"
#include "render/PendingFile.h"
#include "render/RenderClock.h"
#include "render/VideoEncoder.h"

#include <cstddef>
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

    enum class Outcome {
        Written, // the file is complete under its name
        Failed,  // nothing replaced; the reason was printed
        Stopped, // by a signal (stopSignal()); nothing replaced
    };

    // 0 when `path` names a container that takes the video; -1 with the reason otherwise.
    static int checkTarget(const char* path, char* message, size_t messageSize);

    explicit RenderSession(const Options& options);
    // Puts signals and the audio layer back as they were.
    ~RenderSession() override;

    // Makes the temporary file, takes the stop signals and puts the audio layer in render
    // mode; -1 (with a line on standard output) when the file cannot be written. Call
    // before the demo starts.
    int begin();
    // Completes the file and gives it its name, or leaves the target as it was.
    Outcome finish();
    int stopSignal() const { return stopSignal_; }

    void adjustWindow(WindowSettings& settings) override;
    double frameTime(double now) override;
    void frameDrawn(Demo& demo) override;
    bool finished() const override { return done_; }

private:
    // Opens the file at the size of the first frame; false when it cannot.
    bool openFile(Demo& demo, int windowWidth, int windowHeight);
    // Ends the render early: the demo closes and no later demo runs.
    void stop(Demo& demo);
    // One line on standard output and in the log.
    void say(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Leaves the target as it was after a stop signal.
    Outcome stopped(int signal);
    // Closes and removes the unfinished file.
    void abandonFile();
    void showProgress(bool last);
    // Frames the demo will take up to its first `exit` event; 0 when none is known.
    int64_t framesUntilExit(Demo& demo) const;

    Options options_;
    RenderClock clock_;
    PendingFile file_;
    VideoEncoder encoder_;
    bool begun_ = false;
    bool opened_ = false;
    bool failed_ = false;
    bool done_ = false;
    int stopSignal_ = 0;
    int64_t totalFrames_ = 0;
    double lastDemoSeconds_ = 0.0;
    uint32_t startTick_ = 0;
    uint32_t lastShownTick_ = 0;
    std::unique_ptr<uint8_t[]> pixels_;
    size_t pixelCapacity_ = 0;
    std::unique_ptr<float[]> sound_;
};
