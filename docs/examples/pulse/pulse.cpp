// A minimal Vornex effect: fills its viewport with a colour whose brightness pulses with
// the demo time. Build:
//   c++ -shared -fPIC pulse.cpp $(pkg-config --cflags vornex-plugin) -o pulse.so
#include <vornex/plugin.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace {

// Pushes the OpenGL state before the effect draws; the player pops it afterwards because
// popAttributes is set, so whatever draw() changes stays inside this effect.
class PulseState : public EffectRenderState {
public:
    PulseState() { popAttributes = true; }
    void apply() override { glPushAttrib(GL_ALL_ATTRIB_BITS); }
};

// The parameters the player lists in log.txt when the effect is added. Values live in the
// effect; the records only name them.
EffectParam colorParam = {kParamVec4f, "color"};
EffectParam rateParam = {kParamFloat, "rate"};
EffectParam* paramList[] = {&colorParam, &rateParam};
EffectParamTable paramTable = {"Pulse", 2, paramList};

class Pulse : public Effect {
public:
    Pulse() { renderState = &state_; }

    EffectParamTable* params() override { return &paramTable; }

    // <name color="r,g,b,a" rate="2"/>: attributes not given keep their values.
    void configure(ScriptNode* element) override {
        for (const ScriptAttribute* attribute : element->attributes) {
            if (strcasecmp(attribute->name, "color") == 0)
                std::sscanf(attribute->value, "%f,%f,%f,%f", &color_[0], &color_[1], &color_[2],
                            &color_[3]);
            else if (strcasecmp(attribute->name, "rate") == 0)
                rate_ = static_cast<float>(std::atof(attribute->value));
            else if (strcasecmp(attribute->name, "enabled") == 0)
                enabled = std::atoi(attribute->value) != 0;
        }
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
        glClearColor(color_[0] * brightness_, color_[1] * brightness_, color_[2] * brightness_,
                     color_[3]);
        glClear(GL_COLOR_BUFFER_BIT);
    }

private:
    PulseState state_;
    float color_[4] = {1.0f, 0.5f, 0.1f, 1.0f};
    float rate_ = 1.0f;
    float brightness_ = 1.0f;
};

} // namespace

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) {
    return strcasecmp(type, "pulse") == 0;
}

VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type) {
    return hasFX(type) ? new Pulse : nullptr;
}
