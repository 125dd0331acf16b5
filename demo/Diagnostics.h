// Check mode's output: one line per problem, "file:line:column: error|warning: message",
// with the file as found below the working directory, then a summary line. Lines are
// gathered, so the caller can print them after whatever the reading printed itself.
#pragma once

#include "script/SourcePosition.h"

#include <string>

class ScriptDocument;

class Diagnostics {
public:
    explicit Diagnostics(const ScriptDocument& document);

    // At an element or attribute of the document (without a position when it has none).
    void error(const void* record, const std::string& text);
    void warning(const void* record, const std::string& text);
    void report(const SourcePosition* at, bool error, const std::string& text);
    // "N errors, M warnings".
    void summary();
    const std::string& text() const { return text_; }

    int errors() const { return errors_; }
    int warnings() const { return warnings_; }

private:
    const ScriptDocument& document_;
    std::string text_;
    int errors_ = 0;
    int warnings_ = 0;
};
