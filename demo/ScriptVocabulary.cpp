#include "demo/ScriptVocabulary.h"

#include <strings.h>

namespace {

using K = ValueKind;

const AttributeRule kSettings[] = {
    {"name", K::Text},      {"width", K::Integer},   {"height", K::Integer},
    {"bpp", K::Integer},    {"vsync", K::Integer},   {"fullscreen", K::Integer},
    {"vhs", K::Integer},    {"showfps", K::Integer}, {"lockfps", K::Integer},
    {"keylog", K::Integer}, {"mouse", K::Integer},   {"trigger", K::Text},
};
const AttributeRule kKeybank[] = {{"set", K::Integer}, {"inc", K::Integer}, {"dec", K::Integer}};
const AttributeRule kDraworder[] = {{"effect", K::EffectName}, {"surface", K::Text}};
const AttributeRule kAdd[] = {{"type", K::Text}, {"name", K::Text}};
const AttributeRule kTexture[] = {{"mode", K::Text},      {"filename", K::DataFile},
                                  {"name", K::Text},      {"width", K::Integer},
                                  {"height", K::Integer}, {"bpp", K::Integer}};
const AttributeRule kCamera[] = {
    {"mode", K::Text},        {"name", K::Text},        {"viewport", K::Vec4},
    {"pos", K::Vec3},         {"rot", K::Vec3},         {"lookat", K::Vec3},
    {"fov", K::Number},       {"znear", K::Number},     {"zfar", K::Number},
    {"speed", K::Number},     {"loopstart", K::Number}, {"loopend", K::Number},
    {"loopMode", K::Integer}, {"frame", K::Number},     {"direction", K::Number},
};
const AttributeRule kCameraKey[] = {{"t", K::Number},    {"pos", K::Vec3},      {"rot", K::Vec3},
                                    {"lookat", K::Vec3}, {"viewport", K::Vec4}, {"fov", K::Number}};
const AttributeRule kSurface[] = {
    {"mode", K::Text}, {"name", K::Text}, {"width", K::Integer}, {"height", K::Integer}};
const AttributeRule kEvent[] = {{"time", K::Number}, {"key", K::Text}, {"bank", K::Integer}};
const AttributeRule kLoadplugin[] = {{"file", K::Plugin}};
const AttributeRule kLoad[] = {{"effect", K::EffectName}};

template <size_t N> constexpr ElementRule rule(const char* name, const AttributeRule (&list)[N]) {
    return {name, list, N};
}

const ElementRule kKeywords[] = {
    rule("keybank", kKeybank), rule("draworder", kDraworder),
    rule("add", kAdd),         rule("texture", kTexture),
    rule("camera", kCamera),   rule("surface", kSurface),
    rule("event", kEvent),     rule("loadplugin", kLoadplugin),
    rule("load", kLoad),       {"run", nullptr, 0},
    {"exit", nullptr, 0},
};
const ElementRule kCameraKeyRule = rule("key", kCameraKey);

} // namespace

const ElementRule* findKeyword(const char* name) {
    for (const ElementRule& keyword : kKeywords)
        if (strcasecmp(keyword.name, name) == 0) return &keyword;
    return nullptr;
}

const ElementRule* keywordAt(size_t index) {
    return index < keywordCount() ? &kKeywords[index] : nullptr;
}

size_t keywordCount() {
    return sizeof kKeywords / sizeof kKeywords[0];
}

const AttributeRule* findSetting(const char* name) {
    for (const AttributeRule& setting : kSettings)
        if (strcasecmp(setting.name, name) == 0) return &setting;
    return nullptr;
}

const ElementRule& cameraKeyRule() {
    return kCameraKeyRule;
}

const AttributeRule* findAttribute(const ElementRule& rule, const char* name) {
    for (size_t i = 0; i < rule.attributeCount; ++i)
        if (strcasecmp(rule.attributes[i].name, name) == 0) return &rule.attributes[i];
    return nullptr;
}
