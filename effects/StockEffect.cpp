#include "StockEffect.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

void copyText(char* field, size_t size, const char* text) {
    std::snprintf(field, size, "%s", text);
}

} // namespace

void StockEffect::PushedState::apply() {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
}

StockEffect::StockEffect(const char* displayName) : table_{displayName, 0, list_} {
    renderState = &state_;
    // Listed so the table names every attribute configure() reads; configure() sets these
    // two itself, so they need no target.
    add("enabled", StockValue::Boolean, nullptr);
    add("viewport", StockValue::Rectangle, nullptr);
}

void StockEffect::add(const char* name, StockValue value, void* target) {
    // The tables are written by this library; running out is a programming error.
    if (table_.count >= kMaxParams) std::abort();
    StockParam& param = params_[table_.count];
    param.type = paramTypeOf(value);
    param.name = name;
    param.value = value;
    param.target = target;
    list_[table_.count++] = &param;
}

void StockEffect::addColour(const char* name, Vec4& target) {
    add(name, StockValue::Colour, &target);
}
void StockEffect::addVector(const char* name, Vec3& target) {
    add(name, StockValue::Vector, &target);
}
void StockEffect::addRectangle(const char* name, Vec4& target) {
    add(name, StockValue::Rectangle, &target);
}
void StockEffect::addNumber(const char* name, float& target) {
    add(name, StockValue::Number, &target);
}
void StockEffect::addInteger(const char* name, int& target) {
    add(name, StockValue::Integer, &target);
}
void StockEffect::addBoolean(const char* name, bool& target) {
    add(name, StockValue::Boolean, &target);
}
void StockEffect::addTexture(const char* name, TextureSlot& target) {
    add(name, StockValue::Texture, &target);
}
void StockEffect::addCamera(const char* name, CameraSlot& target) {
    add(name, StockValue::Camera, &target);
}
void StockEffect::addFile(const char* name, FileSlot& target) {
    add(name, StockValue::File, &target);
}
void StockEffect::addChoice(const char* name, ChoiceSlot& target) {
    add(name, StockValue::Choice, &target);
}

void StockEffect::configure(ScriptNode* element) {
    for (const ScriptAttribute* attribute : element->attributes) {
        if (strcasecmp(attribute->name, "enabled") == 0) {
            const bool wanted = std::atoi(attribute->value) != 0;
            if (wanted != enabled) {
                enabled = wanted;
                enabledChanged();
            }
            continue;
        }
        if (strcasecmp(attribute->name, "viewport") == 0) {
            std::sscanf(attribute->value, "%f,%f,%f,%f", &viewport.x, &viewport.y, &viewport.width,
                        &viewport.height);
            continue;
        }
        for (uint32_t i = 0; i < table_.count; ++i) {
            if (strcasecmp(attribute->name, params_[i].name) != 0) continue;
            set(params_[i], attribute->value);
            changed(params_[i]);
            break;
        }
    }
}

void StockEffect::set(StockParam& param, const char* text) {
    switch (param.value) {
    case StockValue::Colour:
    case StockValue::Rectangle: {
        Vec4& v = *static_cast<Vec4*>(param.target);
        std::sscanf(text, "%f,%f,%f,%f", &v.x, &v.y, &v.z, &v.w);
        break;
    }
    case StockValue::Vector: {
        Vec3& v = *static_cast<Vec3*>(param.target);
        std::sscanf(text, "%f,%f,%f", &v.x, &v.y, &v.z);
        break;
    }
    case StockValue::Number:
        *static_cast<float*>(param.target) = static_cast<float>(std::atof(text));
        break;
    case StockValue::Integer:
        *static_cast<int*>(param.target) = std::atoi(text);
        break;
    case StockValue::Boolean:
        *static_cast<bool*>(param.target) = std::atoi(text) != 0;
        break;
    case StockValue::Texture: {
        TextureSlot& slot = *static_cast<TextureSlot*>(param.target);
        copyText(slot.name, sizeof slot.name, text);
        slot.texture = nullptr;
        if (loaded_) resolve(param);
        break;
    }
    case StockValue::Camera: {
        CameraSlot& slot = *static_cast<CameraSlot*>(param.target);
        copyText(slot.name, sizeof slot.name, text);
        slot.camera = nullptr;
        if (loaded_) resolve(param);
        break;
    }
    case StockValue::File: {
        FileSlot& slot = *static_cast<FileSlot*>(param.target);
        if (std::strlen(text) >= sizeof slot.name) {
            hostLog("%s: file name longer than %i characters refused: %s", name,
                    FileSlot::kSize - 1, text);
            break;
        }
        copyText(slot.name, sizeof slot.name, text);
        break;
    }
    case StockValue::Choice: {
        ChoiceSlot& slot = *static_cast<ChoiceSlot*>(param.target);
        for (int i = 0; slot.words[i]; ++i) {
            if (strcasecmp(text, slot.words[i]) == 0) {
                slot.index = i;
                return;
            }
        }
        hostLog("%s: unknown %s [%s] ignored", name, param.name, text);
        break;
    }
    }
}

void StockEffect::resolve(StockParam& param) {
    if (param.value == StockValue::Texture) {
        TextureSlot& slot = *static_cast<TextureSlot*>(param.target);
        slot.texture = slot.name[0] ? host->loadTexture(slot.name) : nullptr;
    } else if (param.value == StockValue::Camera) {
        CameraSlot& slot = *static_cast<CameraSlot*>(param.target);
        slot.camera = slot.name[0] ? host->getCamera(slot.name) : nullptr;
    }
}

int StockEffect::load() {
    loaded_ = true;
    for (uint32_t i = 0; i < table_.count; ++i) resolve(params_[i]);
    return prepare();
}
