// The narrow, Win32-shaped interface between the player and the machine it runs on.
// Everything above platform/native/ calls only these functions; a back end (sdl for the
// player, fake for unit tests) is chosen at link time. Names and shapes follow the
// desktop calls they stand for, so the code above reads like its contract.
#pragma once

#include <cstdint>

namespace native {

// GetSystemTime: Coordinated Universal Time with milliseconds.
struct SystemTime {
    uint16_t year;
    uint16_t month; // 1..12
    uint16_t dayOfWeek;
    uint16_t day;  // 1..31
    uint16_t hour; // 0..23
    uint16_t minute;
    uint16_t second;
    uint16_t milliseconds;
};

// GetTickCount: milliseconds since an arbitrary start, wrapping at 2^32.
uint32_t getTickCount();
void getSystemTime(SystemTime* time);

// MessageBoxA: flags combine one button set and one icon.
enum MessageBoxFlags : uint32_t {
    MB_OK = 0x00000000,
    MB_ICONERROR = 0x00000010,
    MB_ICONEXCLAMATION = 0x00000030,
    MB_ICONINFORMATION = 0x00000040,
};
enum MessageBoxResult : int { IDOK = 1 };
// Modal on the desktop; back ends must never block a run without a display or a test.
int messageBox(void* owner, const char* text, const char* caption, uint32_t flags);

} // namespace native
