// Controls of the fake native back end, for unit tests: a settable clock that sleeps move,
// recorded message boxes, a desktop, a cursor, windows that can be inspected, scripted
// failures, display modes, pixel formats and GL contexts that exist only as records. Input is
// injected with native::postMessage. Link vornex_native_fake to use them.
#pragma once

#include "platform/native/Native.h"

#include <string>
#include <vector>

namespace native::fake {

struct RecordedMessageBox {
    std::string text;
    std::string caption;
    uint32_t flags;
};

// What create asked for and what was done to a window since.
struct WindowInfo {
    std::string title;
    uint32_t style;
    uint32_t extendedStyle;
    int32_t x; // outer rectangle
    int32_t y;
    int32_t outerWidth;
    int32_t outerHeight;
    bool visible;
    bool topmost;
    bool foreground;
    uint32_t setWindowPosCalls;
    uint32_t lastSetWindowPosFlags;
};

// Operations that can be made to fail.
enum class Failure {
    CreateWindow,
    DestroyWindow,
    ChangeDisplayMode,
    GetDC,
    ChoosePixelFormat,
    SetPixelFormat,
    CreateContext,
    MakeCurrent,
    ReleaseContext, // makeCurrent with a null context
    DeleteContext,
    ReleaseDC,
};

void setTickCount(uint32_t ticks);
void advanceTickCount(uint32_t milliseconds);
// native::sleep moves the clock by what it was asked to sleep; a sleep of 0 (a yield) by
// kYieldMicroseconds, so a wait that spins on yields ends.
constexpr uint32_t kYieldMicroseconds = 100;
uint32_t sleptMilliseconds(); // the sum of every sleep asked for
uint32_t yieldCount();
void setSystemTime(const SystemTime& time);
const std::vector<RecordedMessageBox>& messageBoxes();

void setDesktopRect(const Rect& rect);
// Frame metrics of adjustWindowRect: a sizing frame adds kSizingFrame on every side, a
// thin border or dialog frame kBorder, a caption kCaption at the top.
constexpr int32_t kSizingFrame = 4;
constexpr int32_t kBorder = 1;
constexpr int32_t kCaption = 19;

void setCursorPos(int32_t x, int32_t y);
int32_t cursorCounter();

bool windowInfo(WindowHandle window, WindowInfo* info);
uint32_t windowCount();

void fail(Failure operation, bool failing = true);

// Display modes: refused modes fail with DISP_CHANGE_FAILED; the record of calls.
struct DisplayModeChange {
    bool restore; // a null mode
    DisplayMode mode;
    uint32_t flags;
};
const std::vector<DisplayModeChange>& displayModeChanges();

// The format describePixelFormat reports after setPixelFormat (by default the request,
// with 8 bits per colour channel when it asks for 24 or 32 colour bits).
void setGrantedPixelFormat(const PixelFormatDescriptor& format);
const PixelFormatDescriptor& requestedPixelFormat();
RenderContext currentContext();
DeviceContext currentReadSurface();
uint32_t liveContextCount();
uint32_t swapCount();

// getProcAddress answers registered names; the window-system extension string and the
// swap interval stand-ins answer only while an extension string is set.
void registerProc(const char* name, Proc proc);
void setWindowSystemExtensions(const char* extensions); // null: no extension-string entry
int32_t swapInterval();

// Back to the state after start-up: clock at 0, system time 2000-01-01 00:00:00.000, no
// message boxes, windows, classes, messages or contexts; desktop 1024 x 768; nothing fails.
void reset();

} // namespace native::fake
