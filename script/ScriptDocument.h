// Reads a script file (and the files it includes) into a tree of ScriptNode records.
// Permissive and small: no validation, no text content, no entities; comments are skipped
// where an element may stand. The first real error stops reading and leaves its message in
// lastMessage(). On request it also keeps where each element and attribute stands and what
// it noticed on the way (for check and edit modes), beside the records, never inside them.
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
