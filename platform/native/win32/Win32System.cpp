// Clock, system time, message boxes and display modes on the win32 back end.
#include "platform/native/Native.h"

#include "platform/native/win32/Windows.h"

#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>

namespace native {

uint32_t getTickCount() {
    return GetTickCount();
}

// The system's timer runs at 15.6 ms unless asked for 1 ms once: frame pacing sleeps
// until the last millisecond before a frame is due.
void sleep(uint32_t milliseconds) {
    static const bool fineTimer = timeBeginPeriod(1) == TIMERR_NOERROR;
    (void)fineTimer;
    Sleep(milliseconds);
}

void getSystemTime(SystemTime* time) {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    *time = SystemTime{now.wYear, now.wMonth,  now.wDayOfWeek, now.wDay,
                       now.wHour, now.wMinute, now.wSecond,    now.wMilliseconds};
}

// The text also goes to standard error; under CI or a test run no box is shown, since
// nobody could close it.
int messageBox(void* owner, const char* text, const char* caption, uint32_t flags) {
    std::fprintf(stderr, "[%s] %s\n", caption ? caption : "", text ? text : "");
    if (std::getenv("CI") || std::getenv("VORNEX_NO_MESSAGEBOX")) return IDOK;
    return MessageBoxA(static_cast<HWND>(owner), text, caption, flags);
}

int32_t changeDisplaySettings(const DisplayMode* mode, uint32_t flags) {
    if (!mode) return ChangeDisplaySettingsA(nullptr, flags);
    DEVMODEA request{};
    request.dmSize = sizeof(request);
    request.dmFields = mode->fields;
    request.dmBitsPerPel = mode->bitsPerPixel;
    request.dmPelsWidth = mode->width;
    request.dmPelsHeight = mode->height;
    return ChangeDisplaySettingsA(&request, flags);
}

} // namespace native
