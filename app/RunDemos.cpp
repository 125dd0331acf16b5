#include "app/RunDemos.h"

#include "demo/Demo.h"
#include "demo/EditSession.h"
#include "demo/FrameDriver.h"
#include "log/Log.h"
#include "script/ScriptDocument.h"

#include <new>

void runDemos(ScriptDocument& document, double startTime, EditSession* edit, FrameDriver* driver) {
    for (ScriptNode* element : document.children) {
        if (!element->is("demo")) continue;
        // The walk lets no exception out; making the demo's tables may still fail.
        Demo* demo = nullptr;
        try {
            demo = new Demo;
        } catch (const std::bad_alloc&) {
            Log::instance().print("Out of memory: demo skipped");
            continue;
        }
        demo->setStartTime(startTime);
        demo->setEditSession(edit);
        demo->setFrameDriver(driver);
        demo->walk(element);
        delete demo;
        if (edit && edit->restartWanted()) return;
        if (driver && driver->finished()) return;
    }
}
