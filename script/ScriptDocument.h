// Reads a script file (and the files it includes) into a tree of ScriptNode records.
// Permissive and small: no validation, no text content, no comments or entities; the
// first real error stops reading and leaves its message in lastMessage().
#pragma once

#include <vornex/ScriptNode.h>

class MemoryStream;

class ScriptDocument : public ScriptNode {
public:
    // Elements plus includes may nest this deep; deeper input fails with a message
    // instead of exhausting the stack, which also ends include cycles.
    static constexpr int kMaxDepth = 64;
    static constexpr size_t kMessageSize = 256;

    // `fileName` is found through the data locator.
    int parseFile(const char* fileName);
    static const char* lastMessage();

    // The stream's bytes must be followed by a zero byte (DataFile keeps one): every
    // search stops there, and so does the document.
    int parseElements(ScriptNode& parent, MemoryStream& stream);
    static int parseAttributes(ScriptNode& node, const char* text, size_t length);

private:
    int parseLevel(ScriptNode& parent, MemoryStream& stream, int depth);
    int parseInclude(ScriptNode& parent, const char* name, const char* section, size_t length,
                     int depth);
};
