#include "script/ScriptDocument.h"

#include "io/DataFile.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
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
void copyCut(char* to, const char* from, size_t length, size_t limit) {
    std::memcpy(to, from, length < limit ? length : limit);
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
    DataFile file(fileName);
    if (file.atEnd() || file.size() < 4) {
        formatMessage("couldn't find %s", fileName);
        return -1;
    }
    return parseElements(*this, file) == 0 ? 0 : -1;
}

int ScriptDocument::parseElements(ScriptNode& parent, MemoryStream& stream) {
    return parseLevel(parent, stream, 0);
}

int ScriptDocument::parseLevel(ScriptNode& parent, MemoryStream& stream, int depth) {
    const char* text = reinterpret_cast<const char*>(stream.data());
    if (stream.atEnd()) return 0;
    if (depth >= kMaxDepth) {
        formatMessage("XML Error nesting deeper than %d levels [%.10s]\n", kMaxDepth,
                      text + stream.tell());
        // The levels above overwrite the message with their own; say why once here.
        std::printf("%s", message);
        return -1;
    }
    do {
        const char* p = text + stream.tell();
        const char* open = std::strchr(p, '<');
        if (!open) {
            formatMessage("XML Error expected < [%.10s]\n", p);
            return 0;
        }
        const char* s = open + 1;
        const char* close = std::strchr(s, '>');
        if (!close) {
            formatMessage("XML Error expected > [%.10s]\n", p);
            return -1;
        }
        const bool selfClosing = close > s && close[-1] == '/';
        const char* bodyEnd = selfClosing ? close - 1 : close;
        const bool endTag = *s == '/' || selfClosing;
        stream.seek(static_cast<int32_t>(close + 1 - text), MemoryStream::SET);

        const char* nameStart = s;
        while (nameStart < bodyEnd && !isNameChar(*nameStart)) ++nameStart;
        const char* nameEnd = nameStart;
        while (nameEnd < bodyEnd && isNameChar(*nameEnd)) ++nameEnd;
        if (nameEnd == nameStart) {
            formatMessage("XML Error[%.10s]\n", s);
            return -1;
        }
        char name[kNameSize] = {};
        const size_t nameLength = static_cast<size_t>(nameEnd - nameStart);
        std::memcpy(name, nameStart, nameLength < kNameSize - 1 ? nameLength : kNameSize - 1);
        const size_t sectionLength = static_cast<size_t>(bodyEnd - nameEnd);

        if (endTag && !selfClosing) {
            if (!parent.parent || strcasecmp(name, parent.name) == 0) return 0;
            formatMessage("XML Error </?> not equal to parent <?> ! [%.10s]\n", name);
            return -1;
        }
        if (nameLength == 7 && strcasecmp(name, "include") == 0) {
            if (parseInclude(parent, name, nameEnd, sectionLength, depth) != 0) return -1;
        } else {
            ScriptNode* node = new ScriptNode();
            std::memcpy(node->name, name, sizeof name);
            node->parent = &parent;
            parent.children.push_back(node);
            if (parseAttributes(*node, nameEnd, sectionLength) != 0) {
                formatMessage("ERROR: tag [%s] couldn't be read params", node->name);
                return -1;
            }
            if (!selfClosing && parseLevel(*node, stream, depth + 1) != 0) {
                formatMessage("ERROR: tag [%s] couldn't be read", node->name);
                return -1;
            }
        }
    } while (!stream.atEnd());
    return 0;
}

int ScriptDocument::parseInclude(ScriptNode& parent, const char* name, const char* section,
                                 size_t length, int depth) {
    ScriptNode include;
    std::snprintf(include.name, sizeof include.name, "%s", name);
    include.parent = &parent;
    parseAttributes(include, section, length);
    for (const ScriptAttribute* attribute : include.attributes) {
        if (strcasecmp(attribute->name, "file") != 0) continue;
        DataFile file(attribute->value);
        if (parseLevel(parent, file, depth + 1) != 0) return -1;
    }
    return 0;
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
        ScriptAttribute* attribute = new ScriptAttribute;
        copyCut(attribute->name, nameStart, static_cast<size_t>(nameEnd - nameStart),
                kAttributeNameLimit);
        copyCut(attribute->value, openQuote + 1, static_cast<size_t>(closeQuote - openQuote - 1),
                kAttributeValueLimit);
        node.attributes.push_back(attribute);

        r = closeQuote + 1;
        if (r >= end) return 0;
    }
}
