#include "app/EditLoop.h"

#include "app/RunDemos.h"
#include "demo/Diagnostics.h"
#include "demo/EditSession.h"
#include "log/Log.h"
#include "script/ScriptDocument.h"

#include <cstdio>

void runEditLoop(const char* scriptPath, float startTime) {
    Log& log = Log::instance();
    EditSession session;
    float start = startTime;
    for (;;) {
        ScriptDocument document;
        document.keepPositions(true);
        log.print("Parsing Script [%s]", scriptPath);
        const bool read = document.parseFile(scriptPath) == 0;
        session.watchScript(document);
        if (!read) {
            log.print("%s", ScriptDocument::lastMessage());
            Diagnostics diagnostics(document);
            for (const ScriptNotice& notice : document.notices())
                if (notice.error) diagnostics.report(&notice.where, true, notice.text);
            std::printf("%sedit: waiting for the script to change\n", diagnostics.text().c_str());
            if (!session.waitForScriptChange()) return;
            continue;
        }
        log.print("done.");
        runDemos(document, start, &session);
        if (session.takeRestart(start)) continue;
        if (session.played()) return;
        // A script saved in steps may read well before it is whole: one that plays nothing
        // waits for the next save instead of ending edit mode.
        log.print("edit: the script plays nothing (no demo reached its run); waiting for the "
                  "script to change");
        std::printf("edit: the script plays nothing; waiting for the script to change\n");
        if (!session.waitForScriptChange()) return;
    }
}
