#include "app/CheckMode.h"

#include "app/ExitStatus.h"

#include "demo/Diagnostics.h"
#include "demo/ScriptCheck.h"
#include "script/ScriptDocument.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// What reading and plugins print on their own (locator lines, reader remarks) would
// break up the diagnostics, which say the same with a position: it is dropped meanwhile.
class QuietStandardOutput {
public:
    QuietStandardOutput() {
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        const int nothing = open("/dev/null", O_WRONLY);
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

int runCheck(const char* scriptPath) {
    ScriptDocument document;
    document.keepPositions(true);
    Diagnostics diagnostics(document);
    {
        QuietStandardOutput quiet;
        const bool read = document.parseFile(scriptPath) == 0;
        for (const ScriptNotice& notice : document.notices())
            diagnostics.report(&notice.where, notice.error, notice.text);
        if (read) {
            ScriptCheck check(document, diagnostics);
            check.run();
        }
        diagnostics.summary();
    }
    std::fputs(diagnostics.text().c_str(), stdout);
    if (diagnostics.errors()) return kScriptUnusable;
    return diagnostics.warnings() ? kCheckWarnings : kDone;
}
