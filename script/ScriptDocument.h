// Reads a script file (and the files it includes) into a tree of ScriptNode records.
// Permissive and small: no validation, no text content, no comments or entities; the
// first real error stops reading and leaves its message in lastMessage().
#pragma once

#include "plugin/ScriptNode.h"

class DataFile;

class ScriptDocument : public ScriptNode {
public:
    // Elements plus includes may nest this deep; deeper input fails with a message
    // instead of exhausting the stack (and ends include cycles).
    static constexpr int kMaxDepth = 64;

    int parseFile(const char* fileName);
    static const char* lastMessage();

    int parseElements(ScriptNode& parent, DataFile& stream);
    static int parseAttributes(ScriptNode& node, const char* text, size_t length);
};
