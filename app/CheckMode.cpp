#include "app/CheckMode.h"

#include "app/ExitStatus.h"

#include "demo/Diagnostics.h"
#include "demo/ScriptCheck.h"
#include "script/ScriptDocument.h"

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

// The system's device that discards what is written to it.
#ifdef _WIN32
constexpr char kNullDevice[] = "NUL";
#else
constexpr char kNullDevice[] = "/dev/null";
#endif

// What reading and plugins print on their own (locator lines, reader remarks) would
// break up the diagnostics, which say the same with a position: it is dropped meanwhile.
class QuietStandardOutput {
public:
    QuietStandardOutput() {
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        const int nothing = open(kNullDevice, O_WRONLY);
        if (saved_ >= 0 && nothing >= 0) dup2(nothing, STDOUT_FILENO);
        if (nothing >= 0) close(nothing);
    }
    ~QuietStandardOutput() {
        std::fflush(stdout);
        if (saved_ < 0) return;
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
    }
    QuietStandardOutput(const QuietStandardOutput&) = delete;
    QuietStandardOutput& operator=(const QuietStandardOutput&) = delete;

private:
    int saved_;
};

} // namespace

int runCheck(const char* scriptPath, bool listFiles) {
    ScriptDocument document;
    document.keepPositions(true);
    Diagnostics diagnostics(document);
    std::string files;
    {
        QuietStandardOutput quiet;
        const bool read = document.parseFile(scriptPath) == 0;
        for (const ScriptNotice& notice : document.notices())
            diagnostics.report(&notice.where, notice.error, notice.text);
        if (read) {
            ScriptCheck check(document, diagnostics);
            check.run();
            for (const std::string& path : check.dataFiles()) files += "data " + path + "\n";
            for (const std::string& name : check.pluginFiles()) files += "plugin " + name + "\n";
        }
        diagnostics.summary();
    }
    std::fputs(diagnostics.text().c_str(), stdout);
    if (listFiles && !diagnostics.errors()) std::fputs(files.c_str(), stdout);
    if (diagnostics.errors()) return kScriptUnusable;
    return diagnostics.warnings() ? kCheckWarnings : kDone;
}
