#include "StockParam.h"

namespace {
constexpr uint32_t kParamUnknown = 7;
} // namespace

uint32_t paramTypeOf(StockValue value) {
    switch (value) {
    case StockValue::Colour:
    case StockValue::Rectangle:
        return kParamVec4f;
    case StockValue::Vector:
        return kParamVec3f;
    case StockValue::Number:
        return kParamFloat;
    case StockValue::Integer:
        return kParamInteger;
    case StockValue::Boolean:
        return kParamBoolean;
    case StockValue::Texture:
        return kParamTexture;
    case StockValue::Camera:
        return kParamCamera;
    case StockValue::File:
    case StockValue::Choice:
        return kParamUnknown;
    }
    return kParamUnknown;
}
