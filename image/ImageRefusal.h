// Why the reader that recognised a file refused to load it. A reader calls refuseImage() on
// its way out of a failed load with a short reason ("12-bit JPEG not supported"); the format
// dispatch clears the reason before it starts and loadImage() prints the last one once,
// with the file name. A reader that loads a damaged file all the same says what it left
// out with noteImageDamage(), which loadImage() prints as a warning. Images are read one at
// a time on the main thread, so one reason and one note serve the process.
#pragma once

constexpr int kImageRefusalSize = 128;

// Records the reason (printf format, cut to kImageRefusalSize - 1 characters) and returns -1,
// so a load can end with `return refuseImage(...)`.
int refuseImage(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The last reason recorded since clearImageRefusal(), or "" when there was none.
const char* imageRefusal();
// Clears the reason and the note.
void clearImageRefusal();

// Records what a successful load skipped (printf format, cut like the reason).
void noteImageDamage(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The note recorded since clearImageRefusal(), or "".
const char* imageDamage();
