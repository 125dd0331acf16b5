// The base of the stock effects: declares parameters once (for the log and for reading
// `configure` elements), takes `enabled` and `viewport` for every effect, resolves texture
// and camera names through the host, and keeps every effect's OpenGL state changes inside
// the effect by pushing the attribute stack (the player pops it after draw()).
#pragma once

#include "StockParam.h"

class StockEffect : public Effect {
public:
    explicit StockEffect(const char* displayName);

    EffectParamTable* params() override { return &table_; }
    // Sets the parameters the element's attributes name; the others keep their values.
    void configure(ScriptNode* element) override;
    // Resolves the textures and cameras named so far, then prepare().
    int load() override;

protected:
    void addColour(const char* name, Vec4& target);
    void addVector(const char* name, Vec3& target);
    void addRectangle(const char* name, Vec4& target);
    void addNumber(const char* name, float& target);
    void addInteger(const char* name, int& target);
    void addBoolean(const char* name, bool& target);
    void addTexture(const char* name, TextureSlot& target);
    void addCamera(const char* name, CameraSlot& target);
    void addFile(const char* name, FileSlot& target);
    void addChoice(const char* name, ChoiceSlot& target);

    // After `configure` set a parameter; `param.target` tells which.
    virtual void changed(const StockParam&) {}
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

    static constexpr uint32_t kMaxParams = 14;

    void add(const char* name, StockValue value, void* target);
    void set(StockParam& param, const char* text);
    void resolve(StockParam& param);

    PushedState state_;
    StockParam params_[kMaxParams] = {};
    EffectParam* list_[kMaxParams] = {};
    EffectParamTable table_;
    bool loaded_ = false;
};
