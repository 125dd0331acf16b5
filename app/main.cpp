// Program entry: banner, log set-up, script reading, then the script driver. The exit
// code is 1 when the script cannot be found, read or parsed (a batch run can tell that
// from a demo that played), 0 otherwise: failures inside a demo never change it.
#include "app/RunDemos.h"
#include "platform/Log.h"
#include "script/ScriptDocument.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kScriptPathSize = 256;
constexpr int kScriptUnreadable = 1;

bool isOption(const char* argument, const char* option) {
    return std::strcmp(argument, option) == 0;
}

} // namespace

int main(int argc, char** argv) {
    // Line by line, so diagnostics stay in order with what libraries write to standard error
    // when both go to one pipe or file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc > 1 && (isOption(argv[1], "--help") || isOption(argv[1], "-h"))) {
        std::printf("Usage: vornex [script]\n"
                    "Plays the demo described by the script (default script.txt), found in\n"
                    "data/ below the working directory. Progress goes to log.txt.\n");
        return 0;
    }
    if (argc > 1 && isOption(argv[1], "--version")) {
        std::printf("Vornex %s (Build: %s %s)\n", VORNEX_VERSION, __TIME__, __DATE__);
        return 0;
    }

    // Compared by scripts and tests: keep the text exactly.
    std::printf("Vornex (Build: %s %s)\n", __TIME__, __DATE__);
    std::printf("A script-driven real-time demo player.\n\n");
    Log& log = Log::instance();
    log.setFileName("log.txt");
    log.setOutputs(LOG_TO_FILE);
    log.setEnabled(true);

    char scriptPath[kScriptPathSize] = "script.txt";
    if (argc > 1) {
        // A cut path could name another script.
        if (std::strlen(argv[1]) >= kScriptPathSize) {
            log.print("Script path longer than %u characters refused",
                      static_cast<unsigned>(kScriptPathSize - 1));
            return kScriptUnreadable;
        }
        std::strcpy(scriptPath, argv[1]);
    }

    // Compared by scripts and tests: keep the text exactly.
    log.print("Parsing Script [%s]", scriptPath);
    ScriptDocument document;
    if (document.parseFile(scriptPath) != 0) {
        log.print("%s", ScriptDocument::lastMessage());
        return kScriptUnreadable;
    }
    log.print("done.");
    runDemos(document);
    return 0;
}
