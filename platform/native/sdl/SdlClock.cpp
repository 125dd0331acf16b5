// Tick counter, sleep and UTC system time on the sdl back end.
#include "platform/native/Native.h"

#include <SDL.h>
#include <ctime>

namespace native {

uint32_t getTickCount() {
    return SDL_GetTicks();
}

void sleep(uint32_t milliseconds) {
    SDL_Delay(milliseconds);
}

void getSystemTime(SystemTime* time) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm utc{};
    gmtime_r(&now.tv_sec, &utc);
    time->year = static_cast<uint16_t>(utc.tm_year + 1900);
    time->month = static_cast<uint16_t>(utc.tm_mon + 1);
    time->dayOfWeek = static_cast<uint16_t>(utc.tm_wday);
    time->day = static_cast<uint16_t>(utc.tm_mday);
    time->hour = static_cast<uint16_t>(utc.tm_hour);
    time->minute = static_cast<uint16_t>(utc.tm_min);
    time->second = static_cast<uint16_t>(utc.tm_sec);
    time->milliseconds = static_cast<uint16_t>(now.tv_nsec / 1000000);
}

} // namespace native
