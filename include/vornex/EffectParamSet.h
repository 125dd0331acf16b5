// Declares an effect's parameters once, for both ends: the table the player lists in the
// log (params()) and the reading of configuration elements. Each declaration names a
// parameter and the field of the effect that holds its value:
//
//     class Glow : public Effect {
//     public:
//         Glow() { params_.addColour("color", color_); params_.addNumber("rate", rate_); }
//         EffectParamTable* params() override { return params_.table(); }
//         void configure(ScriptNode* element) override {
//             for (const ScriptAttribute* attribute : element->attributes)
//                 if (!readEffectAttribute(*this, *attribute)) params_.read(*attribute, *this);
//         }
//         int load() override { params_.resolve(*this); return 0; }
//     private:
//         EffectParamSet params_{"Glow"};
//         Vec4 color_ = {1, 1, 1, 1};
//         float rate_ = 1;
//     };
//
// Values read as ScriptValue.h says. Texture and camera parameters keep the name as
// written and are looked up through the host by resolve() (in load(), and at once for
// names given after it). Files keep a name of up to 255 characters; choices take one of a
// list of words. Header-only.
#pragma once

#include "Camera.h"
#include "DemoHost.h"
#include "Effect.h"
#include "EffectParam.h"
#include "EffectParamTable.h"
#include "HostLog.h"
#include "ScriptNode.h"
#include "ScriptValue.h"
#include "Texture.h"
#include "Vec3.h"
#include "Vec4.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

enum class ParamValue {
    Colour,    // Vec4, "r,g,b,a"
    Vector,    // Vec3
    Rectangle, // Vec4, "x,y,width,height"
    Number,    // float
    Integer,   // int
    Boolean,   // bool
    Texture,   // TextureSlot
    Camera,    // CameraSlot
    File,      // FileSlot
    Choice,    // ChoiceSlot
    Numbers,   // Vec4, one to four numbers "x[,y[,z[,w]]]"
};

// A texture parameter: the name as written, and the texture once it is resolved.
struct TextureSlot {
    char name[Texture::kNameSize] = {};
    Texture* texture = nullptr;
};

// A camera parameter: the name as written, and the camera once it is resolved.
struct CameraSlot {
    char name[Camera::kNameSize] = {};
    Camera* camera = nullptr;
};

// A file name in the data tree (or a folder).
struct FileSlot {
    static constexpr int kSize = 256;
    char name[kSize] = {};
};

// One of a fixed list of words; `words` ends with a null pointer.
struct ChoiceSlot {
    const char* const* words = nullptr;
    int index = 0;
};

// The record the player lists, extended with what the value is and where it is kept.
struct ParamRecord : EffectParam {
    ParamValue value;
    void* target;
};

// The log's type code of a value; files and choices have none of their own, and report 7
// as they always have.
inline uint32_t paramTypeOf(ParamValue value) {
    constexpr uint32_t kParamUnknown = 7;
    switch (value) {
    case ParamValue::Colour:
    case ParamValue::Rectangle:
        return kParamVec4f;
    case ParamValue::Numbers:
        return kParamNumbers;
    case ParamValue::Vector:
        return kParamVec3f;
    case ParamValue::Number:
        return kParamFloat;
    case ParamValue::Integer:
        return kParamInteger;
    case ParamValue::Boolean:
        return kParamBoolean;
    case ParamValue::Texture:
        return kParamTexture;
    case ParamValue::Camera:
        return kParamCamera;
    case ParamValue::File:
    case ParamValue::Choice:
        break;
    }
    return kParamUnknown;
}

class EffectParamSet {
public:
    static constexpr uint32_t kCapacity = 32;

    explicit EffectParamSet(const char* displayName) : table_{displayName, 0, list_} {}
    EffectParamSet(const EffectParamSet&) = delete;
    EffectParamSet& operator=(const EffectParamSet&) = delete;

    EffectParamTable* table() { return &table_; }

    // A declaration past kCapacity is refused with a log line.
    void addColour(const char* name, Vec4& target) { add(name, ParamValue::Colour, &target); }
    void addVector(const char* name, Vec3& target) { add(name, ParamValue::Vector, &target); }
    void addRectangle(const char* name, Vec4& target) { add(name, ParamValue::Rectangle, &target); }
    void addNumber(const char* name, float& target) { add(name, ParamValue::Number, &target); }
    void addInteger(const char* name, int& target) { add(name, ParamValue::Integer, &target); }
    void addBoolean(const char* name, bool& target) { add(name, ParamValue::Boolean, &target); }
    void addTexture(const char* name, TextureSlot& target) {
        add(name, ParamValue::Texture, &target);
    }
    void addCamera(const char* name, CameraSlot& target) { add(name, ParamValue::Camera, &target); }
    void addFile(const char* name, FileSlot& target) { add(name, ParamValue::File, &target); }
    void addChoice(const char* name, ChoiceSlot& target) { add(name, ParamValue::Choice, &target); }
    void addNumbers(const char* name, Vec4& target) { add(name, ParamValue::Numbers, &target); }
    // Lists an attribute the effect reads itself (as `enabled` and `viewport`), so the table
    // names every attribute it takes; read() leaves it to the effect.
    void addListed(const char* name, ParamValue value) { add(name, value, nullptr); }

