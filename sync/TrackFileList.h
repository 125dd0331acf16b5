// The track files a base has in the data tree, for packing a demo: the binary files and
// text forms whose names TrackFileName gives for some track of that base. Which tracks an
// effect asks for is known only when it plays, so every file of the base counts.
#pragma once

#include <string>
#include <vector>

// The paths below the working directory ("data/sync/intro_bg-3Ared.track"), sorted; none
// when the base is not usable (trackBaseUsable) or has no files.
std::vector<std::string> trackFilesOfBase(const char* base);
