// Where check mode looks for the data files a script names: as the player's locator finds
// them, with the closest name in the folder it looked in when one is missing.
#pragma once

#include <string>

// True when the locator resolves `name` to a regular file; `path` is where it looked
// (empty when the name cannot be resolved at all).
bool dataFileExists(const char* name, std::string& path);
// "; did you mean 'x'?" for the closest file name in the folder of `path`, else "".
std::string nearbyFile(const char* name, const std::string& path);
