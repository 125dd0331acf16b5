#include "script/ScriptDocument.h"

#include "io/DataFile.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <strings.h>

namespace {
// Process-wide reader state: one document is read at a time.
char message[ScriptDocument::kMessageSize];
// Attribute names keep at most 31 characters, values at most 2047.
constexpr size_t kAttributeNameLimit = 31;
constexpr size_t kAttributeValueLimit = ScriptAttribute::kValueSize - 1;

void formatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
void formatMessage(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
}

// ASCII only, whatever the C locale says.
bool isAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}
bool isNameChar(char c) {
    return isAlnum(c) || c == '_';
}

// Searches stop at the zero byte that ends the text; null when nothing was found.
const char* findAlnum(const char* p) {
    while (*p && !isAlnum(*p)) ++p;
    return *p ? p : nullptr;
}

const char* findAny(const char* p, const char* set) {
    p += std::strcspn(p, set);
    return *p ? p : nullptr;
}

// `to` is zero-filled, so the copy stays terminated.
// Terminated here rather than trusting the record to be zero: a record reused from the pool
// keeps whatever an in-place writer left past its old terminator.
void copyCut(char* to, const char* from, size_t length, size_t limit) {
    const size_t kept = length < limit ? length : limit;
    std::memcpy(to, from, kept);
    to[kept] = '\0';
}

int refuseOutOfMemory(size_t records) {
    formatMessage("XML Error out of memory after %lu elements and attributes",
                  static_cast<unsigned long>(records));
    return -1;
}

int illegal(const char* text) {
    std::printf("%s", text);
    return -1;
}
} // namespace

const char* ScriptDocument::lastMessage() {
    return message;
}

int ScriptDocument::parseFile(const char* fileName) {
    // Nothing may leave the reader: a script too large for the memory fails to read.
    try {
        DataFile file(fileName);
        if (file.atEnd() || file.size() < 4) {
            formatMessage("couldn't find %s", fileName);
            if (keepPositions_) {
                fileNames_.push_back(fileName);
                notices_.push_back({{0, 0, 0}, true, "script file not found, empty or too short"});
            }
            return -1;
        }
        return parseText(*this, file, fileName, 0) == 0 ? 0 : -1;
    } catch (const std::bad_alloc&) {
        return refuseOutOfMemory(records_);
    }
}

int ScriptDocument::parseElements(ScriptNode& parent, MemoryStream& stream) {
    include_ = nullptr;
    budgetSpent_ = false;
    try {
        return parseText(parent, stream, "(text)", 0);
    } catch (const std::bad_alloc&) {
        return refuseOutOfMemory(records_);
    }
}

int ScriptDocument::parseText(ScriptNode& parent, MemoryStream& stream, const char* fileName,
                              int depth) {
    if (!keepPositions_) return parseLevel(parent, stream, depth, false);
    const uint32_t savedFile = file_;
    const char* savedText = text_;
    const LineIndex* savedLines = lines_;
    file_ = static_cast<uint32_t>(fileNames_.size());
    fileNames_.push_back(fileName);
    text_ = reinterpret_cast<const char*>(stream.data());
    const LineIndex lines(text_ ? text_ : "", stream.size());
    lines_ = &lines;
    const int result = parseLevel(parent, stream, depth, false);
    file_ = savedFile;
    text_ = savedText;
    lines_ = savedLines;
    return result;
}

const SourcePosition* ScriptDocument::positionOf(const void* record) const {
    const auto found = positions_.find(record);
    return found == positions_.end() ? nullptr : &found->second;
}

SourcePosition ScriptDocument::here(const char* at) const {
    SourcePosition position = lines_->at(static_cast<uint32_t>(at - text_));
    position.file = file_;
    return position;
}

void ScriptDocument::notice(const char* at, bool error, const std::string& text) {
    if (!keepPositions_) return;
    if (error) {
        // Outer levels fail after the inner one; the innermost names the broken tag.
        if (errorNoted_) return;
        errorNoted_ = true;
    }
    notices_.push_back({here(at), error, text});
}

