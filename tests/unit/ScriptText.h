// Script text for tests: parses a string into a document, as a script file would be read,
// and names what it holds.
#pragma once

#include "io/MemoryStream.h"
#include "script/ScriptDocument.h"

#include <string>

// std::string keeps a zero byte after its characters, as the reader requires.
inline int parseScript(ScriptDocument& document, const std::string& text) {
    MemoryStream stream(text.c_str(), static_cast<uint32_t>(text.size()));
    return document.parseElements(document, stream);
}

// The names of a node's children, each followed by a space.
inline std::string childNames(const ScriptNode& node) {
    std::string out;
    for (const ScriptNode* child : node.children) out += std::string(child->name) + " ";
    return out;
}
