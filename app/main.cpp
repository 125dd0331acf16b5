// Program entry: the command line, banner, log set-up, script reading, then the script
// driver (or check mode, edit mode, or rendering to a video file). Playing exits with 1
// when the script cannot be found, read or parsed (a batch run can tell that from a demo
// that played), 0 otherwise: failures inside a demo never change it. Check mode's status
// tells what it found, and an unusable command line exits with 2.
#include "app/CheckMode.h"
#include "app/CommandLine.h"
#include "app/EditLoop.h"
#include "app/RunDemos.h"
#include "demo/SyncLink.h"
#include "platform/Log.h"
#ifdef VORNEX_RENDER
#include "render/RenderSession.h"
#endif
#include "script/ScriptDocument.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr size_t kScriptPathSize = 256;
constexpr int kScriptUnreadable = 1;
} // namespace

int main(int argc, char** argv) {
    // Line by line, so diagnostics stay in order with what libraries write to standard error
    // when both go to one pipe or file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    CommandLine line;
    if (!parseCommandLine(argc, argv, line)) {
        std::printf("vornex: %s\n\n%s", line.error.c_str(), usageText());
        return 2;
    }
    if (line.help) {
        std::printf("%s", usageText());
        return 0;
    }
    if (line.version) {
        std::printf("Vornex %s (Build: %s %s)\n", VORNEX_VERSION, __TIME__, __DATE__);
        return 0;
    }
    if (line.check) return runCheck(line.script.c_str());

    // Compared by scripts and tests: keep the text exactly.
    std::printf("Vornex (Build: %s %s)\n", __TIME__, __DATE__);
    std::printf("A script-driven real-time demo player.\n\n");
    Log& log = Log::instance();
    log.setFileName("log.txt");
    log.setOutputs(LOG_TO_FILE);
    log.setEnabled(true);

    // A cut path could name another script.
    if (line.script.size() >= kScriptPathSize) {
        log.print("Script path longer than %u characters refused",
                  static_cast<unsigned>(kScriptPathSize - 1));
        return kScriptUnreadable;
    }
    const char* scriptPath = line.script.c_str();
    SyncLink::linkToEditor(line.sync);
    if (line.edit) {
        runEditLoop(scriptPath, line.startTime);
        return 0;
    }

    // Compared by scripts and tests: keep the text exactly.
    log.print("Parsing Script [%s]", scriptPath);
    ScriptDocument document;
    if (document.parseFile(scriptPath) != 0) {
        log.print("%s", ScriptDocument::lastMessage());
        return kScriptUnreadable;
    }
    log.print("done.");
    if (line.renderPath.empty()) {
        runDemos(document, line.startTime, nullptr);
        return 0;
    }
#ifdef VORNEX_RENDER
    RenderSession::Options render;
    render.path = line.renderPath.c_str();
    render.fps = line.fps;
    render.width = line.width;
    render.height = line.height;
    render.duration = line.duration;
    RenderSession session(render);
    session.begin();
    runDemos(document, line.startTime, nullptr, &session);
    session.finish();
    return 0;
#endif
}
