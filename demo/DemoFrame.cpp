// The per-frame half of Demo: the frame step and the input handlers. Nothing here
// allocates; what fired events execute may.
#include "demo/Demo.h"

#include "demo/EditSession.h"
#include "demo/FrameDriver.h"
#include "demo/KeyLog.h"
#include "demo/ProcessSettings.h"
#include "demo/ResourceRegistry.h"
#include "platform/native/Native.h"
#include <vornex/Effect.h>

#include <GL/gl.h>
#include <cstdio>
#include <strings.h>

bool Demo::frame() {
    if (edit) edit->beforeFrame(*this);
    if (frameDriver) {
        sync_.beforeStep(0.0f);
        frameStartTime = exactTime();
        // A renderer's picture shows exactly its own time, never a sum of rounded steps.
        stepTo(frameDriver->frameTime(exactTime()));
        sync_.afterStep();
        frameDriver->frameDrawn(*this);
        return false;
    }
    const float measured = clock().delta();
    // A fixed step of 1/lockfps seconds, in hundredths; none while edit mode holds the demo.
    const int32_t lockfps = processSettings().lockfps;
    float delta = lockfps > 0 ? 100.0f / static_cast<float>(lockfps) : measured;
    // The editor may move the demo before the frame starts.
    delta = sync_.beforeStep(delta);
    frameStartTime = exactTime();
    step(edit && edit->paused() ? 0.0f : delta);
    sync_.afterStep();
    present();
    return false;
}

void Demo::step(float delta) {
    advance(delta, std::nullopt);
}

void Demo::stepTo(double end) {
    advance(static_cast<float>((end - exactTime()) * 100.0), end);
}

void Demo::advance(float delta, std::optional<double> end) {
    // Compared by scripts and tests: keep the text exactly.
    if (processSettings().showfps) std::printf("fps %3.3f\n", static_cast<double>(clock().fps()));
    events_.forwardPass(static_cast<float>(frameStartTime), *this);
    const float scaled = delta * speed();
    setExactTime(end ? *end : exactTime() + static_cast<double>(scaled) * 0.01);
    if (speed() != 1.0f) {
        if (exactTime() < 0.0) {
            setExactTime(0.0);
            clock().reset();
        }
        seeking_ = true;
        // Music keeps its position in step with the seek even when nothing draws it.
        for (uint32_t i = 0; i < effectCount_; ++i)
            if (strcasecmp(effects[i]->type, "musicplay") == 0) effects[i]->update(scaled);
        events_.seekPass(static_cast<float>(exactTime()), *this);
    }
    analyseMusic();
    sync_.applyDrives();
    registry_->cameras.updateCameras(scaled);
    // Indexed, not iterated: an effect may replace the draw order through its host.
    for (uint32_t i = 0; i < drawOrder_.count(); ++i) {
        const DrawOrderItem& item = drawOrder_[i];
        if (item.kind == DrawOrderItem::kSurface) {
            drawTarget.switchTo(item.surface ? registry_->surfaces.findTarget(item.surface)
                                             : nullptr,
                                Window::width_, Window::height_);
            continue;
        }
        Effect* effect = item.effect;
        if (!effect || !effect->enabled) continue;
        effect->update(scaled);
        EffectRenderState* renderState = effect->renderState;
        if (renderState) renderState->apply();
        const float clientWidth = static_cast<float>(drawTarget.width(Window::width_));
        const float clientHeight = static_cast<float>(drawTarget.height(Window::height_));
        glViewport(static_cast<GLint>(clientWidth * effect->viewport.x),
                   static_cast<GLint>(clientHeight * effect->viewport.y),
                   static_cast<GLsizei>(clientWidth * effect->viewport.width),
                   static_cast<GLsizei>(clientHeight * effect->viewport.height));
        effect->draw();
        if (renderState && renderState->popAttributes) glPopAttrib();
    }
    drawTarget.finish();
    seeking_ = false;
}

void Demo::resize(int32_t newWidth, int32_t newHeight) {
    for (uint32_t i = 0; i < effectCount_; ++i) effects[i]->resize(newWidth, newHeight);
    cDemo::resize(newWidth, newHeight);
}

void Demo::key(uint32_t virtualKey, uint32_t pressed) {
    if (edit && edit->key(*this, virtualKey, pressed)) return;
    if (pressed) {
        uint8_t keyboard[256] = {};
        native::getKeyboardState(keyboard);
        uint16_t translated[2] = {};
        const int32_t produced = native::toAscii(virtualKey, 0, keyboard, translated, 0);
        const char character = static_cast<char>(translated[0] & 0xFF);
        const int32_t code = static_cast<signed char>(character);
        // Printable characters from '!' up, and everything above 127.
        if (produced != 0 && static_cast<uint32_t>(code) >= 33) {
            if (processSettings().keylog)
                appendKeyLog(kKeyLogFileName, frameStartTime, currentBank_, character);
            events_.fireKey(code, currentBank_, *this);
        }
    }
    cDemo::key(virtualKey, pressed);
}

void Demo::mouseMove(int32_t screenX, int32_t screenY) {
    cDemo::mouseMove(screenX, screenY);
    for (uint32_t i = 0; i < effectCount_; ++i)
        effects[i]->mouse(buttons(), 0, mouseNow(), mouseBefore());
}

void Demo::mouseUp(uint32_t button) {
    cDemo::mouseUp(button);
    const uint32_t released = button < 32 ? 1u << button : 0;
    for (uint32_t i = 0; i < effectCount_; ++i)
        effects[i]->mouse(buttons(), released, mouseNow(), mouseBefore());
}

void Demo::mouseWheel(int32_t delta) {
    cDemo::mouseWheel(delta);
    for (uint32_t i = 0; i < effectCount_; ++i)
        effects[i]->mouse(buttons(), 0, mouseNow(), mouseBefore());
}
