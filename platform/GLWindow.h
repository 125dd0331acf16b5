// A Window with an OpenGL context: optional fullscreen display mode, pixel format, context,
// initial projection and GL state, presentation and teardown. The context is a
// compatibility profile, so the fixed-function pipeline is available.
#pragma once

#include "platform/Window.h"
#include "platform/WindowSettings.h"
#include "platform/native/Native.h"

class GLWindow : public Window {
public:
    GLWindow();
    ~GLWindow() override;

    // Clears colour and depth and presents.
    bool frame() override;
    // Viewport and a 45 degree perspective for the new client size; a height of 0
    // (minimised) keeps the previous viewport and projection.
    void resize(int32_t newWidth, int32_t newHeight) override;
    void close() override;

    // 1 on success, 0 on failure (after a message box). Changes settings for fullscreen.
    int create(WindowSettings& settings);
    // Releases context and device context and restores the display mode; safe at any time.
    void shutdownGL();
    void makeCurrent();

    static constexpr double kFieldOfView = 45.0;
    static constexpr double kNearPlane = 0.2;
    static constexpr double kFarPlane = 400.0;

    // The display mode was changed by create and must be restored.
    bool fullscreen() const { return fullscreen_; }
    native::DeviceContext deviceContext() const { return deviceContext_; }
    native::RenderContext renderContext() const { return renderContext_; }

private:
    bool fullscreen_;
    native::DeviceContext deviceContext_;
    native::RenderContext renderContext_;

    int fail(const char* text);
    void setInitialState();
};
