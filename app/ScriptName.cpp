#include "app/ScriptName.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
constexpr const char* kDataFolder = "data";
} // namespace

std::string scriptNameBelowData(const std::string& argument) {
    std::string name = argument;
    std::replace(name.begin(), name.end(), '\\', '/');
    std::error_code error;
    if (fs::path(name).is_relative() && fs::is_regular_file(fs::path(kDataFolder) / name, error))
        return name;
    if (fs::is_regular_file(name, error)) {
        std::error_code dataError;
        const fs::path file = fs::canonical(name, error);
        const fs::path data = fs::canonical(kDataFolder, dataError);
        if (!error && !dataError) {
            const fs::path below = file.lexically_relative(data);
            if (!below.empty() && *below.begin() != ".." && *below.begin() != ".")
                return below.generic_string();
        }
    }
    for (const char* prefix : {"./data/", "data/"})
        if (name.rfind(prefix, 0) == 0) return name.substr(std::char_traits<char>::length(prefix));
    return name;
}

bool haveDataFolder() {
    std::error_code error;
    return fs::is_directory(kDataFolder, error);
}

std::string noDataFolderMessage() {
    std::error_code error;
    const fs::path here = fs::current_path(error);
    return "vornex: there is no data/ folder in " + (error ? std::string(".") : here.string()) +
           "\nThe player reads its script and files from data/ below the folder it is started "
           "in:\nchange to the folder that holds your demo's data/ and run vornex there (vornex "
           "plays data/script.txt, vornex intro.txt plays data/intro.txt).";
}