    // Sets the parameter the attribute names from its value. The parameter, or null when
    // the attribute names none. Refusals (a file name too long, an unknown choice) are
    // logged with the effect's name and keep the value.
    const ParamRecord* read(const ScriptAttribute& attribute, Effect& effect) {
        for (uint32_t i = 0; i < table_.count; ++i) {
            ParamRecord& param = records_[i];
            if (!param.target || !sameScriptName(attribute.name, param.name)) continue;
            set(param, attribute.value, effect);
            return &param;
        }
        return nullptr;
    }

    // Looks up every texture and camera named so far; names given later are looked up
    // as they come.
    void resolve(Effect& effect) {
        resolved_ = true;
        // Listed parameters (no target) are the effect's own to look up.
        for (uint32_t i = 0; i < table_.count; ++i)
            if (records_[i].target) resolveOne(records_[i], *effect.host);
    }

private:
    void add(const char* name, ParamValue value, void* target) {
        if (table_.count >= kCapacity) {
            hostLog("%s: more than %u parameters, %s refused", table_.displayName, kCapacity, name);
            return;
        }
        ParamRecord& param = records_[table_.count];
        param.type = paramTypeOf(value);
        param.name = name;
        param.value = value;
        param.target = target;
        list_[table_.count++] = &param;
    }

    void set(ParamRecord& param, const char* text, Effect& effect) {
        switch (param.value) {
        case ParamValue::Colour:
        case ParamValue::Rectangle:
        case ParamValue::Numbers:
            scriptValue(text, *static_cast<Vec4*>(param.target));
            break;
        case ParamValue::Vector:
            scriptValue(text, *static_cast<Vec3*>(param.target));
            break;
        case ParamValue::Number:
            scriptValue(text, *static_cast<float*>(param.target));
            break;
        case ParamValue::Integer:
            scriptValue(text, *static_cast<int*>(param.target));
            break;
        case ParamValue::Boolean:
            scriptValue(text, *static_cast<bool*>(param.target));
            break;
        case ParamValue::Texture: {
            TextureSlot& slot = *static_cast<TextureSlot*>(param.target);
            std::snprintf(slot.name, sizeof slot.name, "%s", text);
            slot.texture = nullptr;
            if (resolved_) resolveOne(param, *effect.host);
            break;
        }
        case ParamValue::Camera: {
            CameraSlot& slot = *static_cast<CameraSlot*>(param.target);
            std::snprintf(slot.name, sizeof slot.name, "%s", text);
            slot.camera = nullptr;
            if (resolved_) resolveOne(param, *effect.host);
            break;
        }
        case ParamValue::File: {
            FileSlot& slot = *static_cast<FileSlot*>(param.target);
            if (std::strlen(text) >= sizeof slot.name) {
                hostLog("%s: file name longer than %i characters refused: %s", effect.name,
                        FileSlot::kSize - 1, text);
                break;
            }
            std::snprintf(slot.name, sizeof slot.name, "%s", text);
            break;
        }
        case ParamValue::Choice: {
            ChoiceSlot& slot = *static_cast<ChoiceSlot*>(param.target);
            for (int i = 0; slot.words[i]; ++i) {
                if (sameScriptName(text, slot.words[i])) {
                    slot.index = i;
                    return;
                }
            }
            hostLog("%s: unknown %s [%s] ignored", effect.name, param.name, text);
            break;
        }
        }
    }

    static void resolveOne(ParamRecord& param, DemoHost& host) {
        if (param.value == ParamValue::Texture) {
            TextureSlot& slot = *static_cast<TextureSlot*>(param.target);
            slot.texture = slot.name[0] ? host.loadTexture(slot.name) : nullptr;
        } else if (param.value == ParamValue::Camera) {
            CameraSlot& slot = *static_cast<CameraSlot*>(param.target);
            slot.camera = slot.name[0] ? host.getCamera(slot.name) : nullptr;
        }
    }

    ParamRecord records_[kCapacity] = {};
    EffectParam* list_[kCapacity] = {};
    EffectParamTable table_;
    bool resolved_ = false;
};
