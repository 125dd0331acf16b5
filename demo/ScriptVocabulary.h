// What the player itself understands in a script: the keywords of the element walk and the
// attributes of each of its elements with the kind of value they take. Check mode compares
// scripts against it; the walk keeps its own dispatch table, so a new keyword goes in both.
#pragma once

#include <cstddef>

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

// The keywords in the walk's order; null when `name` is none of them (any case).
const ElementRule* findKeyword(const char* name);
const ElementRule* keywordAt(size_t index);
size_t keywordCount();
// The settings every walked element (the demo, a firing event) applies; null when `name`
// is none of them.
const AttributeRule* findSetting(const char* name);
// The attributes of a camera's `key` child.
const ElementRule& cameraKeyRule();
// An attribute of `rule` by name (any case), or null.
const AttributeRule* findAttribute(const ElementRule& rule, const char* name);
