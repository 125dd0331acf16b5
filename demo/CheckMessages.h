// The wording check mode's messages share: quoted names, where an element is, demo times,
// what a mistyped number reads as, and why a picture cannot be a texture.
#pragma once

#include "resource/TextureRules.h"

#include <string>

class ScriptDocument;
struct ScriptNode;

// 'text', as messages quote what the script wrote.
std::string quoted(const char* text);
// "line 12" for a record of the document; "later" for one it has no position for.
std::string lineOf(const ScriptDocument& document, const void* record);
// "12.5 s": a demo time as messages show it, always absolute.
std::string seconds(double value);
// " (at 12.5 s)" for a timed event, its parts' starts included.
std::string eventTimeNote(const ScriptNode& event);
// "'x' is not <wanted>", with what the player reads a plain or whole number as.
std::string numberMistake(const char* value, const char* wanted);
// Why the texture rules refuse a picture; "" for TextureFault::None.
const char* textureFaultText(TextureFault fault);
