#include "demo/NameHint.h"

#include <algorithm>
#include <cctype>
#include <cstring>

size_t nameDistance(const char* a, const char* b) {
    const size_t n = std::strlen(b);
    std::vector<size_t> row(n + 1);
    for (size_t j = 0; j <= n; ++j) row[j] = j;
    for (size_t i = 1; *a; ++a, ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= n; ++j) {
            const size_t above = row[j];
            const bool same = std::tolower(static_cast<unsigned char>(*a)) ==
                              std::tolower(static_cast<unsigned char>(b[j - 1]));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[n];
}

std::string didYouMean(const char* written, const std::vector<std::string>& candidates) {
    const std::string* best = nullptr;
    const size_t length = std::strlen(written);
    size_t bestDistance = length < 6 ? (length + 1) / 2 : 3;
    for (const std::string& candidate : candidates) {
        const size_t d = nameDistance(written, candidate.c_str());
        if (d < bestDistance) {
            bestDistance = d;
            best = &candidate;
        }
    }
    return best ? "; did you mean '" + *best + "'?" : "";
}

std::string joinedNames(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names) out += (out.empty() ? "" : ", ") + name;
    return out.empty() ? "none" : out;
}
