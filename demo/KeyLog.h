// The key log: every key press of a run appended to "keylog.txt" as an `event` element,
// so the file can be pasted into a script to replay the presses. Lines end in CR LF on
// every platform; the file is never truncated by the player.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr const char* kKeyLogFileName = "keylog.txt";

// The line for a press of `character` at `time` in `bank`; returns its length.
size_t formatKeyLogLine(char* out, size_t size, float time, int32_t bank, char character);
// Appends the line; a file that cannot be opened is skipped silently.
void appendKeyLog(const char* fileName, float time, int32_t bank, char character);
