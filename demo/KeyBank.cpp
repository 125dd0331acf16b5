#include "demo/KeyBank.h"

#include "demo/ScriptNumber.h"
#include <vornex/ScriptNode.h>

#include <strings.h>

int32_t selectKeyBank(const ScriptNode& element, int32_t bank) {
    // Wide enough that any number of int-sized steps cannot overflow before the clamp.
    long long selected = bank;
    for (const ScriptAttribute* attribute : element.attributes) {
        if (strcasecmp(attribute->name, "set") == 0)
            selected = scriptInt(attribute->value);
        else if (strcasecmp(attribute->name, "inc") == 0)
            selected += scriptInt(attribute->value);
        else if (strcasecmp(attribute->name, "dec") == 0)
            selected -= scriptInt(attribute->value);
    }
    if (selected < 0) return 0;
    if (selected > kKeyBankCount - 1) return kKeyBankCount - 1;
    return static_cast<int32_t>(selected);
}
