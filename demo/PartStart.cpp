#include "demo/PartStart.h"

#include <vornex/ScriptNode.h>
#include <vornex/ScriptValue.h>

double partStart(const ScriptNode& element) {
    double start = 0.0;
    for (const ScriptNode* outer = element.parent; outer; outer = outer->parent) {
        if (!outer->is("part")) continue;
        if (const ScriptAttribute* attribute = outer->findAttribute("start"))
            start += static_cast<double>(scriptFloat(attribute->value));
    }
    return start;
}
