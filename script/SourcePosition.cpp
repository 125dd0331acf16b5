#include "script/SourcePosition.h"

#include <algorithm>

LineIndex::LineIndex(const char* text, uint32_t size) {
    starts_.push_back(0);
    for (uint32_t i = 0; i < size && text[i]; ++i)
        if (text[i] == '\n') starts_.push_back(i + 1);
}

SourcePosition LineIndex::at(uint32_t offset) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const uint32_t line = static_cast<uint32_t>(after - starts_.begin());
    SourcePosition position;
    position.line = line;
    position.column = offset - starts_[line - 1] + 1;
    return position;
}
