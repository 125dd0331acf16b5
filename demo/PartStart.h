// Parts: `<part start="20">` moves everything timed inside it by its start, so a stretch of
// the demo moves with one number. What follows the part are event times only (at any
// depth of includes and nested parts, whose starts add up); values that are demo times
// inside effect parameters (a fade's start and end) and camera keys stay as written.
#pragma once

struct ScriptNode;

// The sum of the `start` of every `part` the element lies in; 0 outside parts.
double partStart(const ScriptNode& element);
