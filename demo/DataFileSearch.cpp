#include "demo/DataFileSearch.h"

#include "demo/NameHint.h"
#include "io/DataLocator.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <vector>

bool dataFileExists(const char* name, std::string& path) {
    char resolved[DataLocator::kPathSize];
    if (!DataLocator::resolve(name, resolved)) return false;
    path = resolved;
    struct stat info;
    return name[0] && stat(resolved, &info) == 0 && S_ISREG(info.st_mode);
}

std::string nearbyFile(const char* name, const std::string& path) {
    const std::filesystem::path looked(path);
    const std::string written = std::filesystem::path(name).parent_path().generic_string();
    const std::string prefix = written.empty() ? "" : written + "/";
    std::vector<std::string> names;
    std::error_code error;
    for (auto entry = std::filesystem::directory_iterator(looked.parent_path(), error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error))
        if (entry->is_regular_file(error))
            names.push_back(prefix + entry->path().filename().string());
    std::sort(names.begin(), names.end());
    return didYouMean(name, names);
}
