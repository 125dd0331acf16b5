// The base of the stock effects: declares parameters once through the SDK's parameter set
// (for the log and for reading `configure` elements), takes `enabled` and `viewport` for
// every effect, resolves texture and camera names through the host, and keeps every
// effect's OpenGL state changes inside the effect by pushing the attribute stack (the
// player pops it after draw()).
#pragma once

#include <vornex/EffectAttributes.h>
#include <vornex/EffectParamSet.h>
#include <vornex/plugin.h>

class StockEffect : public Effect {
public:
    explicit StockEffect(const char* displayName);

    EffectParamTable* params() override { return params_.table(); }
    // Sets the parameters the element's attributes name; the others keep their values.
    void configure(ScriptNode* element) override;
    // Resolves the textures and cameras named so far, then prepare().
    int load() override;

protected:
    void addColour(const char* name, Vec4& target) { params_.addColour(name, target); }
    void addVector(const char* name, Vec3& target) { params_.addVector(name, target); }
    void addRectangle(const char* name, Vec4& target) { params_.addRectangle(name, target); }
    void addNumber(const char* name, float& target) { params_.addNumber(name, target); }
    void addInteger(const char* name, int& target) { params_.addInteger(name, target); }
    void addBoolean(const char* name, bool& target) { params_.addBoolean(name, target); }
    void addTexture(const char* name, TextureSlot& target) { params_.addTexture(name, target); }
    void addCamera(const char* name, CameraSlot& target) { params_.addCamera(name, target); }
    void addFile(const char* name, FileSlot& target) { params_.addFile(name, target); }
    void addChoice(const char* name, ChoiceSlot& target) { params_.addChoice(name, target); }
    void addNumbers(const char* name, Vec4& target) { params_.addNumbers(name, target); }
    // An attribute the effect's own configure() reads, listed so the table names it.
    void addListed(const char* name, ParamValue value) { params_.addListed(name, value); }

    // After `configure` set a parameter; `param.target` tells which.
    virtual void changed(const ParamRecord&) {}
    // The effect's own loading: files, OpenGL objects, buffers.
    virtual int prepare() { return 0; }
    // Called when `enabled` changes through configure.
    virtual void enabledChanged() {}

    bool loaded() const { return loaded_; }

private:
    class PushedState : public EffectRenderState {
    public:
        PushedState() { popAttributes = true; }
        void apply() override;
    };

    PushedState state_;
    EffectParamSet params_;
    bool loaded_ = false;
};
