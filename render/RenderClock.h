// The clock of a render, counted in whole frames: picture k of a demo shows the time its
// run began at plus k / fps, computed from k (never summed, so it stays exact over hours),
// and the sound of the file's frame n is the samples from n * rate / fps up to
// (n + 1) * rate / fps, so sound and pictures never drift apart.
#pragma once

#include <cstdint>

class RenderClock {
public:
    RenderClock(int fps, int sampleRate) : fps_(fps), sampleRate_(sampleRate) {}

    // A new demo: its first picture shows the time its run stands at then.
    void newDemo() { picturesOfDemo_ = -1; }
    // The demo time of the next picture; `now` is the demo's time before it.
    double nextPictureTime(double now);
    // The demo time of picture `k` of the current demo.
    double pictureTime(int64_t k) const { return base_ + static_cast<double>(k) / fps_; }
    // The picture just drawn is in the file: the sound samples that belong to it.
    uint32_t pictureWritten();

    int64_t frames() const { return frames_; }
    int64_t soundSamples() const { return soundSamples_; }
    // The most samples pictureWritten() gives.
    uint32_t maxSamplesOfPicture() const { return static_cast<uint32_t>(sampleRate_ / fps_ + 1); }

    // Pictures of `seconds` of demo from the run's start: those whose time lies before the
    // end. 0.7 s at 30 frames a second are 21 pictures, not 22 for the rounding of 0.7.
    static int64_t framesIn(double seconds, int fps);
    // Pictures of the current demo up to an `exit` at `seconds`: the exit fires in the frame
    // after the first picture at or past its time (events compare times as floats), and
    // that picture is the last one, as on the screen. 0 when it fires before the first.
    int64_t framesUntilExitAt(float seconds) const;

private:
    int fps_;
    int sampleRate_;
    double base_ = 0.0;
    int64_t picturesOfDemo_ = -1; // index of the current demo's latest picture
    int64_t frames_ = 0;          // in the file, all demos
    int64_t soundSamples_ = 0;
};
