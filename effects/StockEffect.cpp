#include "StockEffect.h"

#include <GL/gl.h>

void StockEffect::PushedState::apply() {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
}

StockEffect::StockEffect(const char* displayName) : params_(displayName) {
    renderState = &state_;
    // Listed so the table names every attribute configure() reads; configure() sets these
    // two itself.
    params_.addListed("enabled", ParamValue::Boolean);
    params_.addListed("viewport", ParamValue::Rectangle);
}

void StockEffect::configure(ScriptNode* element) {
    for (const ScriptAttribute* attribute : element->attributes) {
        const bool wasEnabled = enabled;
        if (readEffectAttribute(*this, *attribute)) {
            if (enabled != wasEnabled) enabledChanged();
            continue;
        }
        if (const ParamRecord* param = params_.read(*attribute, *this)) changed(*param);
    }
}

int StockEffect::load() {
    loaded_ = true;
    params_.resolve(*this);
    return prepare();
}
