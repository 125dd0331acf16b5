#include "app/RunDemos.h"

#include "demo/Demo.h"
#include "script/ScriptDocument.h"

void runDemos(ScriptDocument& document, FrameDriver* driver) {
    for (ScriptNode* element : document.children) {
        if (!element->is("demo")) continue;
        Demo* demo = new Demo;
        demo->frameDriver = driver;
        demo->walk(element);
        delete demo;
    }
}
