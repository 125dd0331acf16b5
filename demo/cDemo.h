// The real-time demo base: frame clock, play speed and demo time, normalised mouse state,
// frame pacing, and the start and stop of the audio device. It knows nothing of scripts;
// Demo builds the script-driven player on it.
#pragma once

#include "platform/FrameTimer.h"
#include "platform/GLWindow.h"

#include <cstdint>

class cDemo : public GLWindow {
public:
    // A frame takes at least this long, whatever the vertical sync does.
    static constexpr uint32_t kMinimumFrameMilliseconds = 14;
    // The end of that wait is spun rather than slept, since a sleep may end this late.
    static constexpr uint32_t kSpinMilliseconds = 1;
    // Play speed while a mouse button seeks in vhs mode.
    static constexpr float kSeekSpeed = 100.0f;
    static constexpr uint32_t kAudioFrequency = 44100;

    cDemo();
    // Stops and frees the audio device; deletes the clock.
    ~cDemo() override;

    // present(): the base frame of a demo that draws nothing itself.
    bool frame() override;
    // Escape (press or release) closes the demo.
    void key(uint32_t virtualKey, uint32_t pressed) override;
    // Cursor as 0..1 of the client area; a client side of 0 leaves the position as it was.
    void mouseMove(int32_t screenX, int32_t screenY) override;
    // Speed back to 1; the button's bit is toggled.
    void mouseUp(uint32_t button) override;
    // In vhs mode the left button fast-forwards and the right one rewinds; otherwise the
    // speed returns to 1. The button's bit is set.
    void mouseDown(uint32_t button) override;
    void mouseWheel(int32_t delta) override;

    // Start-up once the window exists: texture size report, two black frames, audio
    // device 1 at 44100 Hz (device 0, silent, when that fails), clock reset.
    void init();
    // Swaps, waits until kMinimumFrameMilliseconds have passed since the clock's last
    // tick (sleeping, then spinning through the last kSpinMilliseconds), and ticks the
    // clock.
    void present();

    FrameTimer& clock() { return *clock_; }
    float speed() const { return speed_; }
    // Demo time in seconds, in the double it is kept in; effects read it as a float
    // through DemoHost::time().
    double exactTime() const { return time_; }
    // x and y in 0..1 of the client area from the left and top; [2] the wheel sum.
    const float* mouse() const { return mouse_; }
    uint32_t buttons() const { return buttons_; } // bit 0 left, 1 middle, 2 right held

protected:
    void setExactTime(double seconds) { time_ = seconds; }
    // What effects are handed with each mouse call: now and before the change.
    float* mouseNow() { return mouse_; }
    float* mouseBefore() { return previousMouse; }

private:
    FrameTimer* clock_;
    float speed_ = 1.0f;
    // Kept in double, so that a fixed step adds up exactly enough over hours.
    double time_ = 0.0;
    float mouse_[3] = {};
    float previousMouse[3] = {};
    uint32_t buttons_ = 0;
};
