#include "app/RunDemos.h"

#include "demo/Demo.h"
#include "demo/EditSession.h"
#include "script/ScriptDocument.h"

void runDemos(ScriptDocument& document, float startTime, EditSession* edit) {
    for (ScriptNode* element : document.children) {
        if (!element->is("demo")) continue;
        Demo* demo = new Demo;
        demo->startTime = startTime;
        demo->edit = edit;
        demo->walk(element);
        delete demo;
        if (edit && edit->restartWanted()) return;
    }
}
