#include <vornex/ScriptNode.h>
#include <vornex/ScriptValue.h>

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

// Unlike readAttribute, the number getters zero a value whose attribute is absent.
void ScriptNode::getInt(const char* attribute, int& out) const {
    out = 0;
    readAttribute(*this, attribute, out);
}

void ScriptNode::getFloat(const char* attribute, float& out) const {
    out = 0.0f;
    readAttribute(*this, attribute, out);
}

void ScriptNode::getVec3(const char* attribute, Vec3& out) const {
    readAttribute(*this, attribute, out);
}

void ScriptNode::getVec4(const char* attribute, Vec4& out) const {
    readAttribute(*this, attribute, out);
}
