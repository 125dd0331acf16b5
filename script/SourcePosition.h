// Where an element or attribute stands in the script files, and what the reader noticed
// about the text besides its one error. Kept beside the element records, never inside them:
// their layout is fixed for plugins.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SourcePosition {
    uint32_t file = 0;   // index into ScriptDocument::fileNames()
    uint32_t line = 0;   // from 1
    uint32_t column = 0; // from 1, in bytes
};

struct ScriptNotice {
    SourcePosition where;
    bool error;
    std::string text;
};

// The line starts of one text, so offsets turn into lines and columns without rescanning.
class LineIndex {
public:
    LineIndex(const char* text, uint32_t size);
    // Line and column of the byte at `offset`; `file` is left 0.
    SourcePosition at(uint32_t offset) const;

private:
    std::vector<uint32_t> starts_;
};
