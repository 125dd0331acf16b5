#include "demo/Diagnostics.h"

#include "io/DataLocator.h"
#include "script/ScriptDocument.h"

#include <cstdio>

Diagnostics::Diagnostics(const ScriptDocument& document) : document_(document) {}

void Diagnostics::error(const void* record, const std::string& text) {
    report(document_.positionOf(record), true, text);
}

void Diagnostics::warning(const void* record, const std::string& text) {
    report(document_.positionOf(record), false, text);
}

void Diagnostics::report(const SourcePosition* at, bool error, const std::string& text) {
    ++(error ? errors_ : warnings_);
    const char* kind = error ? "error" : "warning";
    const auto& files = document_.fileNames();
    char path[DataLocator::kPathSize] = "script";
    if (at && at->file < files.size()) DataLocator::resolve(files[at->file].c_str(), path);
    char where[DataLocator::kPathSize + 32];
    if (at && at->line > 0)
        std::snprintf(where, sizeof where, "%s:%u:%u", path, at->line, at->column);
    else
        std::snprintf(where, sizeof where, "%s", path);
    text_ += std::string(where) + ": " + kind + ": " + text + "\n";
}

void Diagnostics::summary() {
    char line[64];
    std::snprintf(line, sizeof line, "%d error%s, %d warning%s\n", errors_, errors_ == 1 ? "" : "s",
                  warnings_, warnings_ == 1 ? "" : "s");
    text_ += line;
}
