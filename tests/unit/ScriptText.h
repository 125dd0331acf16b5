// Script text for tests: parses a string into a document, as a script file would be read.
#pragma once

#include "io/MemoryStream.h"
#include "script/ScriptDocument.h"

#include <string>

// std::string keeps a zero byte after its characters, as the reader requires.
inline int parseScript(ScriptDocument& document, const std::string& text) {
    MemoryStream stream(text.c_str(), static_cast<uint32_t>(text.size()));
    return document.parseElements(document, stream);
}
