#include "app/RunDemos.h"

#include "demo/Demo.h"
#include "script/ScriptDocument.h"

void runDemos(ScriptDocument& document) {
    for (ScriptNode* element : document.children) {
        if (!element->is("demo")) continue;
        Demo* demo = new Demo;
        demo->walk(element);
        delete demo;
    }
}
