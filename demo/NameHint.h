// "Did you mean" hints for names that match nothing: check mode's messages and the log
// lines of elements the player refuses.
#pragma once

#include <string>
#include <vector>

// Edit distance without regard to case.
size_t nameDistance(const char* a, const char* b);
// "; did you mean 'x'?" for the closest candidate within two edits that changes less than
// half of what was written, else "".
std::string didYouMean(const char* written, const std::vector<std::string>& candidates);
// The names joined by ", "; "none" for no name.
std::string joinedNames(const std::vector<std::string>& names);
