// Where a track lives in the data tree: "<base>_<track name>.track", with every character
// of the track name other than letters, digits, '.', '_' and '/' written as '-' and two
// upper-case hexadecimal digits, so any name makes a portable file name.
#pragma once

#include <cstddef>

// False for a name that could leave the folder of its base: empty, starting with '/', or
// with an empty, "." or ".." part between slashes.
bool trackNameUsable(const char* trackName);
// The same for a base name, which is not escaped: also false with a '\\' or a ':' in it
// (another folder or drive on Windows).
bool trackBaseUsable(const char* base);
// Writes "<base>_<escaped name>.track" into `out`; false, with `out` empty, when it does
// not fit or the base or the name is not usable.
bool trackFileName(const char* base, const char* trackName, char* out, size_t size);
