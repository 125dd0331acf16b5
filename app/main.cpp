// Program entry: banner, log set-up, script reading, then the script driver. The exit
// code is always 0.
#include "app/RenderOptions.h"
#include "app/RunDemos.h"
#include "demo/SyncLink.h"
#include "platform/Log.h"
#include "render/RenderSession.h"
#include "script/ScriptDocument.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kScriptPathSize = 256;

bool isOption(const char* argument, const char* option) {
    return std::strcmp(argument, option) == 0;
}

} // namespace

int main(int argc, char** argv) {
    // Line by line, so diagnostics stay in order with what libraries write to standard error
    // when both go to one pipe or file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc > 1 && (isOption(argv[1], "--help") || isOption(argv[1], "-h"))) {
        std::printf("Usage: vornex [--sync] [script]\n"
                    "       vornex --render out.mp4 [--fps N] [--size WxH] [--duration S] "
                    "[script]\n"
                    "Plays the demo described by the script (default script.txt), found in\n"
                    "data/ below the working directory. Progress goes to log.txt.\n"
                    "  --sync      link to the sync editor at 127.0.0.1:1338\n"
                    "  --render    write the demo with its music to a video file instead\n"
                    "  --fps       frames a second of the video (30)\n"
                    "  --size      picture size of the video (the demo's window size)\n"
                    "  --duration  seconds to write (until the demo's exit)\n");
        return 0;
    }
    if (argc > 1 && isOption(argv[1], "--version")) {
        std::printf("Vornex %s (Build: %s %s)\n", VORNEX_VERSION, __TIME__, __DATE__);
        return 0;
    }

    RenderOptions options;
    char optionMessage[256];
    if (parseRenderOptions(argc, argv, options, optionMessage, sizeof optionMessage) != 0) {
        std::printf("vornex: %s (see vornex --help)\n", optionMessage);
        return 0;
    }

    std::printf("Vornex (Build: %s %s)\n", __TIME__, __DATE__);
    std::printf("A script-driven real-time demo player.\n\n");
    Log& log = Log::instance();
    log.setFileName("log.txt");
    log.setOutputs(LOG_TO_FILE);
    log.setEnabled(true);

    char scriptPath[kScriptPathSize] = "script.txt";
    if (options.script) {
        // A cut path could name another script.
        if (std::strlen(options.script) >= kScriptPathSize) {
            log.print("Script path longer than %u characters refused",
                      static_cast<unsigned>(kScriptPathSize - 1));
            return 0;
        }
        std::strcpy(scriptPath, options.script);
    }

    log.print("Parsing Script [%s]", scriptPath);
    ScriptDocument document;
    if (document.parseFile(scriptPath) != 0) {
        log.print("%s", ScriptDocument::lastMessage());
        return 0;
    }
    log.print("done.");
    SyncLink::linkToEditor(options.sync);
    if (!options.renderPath) {
        runDemos(document);
        return 0;
    }
    RenderSession::Options render;
    render.path = options.renderPath;
    render.fps = options.fps;
    render.width = options.width;
    render.height = options.height;
    render.duration = options.duration;
    RenderSession session(render);
    session.begin();
    runDemos(document, &session);
    session.finish();
    return 0;
}
