#include "sync/TrackFileList.h"

#include "sync/TrackFileName.h"

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool isTrackFile(const fs::directory_entry& entry) {
    std::error_code error;
    if (!entry.is_regular_file(error)) return false;
    const std::string name = entry.path().filename().string();
    return endsWith(name, ".track") || endsWith(name, ".track.txt");
}

void addTrackFile(const fs::directory_entry& entry, std::vector<std::string>& files) {
    if (isTrackFile(entry)) files.push_back(entry.path().generic_string());
}

} // namespace

std::vector<std::string> trackFilesOfBase(const char* base) {
    std::vector<std::string> files;
    if (!base || !trackBaseUsable(base)) return files;
    const fs::path written = fs::path("data") / base;
    const std::string prefix = written.filename().string() + "_";
    std::error_code error;
    for (auto entry = fs::directory_iterator(written.parent_path(), error);
         !error && entry != fs::directory_iterator(); entry.increment(error)) {
        if (entry->path().filename().string().compare(0, prefix.size(), prefix) != 0) continue;
        addTrackFile(*entry, files);
        // A '/' in a track name makes a folder "<base>_<first part>/".
        std::error_code inner;
        if (!entry->is_directory(inner)) continue;
        for (auto below = fs::recursive_directory_iterator(entry->path(), inner);
             !inner && below != fs::recursive_directory_iterator(); below.increment(inner))
            addTrackFile(*below, files);
    }
    std::sort(files.begin(), files.end());
    return files;
}
