#include "demo/ScriptVocabulary.h"

#include "demo/Demo.h"

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
const AttributeRule kSurface[] = {{"mode", K::Text},
                                  {"name", K::Text},
                                  {"width", K::Integer},
                                  {"height", K::Integer},
                                  {"target", K::Integer}};
const AttributeRule kEvent[] = {{"time", K::Number}, {"key", K::Text}, {"bank", K::Integer}};
const AttributeRule kLoadplugin[] = {{"file", K::Plugin}};
const AttributeRule kLoad[] = {{"effect", K::EffectName}};
const AttributeRule kSync[] = {{"bpm", K::Number}, {"rowsperbeat", K::Number}, {"base", K::Text}};
const AttributeRule kPart[] = {{"start", K::Number}};
const AttributeRule kDrive[] = {{"effect", K::EffectName}, {"param", K::Text}, {"tracks", K::Text}};

template <size_t kCount>
constexpr ElementRule rule(const char* name, const AttributeRule (&list)[kCount]) {
    return {name, list, kCount};
}

constexpr ElementRule bare(const char* name) {
    return {name, nullptr, 0};
}

const ElementRule kCameraKeyRule = rule("key", kCameraKey);

} // namespace

// A friend of Demo, whose handlers are its own business but for this table.
struct KeywordTable {
    static const Keyword kEntries[];
};

// Effect names are tested before these, then the keywords in this order.
const Keyword KeywordTable::kEntries[] = {
    {rule("keybank", kKeybank), &Demo::selectBank, KeywordCheck::None},
    {rule("draworder", kDraworder), &Demo::replaceDrawOrder, KeywordCheck::DrawOrder},
    {rule("add", kAdd), &Demo::addEffect, KeywordCheck::Add},
    {rule("texture", kTexture), &Demo::defineTexture, KeywordCheck::Texture},
    {rule("camera", kCamera), &Demo::defineCamera, KeywordCheck::Camera},
    {rule("surface", kSurface), &Demo::defineSurface, KeywordCheck::Surface},
    {rule("event", kEvent), &Demo::defineEvent, KeywordCheck::Event},
    {rule("loadplugin", kLoadplugin), &Demo::loadPlugin, KeywordCheck::LoadPlugin},
    {rule("load", kLoad), &Demo::loadAll, KeywordCheck::Load},
    {bare("run"), &Demo::run, KeywordCheck::None},
    {bare("exit"), &Demo::exit, KeywordCheck::None},
    {rule("sync", kSync), &Demo::defineSync, KeywordCheck::Sync},
    {rule("drive", kDrive), &Demo::defineDrive, KeywordCheck::Drive},
    {rule("part", kPart), &Demo::walkPart, KeywordCheck::Part},
};

const Keyword* findKeyword(const char* name) {
    for (const Keyword& keyword : KeywordTable::kEntries)
        if (strcasecmp(keyword.rule.name, name) == 0) return &keyword;
    return nullptr;
}

const Keyword* keywordAt(size_t index) {
    return index < keywordCount() ? &KeywordTable::kEntries[index] : nullptr;
}

size_t keywordCount() {
    return sizeof KeywordTable::kEntries / sizeof KeywordTable::kEntries[0];
}

const AttributeRule* findSetting(const char* name) {
    for (const AttributeRule& setting : kSettings)
        if (strcasecmp(setting.name, name) == 0) return &setting;
    return nullptr;
}

const AttributeRule* settingAt(size_t index) {
    return index < settingCount() ? &kSettings[index] : nullptr;
}

size_t settingCount() {
    return sizeof kSettings / sizeof kSettings[0];
}

const ElementRule& cameraKeyRule() {
    return kCameraKeyRule;
}

const AttributeRule* findAttribute(const ElementRule& rule, const char* name) {
    for (size_t i = 0; i < rule.attributeCount; ++i)
        if (strcasecmp(rule.attributes[i].name, name) == 0) return &rule.attributes[i];
    return nullptr;
}