void ScriptDocument::notePositions(const ScriptNode& node, const char* tag, const char* section,
                                   size_t length) {
    if (!keepPositions_) return;
    positions_[&node] = here(tag);
    // Each attribute's name, searched in order after the previous attribute's value.
    const char* cursor = section;
    const char* end = section + length;
    for (const ScriptAttribute* attribute : node.attributes) {
        const size_t nameLength = std::strlen(attribute->name);
        const char* found = nullptr;
        for (const char* p = cursor; p + nameLength <= end; ++p) {
            if ((p == section || !isNameChar(p[-1])) &&
                std::strncmp(p, attribute->name, nameLength) == 0) {
                found = p;
                break;
            }
        }
        if (!found) break;
        positions_[attribute] = here(found);
        cursor = found + nameLength;
        for (int quotes = 0; quotes < 2 && cursor < end; ++cursor)
            if (*cursor == '"') ++quotes;
    }
}

int ScriptDocument::parseLevel(ScriptNode& parent, MemoryStream& stream, int depth, bool closes) {
    const char* text = reinterpret_cast<const char*>(stream.data());
    if (stream.atEnd()) return 0;
    do {
        const char* p = text + stream.tell();
        const char* open = std::strchr(p, '<');
        if (!open) {
            formatMessage("XML Error expected < [%.10s]\n", p);
            break;
        }
        if (std::strncmp(open, "<!--", 4) == 0) {
            const char* commentEnd = std::strstr(open + 4, "-->");
            if (!commentEnd) {
                formatMessage("XML Error comment without --> [%.10s]\n", open);
                notice(open, true, "comment '<!--' is never closed with '-->'");
                return -1;
            }
            stream.seek(static_cast<int32_t>(commentEnd + 3 - text), MemoryStream::kSet);
            continue;
        }
        const char* s = open + 1;
        const char* close = std::strchr(s, '>');
        if (!close) {
            formatMessage("XML Error expected > [%.10s]\n", p);
            notice(open, true, "'<' without a '>' to end the tag");
            return -1;
        }
        const bool selfClosing = close > s && close[-1] == '/';
        const char* bodyEnd = selfClosing ? close - 1 : close;
        const bool endTag = *s == '/' || selfClosing;
        stream.seek(static_cast<int32_t>(close + 1 - text), MemoryStream::kSet);

        const char* nameStart = s;
        while (nameStart < bodyEnd && !isNameChar(*nameStart)) ++nameStart;
        const char* nameEnd = nameStart;
        while (nameEnd < bodyEnd && isNameChar(*nameEnd)) ++nameEnd;
        if (nameEnd == nameStart) {
            formatMessage("XML Error[%.10s]\n", s);
            notice(open, true, "tag without an element name");
            return -1;
        }
        char name[kNameSize] = {};
        const size_t nameLength = static_cast<size_t>(nameEnd - nameStart);
        std::memcpy(name, nameStart, nameLength < kNameSize - 1 ? nameLength : kNameSize - 1);
        const size_t sectionLength = static_cast<size_t>(bodyEnd - nameEnd);

        if (endTag && !selfClosing) {
            if (!parent.parent || strcasecmp(name, parent.name) == 0) return 0;
            formatMessage("XML Error </?> not equal to parent <?> ! [%.10s]\n", name);
            notice(open, true,
                   std::string("closing tag </") + name + "> does not match the open <" +
                       parent.name + ">");
            return -1;
        }
        // Only a tag that opens a level counts: an element or an include at `depth` is on
        // level depth + 1.
        if (depth >= kMaxDepth) {
            formatMessage("XML Error nesting deeper than %d levels [%.10s]\n", kMaxDepth, open);
            notice(open, true,
                   "elements and includes nest deeper than " + std::to_string(kMaxDepth) +
                       " levels (an include cycle?)");
            // The levels above overwrite the message with their own; say why once here.
            std::printf("%s", message);
            return -1;
        }
        if (nameLength == 7 && strcasecmp(name, "include") == 0) {
            if (parseInclude(parent, open, nameEnd, sectionLength, depth) != 0) return -1;
        } else {
            std::unique_ptr<ScriptNode> made(new ScriptNode());
            parent.children.push_back(made.get());
            ScriptNode* node = made.release();
            std::memcpy(node->name, name, sizeof name);
            node->parent = &parent;
            const int read = parseAttributes(*node, nameEnd, sectionLength);
            notePositions(*node, open, nameEnd, sectionLength);
            if (read != 0) {
                formatMessage("ERROR: tag [%s] couldn't be read params", node->name);
                notice(open, true,
                       std::string("attributes of <") + node->name +
                           "> cannot be read: each is name=\"value\", and a value holds no "
                           "'\"' or '>'");
                return -1;
            }
            records_ += 1 + node->attributes.size();
            if (records_ > kMaxRecords) return refuseOverBudget();
            if (!selfClosing && parseLevel(*node, stream, depth + 1, true) != 0) {
                // The budget's message names the include where it was hit; keep it.
                if (!budgetSpent_) formatMessage("ERROR: tag [%s] couldn't be read", node->name);
                return -1;
            }
        }
    } while (!stream.atEnd());
    if (closes && keepPositions_) {
        const SourcePosition* opened = positionOf(&parent);
        notices_.push_back({opened ? *opened : here(text), false,
                            std::string("<") + parent.name +
                                "> is not closed before the end of its file, so it holds every "
                                "element after it there"});
    }
    return 0;
}

