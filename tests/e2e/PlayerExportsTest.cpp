// What the built player offers plugins to bind to: exactly the functions and classes the SDK
// headers mark VORNEX_API, and nothing of its own or of the standard library that a
// plugin's names could bind to by accident.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct SdkNames {
    std::set<std::string> classes;
    std::set<std::string> functions;
};

SdkNames markedInHeaders() {
    SdkNames names;
    const std::regex marked(R"(^(class|struct) VORNEX_API (\w+))");
    const std::regex function(R"(^VORNEX_API [^(]*[ *&](\w+)\()");
    for (const auto& entry :
         std::filesystem::directory_iterator(VORNEX_SOURCE_DIR "/include/vornex")) {
        std::ifstream header(entry.path());
        std::string line;
        std::smatch match;
        while (std::getline(header, line)) {
            if (std::regex_search(line, match, marked)) names.classes.insert(match[2]);
            if (std::regex_search(line, match, function)) names.functions.insert(match[1]);
        }
    }
    return names;
}

// The demangled names of the player's global dynamic symbols that it defines itself.
std::vector<std::string> exportedByPlayer() {
    std::vector<std::string> symbols;
    FILE* pipe = popen("nm -D --defined-only -C '" VORNEX_BIN_DIR "/vornex'", "r");
    if (!pipe) return symbols;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe)) {
        std::string text(line);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        // "<address> <type> <name>": lower-case types are local.
        const size_t type = text.find(' ');
        if (type == std::string::npos || type + 3 > text.size()) continue;
        if (std::islower(static_cast<unsigned char>(text[type + 1]))) continue;
        const std::string name = text.substr(type + 3);
        // Copies of a linked library's data (stdout@GLIBC..., the sanitizer runtime's
        // flags) belong to that library.
        if (name.find('@') != std::string::npos || name.rfind("__asan_", 0) == 0 ||
            name.rfind("__ubsan_", 0) == 0)
            continue;
        symbols.push_back(name);
    }
    pclose(pipe);
    return symbols;
}

std::string owner(const std::string& symbol, const SdkNames& sdk) {
    for (const std::string& name : sdk.classes)
        for (const std::string& form : {name + "::", "typeinfo for " + name,
                                        "typeinfo name for " + name, "vtable for " + name})
            if (symbol.rfind(form, 0) == 0 && (form.back() == ':' || symbol.size() == form.size()))
                return name;
    for (const std::string& name : sdk.functions)
        if (symbol.rfind(name + "(", 0) == 0) return name;
    return "";
}

} // namespace

TEST(PlayerExports, AreExactlyTheSdkFunctionsAndClasses) {
    const SdkNames sdk = markedInHeaders();
    ASSERT_FALSE(sdk.classes.empty());
    ASSERT_FALSE(sdk.functions.empty());
    const std::vector<std::string> symbols = exportedByPlayer();
    ASSERT_FALSE(symbols.empty());
    std::set<std::string> seen;
    std::ostringstream strangers;
    for (const std::string& symbol : symbols) {
        const std::string name = owner(symbol, sdk);
        if (name.empty())
            strangers << symbol << "\n";
        else
            seen.insert(name);
    }
    EXPECT_EQ(strangers.str(), "");
    std::ostringstream missing;
    for (const auto* names : {&sdk.classes, &sdk.functions})
        for (const std::string& name : *names)
            if (!seen.count(name)) missing << name << "\n";
    EXPECT_EQ(missing.str(), "");
}
