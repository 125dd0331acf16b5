// A minimal Vornex effect: fills its viewport with a colour whose brightness pulses with
// the demo time. docs/writing-a-plugin.md shows this file as it is; the tests build it with
// the command the page gives and play it.
#include <vornex/plugin.h>

#include <GL/gl.h>

#include <cmath>

namespace {

// Pushes the OpenGL state before the effect draws; the player pops it afterwards because
// popAttributes is set, so whatever draw() changes stays inside this effect.
class PulseState : public EffectRenderState {
public:
    PulseState() { popAttributes = true; }
    void apply() override { glPushAttrib(GL_ALL_ATTRIB_BITS); }
};

class Pulse : public Effect {
public:
    Pulse() {
        renderState = &state_;
        // One declaration per parameter: listed in log.txt, read from the script.
        params_.addColour("color", color_);
        params_.addNumber("rate", rate_);
    }

    EffectParamTable* params() override { return params_.table(); }

    // <name color="r,g,b,a" rate="2" enabled="1" viewport="x,y,w,h"/>: attributes not
    // given keep their values.
    void configure(ScriptNode* element) override {
        for (const ScriptAttribute* attribute : element->attributes)
            if (!readEffectAttribute(*this, *attribute)) params_.read(*attribute, *this);
    }

    // The brightness comes from the demo time, not from summed deltas, so fast-forward
    // and rewind show the right frame at once.
    void update(float) override {
        brightness_ = 0.5f + 0.5f * std::sin(host->time() * rate_ * 6.2831853f);
    }

    // The player has set the viewport; clear only inside it.
    void draw() override {
        GLint box[4];
        glGetIntegerv(GL_VIEWPORT, box);
        glEnable(GL_SCISSOR_TEST);
        glScissor(box[0], box[1], box[2], box[3]);
        glClearColor(color_.x * brightness_, color_.y * brightness_, color_.z * brightness_,
                     color_.w);
        glClear(GL_COLOR_BUFFER_BIT);
    }

private:
    PulseState state_;
    EffectParamSet params_{"Pulse"};
    Vec4 color_ = {1.0f, 0.5f, 0.1f, 1.0f};
    float rate_ = 1.0f;
    float brightness_ = 1.0f;
};

} // namespace

VORNEX_PLUGIN_EXPORT uint32_t vornexSdkVersion() {
    return kSdkVersion;
}

VORNEX_PLUGIN_EXPORT const SdkRecordSize* vornexSdkRecordSizes() {
    return sdkRecordSizes();
}

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) {
    return sameScriptName(type, "pulse");
}

VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type) {
    return hasFX(type) ? new Pulse : nullptr;
}
