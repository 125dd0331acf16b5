#include "demo/cDemo.h"

#include "audio/AudioDevice.h"
#include "demo/ProcessSettings.h"
#include "log/Log.h"
#include "platform/native/Native.h"

#include <GL/gl.h>

cDemo::cDemo() : clock_(new FrameTimer) {}

cDemo::~cDemo() {
    audio::stop();
    audio::free();
    delete clock_;
}

bool cDemo::frame() {
    present();
    return true;
}

void cDemo::key(uint32_t virtualKey, uint32_t) {
    if (virtualKey == native::VK_ESCAPE) close();
}

void cDemo::mouseMove(int32_t screenX, int32_t screenY) {
    if (width_ <= 0 || height_ <= 0) return;
    int32_t clientX = screenX - x_;
    int32_t clientY = screenY - y_;
    clientX = clientX < 0 ? 0 : (clientX > width_ ? width_ : clientX);
    clientY = clientY < 0 ? 0 : (clientY > height_ ? height_ : clientY);
    previousMouse[0] = mouse_[0];
    previousMouse[1] = mouse_[1];
    mouse_[0] = static_cast<float>(clientX) / static_cast<float>(width_);
    mouse_[1] = static_cast<float>(clientY) / static_cast<float>(height_);
}

void cDemo::mouseUp(uint32_t button) {
    speed_ = 1.0f;
    if (button < 32) buttons_ ^= 1u << button;
}

void cDemo::mouseDown(uint32_t button) {
    if (processSettings().vhs) {
        if (button == 0) speed_ = kSeekSpeed;
        if (button == 2) speed_ = -kSeekSpeed;
    } else {
        speed_ = 1.0f;
    }
    if (button < 32) buttons_ |= 1u << button;
}

void cDemo::mouseWheel(int32_t delta) {
    previousMouse[2] = mouse_[2];
    mouse_[2] += static_cast<float>(delta);
}

void cDemo::init() {
    makeCurrent();
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    if (size < 256)
        // Compared by scripts and tests: keep the text exactly.
        Log::instance().print(
            "Warning: cDemo::init() this hardware's maximum texture size is too low (%ix%i)\n",
            size, size);
    else
        // Compared by scripts and tests: keep the text exactly.
        Log::instance().print("Maximum texture size: %ix%i\n", size, size);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    for (int blackFrame = 0; blackFrame < 2; ++blackFrame) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        native::swapBuffers(deviceContext());
    }
    // Without a sound output the silent device still consumes the music in real time.
    if (audio::init(1, kAudioFrequency, 0, handle_) != 0) {
        Log::instance().print("Sound is off: %s; the music plays silently", audio::failure());
        audio::init(0, kAudioFrequency, 0, handle_);
    }
    clock_->reset();
}

void cDemo::present() {
    native::swapBuffers(deviceContext());
    // Sleep through most of the wait and spin, yielding, only through the last
    // kSpinMilliseconds: a sleep may end late, but the frame must still end in the
    // millisecond the minimum is reached.
    for (;;) {
        const uint32_t elapsed = native::getTickCount() - clock_->pacingTick();
        if (elapsed >= kMinimumFrameMilliseconds) break;
        const uint32_t remaining = kMinimumFrameMilliseconds - elapsed;
        native::sleep(remaining > kSpinMilliseconds ? remaining - kSpinMilliseconds : 0);
    }
    clock_->tick();
}
