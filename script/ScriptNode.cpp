#include <vornex/ScriptNode.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

ScriptNode::ScriptNode() : name{}, parent(nullptr) {}

ScriptNode::~ScriptNode() {
    for (ScriptNode* child : children) delete child;
    for (ScriptAttribute* attribute : attributes) delete attribute;
    children.clear();
    attributes.clear();
}

const ScriptAttribute* ScriptNode::findAttribute(const char* attribute) const {
    for (const ScriptAttribute* candidate : attributes)
        if (strcasecmp(candidate->name, attribute) == 0) return candidate;
    return nullptr;
}

bool ScriptNode::is(const char* elementName) const {
    return strcasecmp(name, elementName) == 0;
}

void ScriptNode::getString(const char* attribute, const char*& out) const {
    const ScriptAttribute* found = findAttribute(attribute);
    out = found ? found->value : nullptr;
}

void ScriptNode::getInt(const char* attribute, int& out) const {
    const ScriptAttribute* found = findAttribute(attribute);
    out = found ? std::atoi(found->value) : 0;
}

void ScriptNode::getFloat(const char* attribute, float& out) const {
    const ScriptAttribute* found = findAttribute(attribute);
    out = found ? static_cast<float>(std::atof(found->value)) : 0.0f;
}

void ScriptNode::getVec3(const char* attribute, Vec3& out) const {
    if (const ScriptAttribute* found = findAttribute(attribute))
        std::sscanf(found->value, "%f,%f,%f", &out.x, &out.y, &out.z);
}

void ScriptNode::getVec4(const char* attribute, Vec4& out) const {
    if (const ScriptAttribute* found = findAttribute(attribute))
        std::sscanf(found->value, "%f,%f,%f,%f", &out.x, &out.y, &out.z, &out.w);
}
