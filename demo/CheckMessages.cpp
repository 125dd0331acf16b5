#include "demo/CheckMessages.h"

#include "demo/PartStart.h"
#include "script/ScriptDocument.h"
#include <vornex/ScriptValue.h>

#include <cstdio>
#include <cstring>

std::string quoted(const char* text) {
    return std::string("'") + text + "'";
}

std::string lineOf(const ScriptDocument& document, const void* record) {
    const SourcePosition* at = document.positionOf(record);
    return at ? "line " + std::to_string(at->line) : "later";
}

std::string seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g s", value);
    return text;
}

std::string eventTimeNote(const ScriptNode& event) {
    const ScriptAttribute* time = event.findAttribute("time");
    if (!time || event.findAttribute("key")) return "";
    return " (at " + seconds(partStart(event) + static_cast<double>(scriptFloat(time->value))) +
           ")";
}

std::string numberMistake(const char* value, const char* wanted) {
    std::string text = quoted(value) + " is not " + wanted;
    const bool single = std::strcmp(wanted, "a number") == 0;
    if (!single && std::strcmp(wanted, "a whole number") != 0) return text;
    // What the player makes of it, read as it reads numbers.
    char reading[32];
    if (single)
        std::snprintf(reading, sizeof reading, "%g", static_cast<double>(scriptFloat(value)));
    else
        std::snprintf(reading, sizeof reading, "%d", scriptInt(value));
    text += std::string(" (it reads as ") + reading + ")";
    if (single && std::strchr(value, ',')) text += "; decimals take a point, as in 0.5";
    return text;
}

const char* textureFaultText(TextureFault fault) {
    switch (fault) {
    case TextureFault::Depth:
        return "textures take 24 or 32 bits a pixel";
    case TextureFault::Size:
        return "texture sides run from 8 to 2048";
    case TextureFault::WidthNotPowerOfTwo:
        return "its width is not a power of two";
    case TextureFault::HeightNotPowerOfTwo:
        return "its height is not a power of two";
    case TextureFault::None:
        break;
    }
    return "";
}
