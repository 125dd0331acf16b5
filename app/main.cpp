// Program entry: the command line, banner, log set-up, script reading, then the script
// driver (or check mode, edit mode, or rendering to a video file). The exit statuses are
// in ExitStatus.h: playing exits with 1 when the script cannot be found, read or parsed (a
// batch run can tell that from a demo that played), 0 otherwise, since failures inside a
// demo never change it; an unusable command line exits with 2.
#include "app/CheckMode.h"
#include "app/CommandLine.h"
#include "app/EditLoop.h"
#include "app/ExitStatus.h"
#include "app/RunDemos.h"
#include "app/ScriptName.h"
#include "demo/SyncLink.h"
#include "log/Log.h"
#include "platform/native/Native.h"
#include "render/RenderSession.h"
#include "script/ScriptDocument.h"
#include "sync/TrackText.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kScriptPathSize = 256;

// Started by a double click, a console program's window closes as it ends: on Windows a
// failure that stops the player before it plays is also shown in a box.
void showStartupFailure(const char* message) {
#ifdef _WIN32
    native::messageBox(nullptr, message, "Vornex", native::MB_OK | native::MB_ICONERROR);
#else
    (void)message;
#endif
}

int render(const CommandLine& line, ScriptDocument& document) {
    RenderSession::Options options;
    options.path = line.renderPath.c_str();
    options.fps = line.fps;
    options.width = line.width;
    options.height = line.height;
    options.duration = line.duration;
    RenderSession session(options);
    if (session.begin() != 0) return kRenderFailed;
    runDemos(document, line.startTime, nullptr, &session);
    switch (session.finish()) {
    case RenderSession::Outcome::Written:
        return kDone;
    case RenderSession::Outcome::Stopped:
        return kSignalBase + session.stopSignal();
    default:
        return kRenderFailed;
    }
}

} // namespace

int main(int argc, char** argv) {
    // Line by line, so diagnostics stay in order with what libraries write to standard error
    // when both go to one pipe or file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    CommandLine line;
    if (!parseCommandLine(argc, argv, line)) {
        std::printf("vornex: %s\n\n%s", line.error.c_str(), usageText());
        return kBadCommandLine;
    }
    if (line.help) {
        std::printf("%s", usageText());
        return kDone;
    }
    if (line.version) {
        std::printf("Vornex %s (Build: %s %s)\n", VORNEX_VERSION, __TIME__, __DATE__);
        return kDone;
    }
    if (!line.renderPath.empty()) {
        char reason[256];
        // Before anything is read or written, so an existing file stays as it is.
        if (RenderSession::checkTarget(line.renderPath.c_str(), reason, sizeof reason) != 0) {
            std::printf("vornex: --render %s: %s\n", line.renderPath.c_str(), reason);
            return kBadCommandLine;
        }
    }
    if (!line.tracksBase.empty()) {
        if (!haveDataFolder()) {
            std::printf("%s\n", noDataFolderMessage().c_str());
            return kScriptUnusable;
        }
        return writeTrackTexts(line.tracksBase.c_str()) == 0 ? kDone : kTracksUnreadable;
    }
    const std::string script = scriptNameBelowData(line.script);
    if (line.check) {
        if (!haveDataFolder()) {
            std::printf("%s\n", noDataFolderMessage().c_str());
            return kScriptUnusable;
        }
        return runCheck(script.c_str(), line.files);
    }

    // Compared by scripts and tests: keep the text exactly.
    std::printf("Vornex (Build: %s %s)\n", __TIME__, __DATE__);
    std::printf("A script-driven real-time demo player.\n\n");
    Log& log = Log::instance();
    log.setFileName("log.txt");
    log.setOutputs(LOG_TO_FILE);
    log.setEnabled(true);

    // A cut path could name another script.
    if (script.size() >= kScriptPathSize) {
        log.print("Script path longer than %u characters refused",
                  static_cast<unsigned>(kScriptPathSize - 1));
        showStartupFailure("The script's path is too long.");
        return kScriptUnusable;
    }
    if (!haveDataFolder()) {
        const std::string message = noDataFolderMessage();
        log.print("%s", message.c_str());
        std::printf("%s\n", message.c_str());
        showStartupFailure(message.c_str());
        return kScriptUnusable;
    }
    const char* scriptPath = script.c_str();
    SyncLink::linkToEditor(line.sync);
    if (line.edit) {
        runEditLoop(scriptPath, static_cast<float>(line.startTime));
        return kDone;
    }

    // Compared by scripts and tests: keep the text exactly.
    log.print("Parsing Script [%s]", scriptPath);
    ScriptDocument document;
    if (document.parseFile(scriptPath) != 0) {
        log.print("%s", ScriptDocument::lastMessage());
        showStartupFailure(ScriptDocument::lastMessage());
        return kScriptUnusable;
    }
    log.print("done.");
    if (!line.renderPath.empty()) return render(line, document);
    runDemos(document, line.startTime, nullptr);
    return kDone;
}
