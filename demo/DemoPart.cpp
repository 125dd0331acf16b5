// `part` elements: their children are the demo's own; the part's start reaches the events
// among them when they are defined (PartStart.h).
#include "demo/Demo.h"

#include <vornex/ScriptNode.h>

void Demo::walkPart(ScriptNode& element) {
    for (ScriptNode* child : element.children) dispatch(*child);
}
