#include "sync/TrackText.h"

#include "io/DataLocator.h"
#include "sync/SyncTrack.h"
#include "sync/TrackFile.h"
#include "sync/TrackFileName.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <strings.h>
#include <system_error>
#include <vector>

namespace {

// Interpolation names, indexed by SyncInterpolation.
const char* const kInterpolationNames[] = {"step", "linear", "smooth", "ramp"};
constexpr size_t kWordSize = 64;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Splits a line into at most `limit` words; false when a word is too long or there are more.
size_t splitWords(const char* line, size_t length, char (*words)[kWordSize], size_t limit,
                  bool& fits) {
    size_t count = 0;
    fits = true;
    for (size_t at = 0; at < length;) {
        while (at < length && isBlank(line[at])) ++at;
        if (at == length) break;
        size_t end = at;
        while (end < length && !isBlank(line[end])) ++end;
        if (count == limit || end - at >= kWordSize) {
            fits = false;
            return count;
        }
        std::memcpy(words[count], line + at, end - at);
        words[count][end - at] = '\0';
        ++count;
        at = end;
    }
    return count;
}

bool readRow(const char* word, int32_t& row) {
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(word, &end, 10);
    if (end == word || *end || errno || value < INT32_MIN || value > INT32_MAX) return false;
    row = static_cast<int32_t>(value);
    return true;
}

bool readValue(const char* word, float& value) {
    char* end = nullptr;
    value = std::strtof(word, &end);
    return end != word && !*end && std::isfinite(value);
}

int readInterpolation(const char* word) {
    for (size_t i = 0; i < std::size(kInterpolationNames); ++i)
        if (strcasecmp(word, kInterpolationNames[i]) == 0) return static_cast<int>(i);
    return -1;
}

} // namespace

int parseTrackText(const uint8_t* bytes, size_t size, SyncTrack& track, char* message,
                   size_t messageSize) {
    const char* text = reinterpret_cast<const char*>(bytes);
    std::vector<SyncKey> keys;
    size_t lineNumber = 0;
    for (size_t start = 0; start < size;) {
        ++lineNumber;
        const char* newline =
            static_cast<const char*>(std::memchr(text + start, '\n', size - start));
        const size_t stop = newline ? static_cast<size_t>(newline - text) : size;
        const char* comment =
            static_cast<const char*>(std::memchr(text + start, '#', stop - start));
        const size_t length = (comment ? static_cast<size_t>(comment - text) : stop) - start;
        const char* line = text + start;
        start = stop + 1;
        if (std::memchr(line, '\0', length)) {
            std::snprintf(message, messageSize, "line %zu: a zero byte; this is no text",
                          lineNumber);
            return -1;
        }
        char words[3][kWordSize];
        bool fits = false;
        const size_t count = splitWords(line, length, words, 3, fits);
        if (count == 0 && fits) continue;
        SyncKey key = {};
        if (!fits || count != 3) {
            std::snprintf(message, messageSize,
                          "line %zu: not 'row value interpolation' (such as '16 0.5 linear')",
                          lineNumber);
            return -1;
        }
        if (!readRow(words[0], key.row)) {
            std::snprintf(message, messageSize, "line %zu: row '%s' is not a whole number",
                          lineNumber, words[0]);
            return -1;
        }
        if (!readValue(words[1], key.value)) {
            std::snprintf(message, messageSize, "line %zu: value '%s' is not a finite number",
                          lineNumber, words[1]);
            return -1;
        }
        const int interpolation = readInterpolation(words[2]);
        if (interpolation < 0) {
            std::snprintf(message, messageSize,
                          "line %zu: interpolation '%s' is not step, linear, smooth or ramp",
                          lineNumber, words[2]);
            return -1;
        }
        key.interpolation = static_cast<uint8_t>(interpolation);
        if (keys.size() == SyncTrack::kMaxKeys) {
            std::snprintf(message, messageSize, "line %zu: more than %u keys", lineNumber,
                          SyncTrack::kMaxKeys);
            return -1;
        }
        keys.push_back(key);
    }
    track.clear();
    // At most kMaxKeys keys, each checked: setKey cannot refuse one.
    for (const SyncKey& key : keys) track.setKey(key);
    return 0;
}

std::string trackText(const SyncTrack& track, const char* title) {
    std::string text = std::string("# ") + title + "\n# row value interpolation\n";
    char line[96];
    for (uint32_t i = 0; i < track.keyCount(); ++i) {
        const SyncKey& key = track.key(i);
        const uint8_t interpolation = key.interpolation < std::size(kInterpolationNames)
                                          ? key.interpolation
                                          : static_cast<uint8_t>(kSyncStep);
        // Nine digits give the float back exactly.
        std::snprintf(line, sizeof line, "%d %.9g %s\n", key.row, static_cast<double>(key.value),
                      kInterpolationNames[interpolation]);
        text += line;
    }
    return text;
}

int writeTrackTexts(const char* base) {
    if (!trackBaseUsable(base)) {
        std::printf("tracks: base '%s' would lead out of data/ (no leading '/', no '\\' or ':', "
                    "no empty, '.' or '..' part)\n",
                    base);
        return -1;
    }
    char folderName[DataLocator::kPathSize];
    char baseFile[DataLocator::kPathSize];
    std::snprintf(folderName, sizeof folderName, "%s.track", base);
    if (!DataLocator::resolve(folderName, baseFile)) return -1;
    // The files of a base are "<base>_<name>.track", in the base's own folder or below it
    // when a track name holds a '/'.
    const std::filesystem::path basePath(baseFile);
    const std::string prefix = basePath.parent_path().generic_string() + "/" +
                               basePath.filename().stem().generic_string() + "_";
    std::vector<std::string> files;
    std::error_code error;
    for (auto entry = std::filesystem::recursive_directory_iterator(basePath.parent_path(), error);
         !error && entry != std::filesystem::recursive_directory_iterator();
         entry.increment(error)) {
        const std::string path = entry->path().generic_string();
        if (entry->is_regular_file(error) && path.compare(0, prefix.size(), prefix) == 0 &&
            entry->path().extension() == ".track")
            files.push_back(path);
    }
    if (files.empty()) {
        std::printf("tracks: no track files %s*.track\n", prefix.c_str());
        return -1;
    }
    std::sort(files.begin(), files.end());
    int failed = 0;
    for (const std::string& path : files) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        SyncTrack track;
        char message[128];
        if (parseTrackFile(bytes.data(), bytes.size(), track, message, sizeof message) != 0) {
            std::printf("tracks: %s: %s; no text written\n", path.c_str(), message);
            ++failed;
            continue;
        }
        const std::string textPath = path + ".txt";
        const std::string title =
            std::filesystem::path(path).lexically_relative("data").generic_string();
        const std::string text = trackText(track, title.c_str());
        std::ofstream out(textPath, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::printf("tracks: cannot write %s\n", textPath.c_str());
            ++failed;
            continue;
        }
        std::printf("tracks: %s, %u keys\n", textPath.c_str(), track.keyCount());
    }
    return failed;
}
