// What the player itself understands in a script: the keywords of the element walk, each
// with the handler the walk's dispatch calls and what check mode compares its element
// against, and the settings every walked element applies. The walk dispatches from this
// one table and check mode reads it, so the two know the same keywords.
#pragma once

#include <cstddef>

class Demo;
struct ScriptNode;

enum class ValueKind {
    Text,
    Integer, // atoi: blanks, sign, digits
    Number,  // atof: a decimal number with a point
    Vec3,    // three numbers separated by commas
    Vec4,
    DataFile,   // a file the data locator finds
    Plugin,     // a plugin library
    EffectName, // an effect added to the demo
};

struct AttributeRule {
    const char* name;
    ValueKind kind;
};

struct ElementRule {
    const char* name;
    const AttributeRule* attributes;
    size_t attributeCount;
};

// What check mode looks at in a keyword's element besides the kinds of its attributes.
enum class KeywordCheck {
    None,
    DrawOrder,  // effects added so far, surfaces created before it
    Add,        // the type comes from a plugin loaded before it
    Texture,    // remembered as a texture name
    Camera,     // its `key` children
    Surface,    // remembered as a surface name
    Event,      // the settings too; its children are checked as they would fire
    LoadPlugin, // the library opens
    Load,       // the loading screen is an effect; effects added after it are never loaded
    Sync,       // a base that keeps the track files below data/
    Drive,      // an effect added so far
    Part,       // its children, as the demo's own
};

struct Keyword {
    ElementRule rule;
    void (Demo::*handler)(ScriptNode&);
    KeywordCheck check;
};

// The keywords in the walk's order; null when `name` is none of them (any case).
const Keyword* findKeyword(const char* name);
const Keyword* keywordAt(size_t index);
size_t keywordCount();
// The settings every walked element (the demo, a firing event) applies; null when `name`
// is none of them.
const AttributeRule* findSetting(const char* name);
const AttributeRule* settingAt(size_t index);
size_t settingCount();
// The attributes of a camera's `key` child.
const ElementRule& cameraKeyRule();
// An attribute of `rule` by name (any case), or null.
const AttributeRule* findAttribute(const ElementRule& rule, const char* name);
