#include "demo/ProcessSettings.h"

ProcessSettings& processSettings() {
    static ProcessSettings settings;
    return settings;
}
