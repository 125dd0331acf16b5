// Reads a script file (and the files it includes) into a tree of ScriptNode records.
// Permissive and small: no validation, no text content, no comments or entities; the
// first real error stops reading and leaves its message in lastMessage(). Running out of
// memory is such an error; no exception leaves the reader.
#pragma once

#include <vornex/ScriptNode.h>

class MemoryStream;

class ScriptDocument : public ScriptNode {
public:
    // Elements plus includes may nest this deep (a top-level element is on level 1, an
    // include is a level of its own); the next level fails with a message instead of
    // exhausting the stack, which also ends include cycles.
    static constexpr int kMaxDepth = 64;
    static constexpr size_t kMessageSize = 256;
    // Element and attribute records a document may hold; far above any real demo, and
    // about 2 GB of attribute records. Includes that include each other many times could
    // otherwise expand a few small files past the memory.
    static constexpr size_t kMaxRecords = 1000000;

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
    int refuseOverBudget();

    size_t records_ = 0;
    const char* include_ = nullptr; // the included file being read, null in the script itself
    bool budgetSpent_ = false;
};
