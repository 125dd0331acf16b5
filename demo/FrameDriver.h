// Takes over the clock and the presentation of a running demo: a renderer steps the demo
// by a fixed amount, as fast as frames can be drawn, and takes each drawn frame instead
// of showing it.
#pragma once

struct WindowSettings;
class Demo;

class FrameDriver {
public:
    virtual ~FrameDriver() = default;

    // Adjusts the settings the demo's window is about to be made with.
    virtual void adjustWindow(WindowSettings& settings) = 0;
    // The step of the next frame, in hundredths of a second.
    virtual float frameStep() = 0;
    // Called after each frame step in place of presenting it.
    virtual void frameDrawn(Demo& demo) = 0;
};
