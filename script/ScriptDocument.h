// Reads a script file (and the files it includes) into a tree of ScriptNode records.
// Permissive and small: no validation, no text content, no entities; comments are skipped
// where an element may stand. The first real error stops reading and leaves its message in
// lastMessage(); running out of memory is such an error, and no exception leaves the reader.
// On request it also keeps where each element and attribute stands and what it noticed on
// the way (for check and edit modes), beside the records, never inside them.
#pragma once

#include "script/SourcePosition.h"
#include <vornex/ScriptNode.h>

#include <string>
#include <unordered_map>
#include <vector>

class LineIndex;
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

    // Off by default; set before reading.
    void keepPositions(bool keep) { keepPositions_ = keep; }
    // Where an element or attribute of this document stands; null when not kept.
    const SourcePosition* positionOf(const void* record) const;
    // Every script file read, the main one first, as named in the script.
    const std::vector<std::string>& fileNames() const { return fileNames_; }
    // The error that stopped reading (at the broken tag, also inside includes), unclosed
    // elements and missing includes; only while positions are kept.
    const std::vector<ScriptNotice>& notices() const { return notices_; }

private:
    int parseText(ScriptNode& parent, MemoryStream& stream, const char* fileName, int depth);
    // `closes`: the parent's closing tag belongs to this text.
    int parseLevel(ScriptNode& parent, MemoryStream& stream, int depth, bool closes);
    int parseInclude(ScriptNode& parent, const char* name, const char* section, size_t length,
                     int depth);
    int refuseOverBudget();

    size_t records_ = 0;
    const char* include_ = nullptr; // the included file being read, null in the script itself
    bool budgetSpent_ = false;
    void notePositions(const ScriptNode& node, const char* tag, const char* section, size_t length);
    void notice(const char* at, bool error, const std::string& text);
    SourcePosition here(const char* at) const;

    bool keepPositions_ = false;
    std::unordered_map<const void*, SourcePosition> positions_;
    std::vector<std::string> fileNames_;
    std::vector<ScriptNotice> notices_;
    bool errorNoted_ = false;
    // The text being read.
    uint32_t file_ = 0;
    const char* text_ = nullptr;
    const LineIndex* lines_ = nullptr;
};
