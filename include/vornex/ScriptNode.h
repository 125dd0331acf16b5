// The script's element records, read directly by plugins. The layout is part of the
// plugin contract: element name 64 bytes, attribute name 64 and value 2048, lists as
// std::vector (three pointers). Never reorder or resize the fields.
#pragma once

#include "Api.h"

#include "Vec3.h"
#include "Vec4.h"

#include <cstddef>
#include <vector>

struct VORNEX_API ScriptAttribute {
    static constexpr size_t kNameSize = 64;
    static constexpr size_t kValueSize = 2048;

    char name[kNameSize];
    char value[kValueSize];

    // Records come zero-filled from a pool that clears only the bytes a record used when
    // it is released, so a large script does not pay for clearing 2 KB per attribute.
    static void* operator new(size_t size);
    static void operator delete(void* record);
};

struct VORNEX_API ScriptNode {
    static constexpr size_t kNameSize = 64;

    char name[kNameSize];
    ScriptNode* parent;
    std::vector<ScriptAttribute*> attributes;
    std::vector<ScriptNode*> children;

    ScriptNode();
    ~ScriptNode();
    ScriptNode(const ScriptNode&) = delete;
    ScriptNode& operator=(const ScriptNode&) = delete;

    // Lookups take the first attribute whose name matches without regard to case; values
    // read as ScriptValue.h says.
    void getString(const char* attribute, const char*& out) const;
    void getInt(const char* attribute, int& out) const;     // scriptInt; 0 when absent
    void getFloat(const char* attribute, float& out) const; // scriptFloat; 0 when absent
    // "x,y,z" / "x,y,z,w", each component as scriptFloat reads it; `out` unchanged when
    // absent, components not given keep their value.
    void getVec3(const char* attribute, Vec3& out) const;
    void getVec4(const char* attribute, Vec4& out) const;

    const ScriptAttribute* findAttribute(const char* attribute) const;
    // Case-insensitive comparison of the element name.
    bool is(const char* elementName) const;
};

static_assert(offsetof(ScriptAttribute, value) == 64, "ScriptAttribute layout");
static_assert(sizeof(ScriptAttribute) == 2112, "ScriptAttribute layout");
static_assert(offsetof(ScriptNode, parent) == 64, "ScriptNode layout");
static_assert(offsetof(ScriptNode, attributes) == 64 + sizeof(void*), "ScriptNode layout");
static_assert(sizeof(std::vector<ScriptNode*>) == 3 * sizeof(void*), "lists are pointer triples");
static_assert(offsetof(ScriptNode, children) == 64 + 4 * sizeof(void*), "ScriptNode layout");
