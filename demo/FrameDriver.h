// Takes over the clock and the presentation of a running demo: a renderer names the demo
// time of each picture, draws frames as fast as it can and takes each drawn frame instead
// of showing it.
#pragma once

struct WindowSettings;
class Demo;

class FrameDriver {
public:
    virtual ~FrameDriver() = default;

    // Adjusts the settings the demo's window is about to be made with.
    virtual void adjustWindow(WindowSettings& settings) = 0;
    // The demo time in seconds of the picture the next frame draws; `now` is the demo's
    // time before it. The frame ends exactly there.
    virtual double frameTime(double now) = 0;
    // Called after each frame step in place of presenting it.
    virtual void frameDrawn(Demo& demo) = 0;
    // True once the driver wants no further frame nor demo (its file is done or failed).
    virtual bool finished() const = 0;
};
