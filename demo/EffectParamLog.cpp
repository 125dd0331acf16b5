#include "demo/EffectParamLog.h"

#include "log/Log.h"
#include <vornex/EffectParamTable.h>

const char* effectParamTypeWord(uint32_t type) {
    static const char* const kWords[] = {"texture", "camera", "vec4f",   "vec3f",  "integer",
                                         "boolean", "float",  "unknown", "numbers"};
    return type < sizeof kWords / sizeof kWords[0] ? kWords[type] : "unknown";
}

void logEffectParams(const EffectParamTable& table) {
    // Null names and entries come from plugin mistakes; they are logged, not followed.
    Log& log = Log::instance();
    // Compared by scripts and tests: keep the text exactly.
    log.print("effect:%s params:%i\n", table.displayName ? table.displayName : "",
              static_cast<int>(table.count));
    for (uint32_t j = 0; j < table.count && table.params; ++j) {
        const EffectParam* param = table.params[j];
        // Compared by scripts and tests: keep the text exactly.
        log.print("param%.2i name:%s type:%s\n", static_cast<int>(j),
                  param && param->name ? param->name : "",
                  param ? effectParamTypeWord(param->type) : "unknown");
    }
}
