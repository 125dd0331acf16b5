// The text effect's string as the script writes it: "\n" starts a new line and "\\" is a
// backslash; a line break inside the attribute counts as one too.
#pragma once

#include <cstddef>

// Attribute values hold at most 2047 characters, and so does the text.
constexpr size_t kTextSize = 2048;

// Copies `value` into `text` (`size` bytes, always terminated) with the escapes replaced.
void readTextAttribute(const char* value, char* text, size_t size);
