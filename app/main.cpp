// Program entry: banner, log set-up, then the script driver.
#include "platform/Log.h"

#include <cstdio>

int main(int, char**) {
    std::printf("Vornex (Build: %s %s)\n", __TIME__, __DATE__);
    std::printf("A script-driven real-time demo player.\n\n");
    Log& log = Log::instance();
    log.setFileName("log.txt");
    log.setOutputs(LOG_TO_FILE);
    log.setEnabled(true);
    return 0;
}