int ScriptDocument::parseInclude(ScriptNode& parent, const char* tag, const char* section,
                                 size_t length, int depth) {
    ScriptNode include;
    std::snprintf(include.name, sizeof include.name, "include");
    include.parent = &parent;
    parseAttributes(include, section, length);
    for (const ScriptAttribute* attribute : include.attributes) {
        if (strcasecmp(attribute->name, "file") != 0) continue;
        DataFile file(attribute->value);
        if (file.atEnd())
            notice(tag, true,
                   std::string("included file '") + attribute->value + "' not found (or empty)");
        const char* outer = include_;
        include_ = attribute->value;
        const int result = parseText(parent, file, attribute->value, depth + 1);
        include_ = outer;
        if (result != 0) return -1;
    }
    return 0;
}

int ScriptDocument::refuseOverBudget() {
    budgetSpent_ = true;
    if (include_)
        formatMessage("XML Error include [%s] refused: the script would hold more than %lu "
                      "elements and attributes",
                      include_, static_cast<unsigned long>(kMaxRecords));
    else
        formatMessage("XML Error the script holds more than %lu elements and attributes",
                      static_cast<unsigned long>(kMaxRecords));
    return -1;
}

int ScriptDocument::parseAttributes(ScriptNode& node, const char* text, size_t length) {
    if (length == 0) return 0;
    const char* end = text + length;
    const char* r = findAlnum(text);
    if (!r) return 0;
    if (!findAny(r, "\t></")) {
        std::printf("hit that code I thought I wouldn't hit...\n");
        return 0;
    }
    if (r >= end) return 0;
    for (;;) {
        const char* d = findAny(r, "\"><=/");
        if (!d || *d == '/' || *d == '>') return 0;
        if (*d == '"' || *d == '<') return illegal("**** ILLEGAL ****\n");

        const char* nameStart = findAlnum(r);
        const char* openQuote = std::strchr(d, '"');
        // A value cannot hold '>', so a quote missing before the end of the tag is an
        // unterminated value, not a value that runs on into the rest of the document.
        if (!nameStart || !openQuote || openQuote >= end)
            return illegal("**** MISSING QUOTE ****\n");
        const char* closeQuote = std::strchr(openQuote + 1, '"');
        if (!closeQuote || closeQuote >= end) return illegal("**** MISSING QUOTE ****\n");
        const char* nameEnd = nameStart;
        while (isNameChar(*nameEnd)) ++nameEnd;

        // No value-initialisation: the pool hands out records that are already zero.
        std::unique_ptr<ScriptAttribute> made(new ScriptAttribute);
        node.attributes.push_back(made.get());
        ScriptAttribute* attribute = made.release();
        copyCut(attribute->name, nameStart, static_cast<size_t>(nameEnd - nameStart),
                kAttributeNameLimit);
        copyCut(attribute->value, openQuote + 1, static_cast<size_t>(closeQuote - openQuote - 1),
                kAttributeValueLimit);

        r = closeQuote + 1;
        if (r >= end) return 0;
    }
}
