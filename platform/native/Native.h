// The narrow, Win32-shaped interface between the player and the machine it runs on.
// Everything above platform/native/ calls only these functions; a back end (sdl for the
// player on Linux, win32 for the Windows build, fake for unit tests) is chosen at link
// time. Names and shapes follow the desktop calls they stand for, so the code above reads
// like its contract.
//
// Window classes, the window table, the message queue, keyboard state, character
// translation and dynamic libraries are emulated once, for sdl and fake alike (win32 has
// the real ones); windows, events, display modes, cursor, pixel formats and GL contexts are
// each back end's own.
#pragma once

#include <cstdint>

namespace native {

// ---------------------------------------------------------------------------------------
// Clock and time

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
// Sleep: gives the processor away for at least `milliseconds` (it may be somewhat more);
// 0 only offers the rest of the time slice to other threads and returns.
void sleep(uint32_t milliseconds);
void getSystemTime(SystemTime* time);

// ---------------------------------------------------------------------------------------
// Message boxes

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

// ---------------------------------------------------------------------------------------
// Handles: opaque values, never dereferenced above this layer.

using WindowHandle = void*;  // HWND
using DeviceContext = void*; // HDC
using RenderContext = void*; // HGLRC
using LibraryHandle = void*; // HMODULE
using Proc = void (*)();     // FARPROC / PROC

struct Point {
    int32_t x;
    int32_t y;
};

struct Rect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// ---------------------------------------------------------------------------------------
// Messages

enum MessageId : uint32_t {
    WM_NULL = 0x0000,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_ERASEBKGND = 0x0014,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_SYSCHAR = 0x0106,
    WM_SYSCOMMAND = 0x0112,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MBUTTONDBLCLK = 0x0209,
    WM_MOUSEWHEEL = 0x020A,
};

// wParam of WM_SYSCOMMAND.
enum SysCommand : uint32_t {
    SC_CLOSE = 0xF060,
    SC_KEYMENU = 0xF100,
    SC_SCREENSAVE = 0xF140,
    SC_MONITORPOWER = 0xF170,
};

// wParam of WM_SIZE.
enum SizeKind : uint32_t { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };

// One wheel notch in WM_MOUSEWHEEL (high word of wParam, positive away from the user).
constexpr int32_t WHEEL_DELTA = 120;

// MSG. lParam and wParam pack their values as the desktop does: WM_MOVE and WM_SIZE
// carry x/width in the low and y/height in the high word of lParam; key messages carry the
// virtual-key code in wParam and repeat count (bits 0-15), scan code (16-23), extended
// key (24), Alt held (29), previous key state (30) and transition (31) in lParam.
struct Message {
    WindowHandle window;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    uint32_t time;
    Point point;
};

inline uint16_t loWord(uintptr_t value) {
    return static_cast<uint16_t>(value & 0xFFFF);
}
inline uint16_t hiWord(uintptr_t value) {
    return static_cast<uint16_t>((value >> 16) & 0xFFFF);
}
inline intptr_t makeLParam(uint16_t low, uint16_t high) {
    return static_cast<intptr_t>(static_cast<uint32_t>(low) | (static_cast<uint32_t>(high) << 16));
}

// ---------------------------------------------------------------------------------------
// Virtual-key codes. Letters and digits are their upper-case ASCII codes ('A'..'Z',
// '0'..'9').

enum VirtualKey : uint32_t {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_MBUTTON = 0x04,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12, // Alt
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14, // Caps Lock
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21, // Page Up
    VK_NEXT = 0x22,  // Page Down
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SELECT = 0x29,
    VK_PRINT = 0x2A,
    VK_EXECUTE = 0x2B,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_HELP = 0x2F,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_APPS = 0x5D,
    VK_SLEEP = 0x5F,
    VK_NUMPAD0 = 0x60,
    VK_NUMPAD1 = 0x61,
    VK_NUMPAD2 = 0x62,
    VK_NUMPAD3 = 0x63,
    VK_NUMPAD4 = 0x64,
    VK_NUMPAD5 = 0x65,
    VK_NUMPAD6 = 0x66,
    VK_NUMPAD7 = 0x67,
    VK_NUMPAD8 = 0x68,
    VK_NUMPAD9 = 0x69,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SEPARATOR = 0x6C,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70, // VK_F1 + n - 1 for Fn, up to F24
    VK_F2 = 0x71,
    VK_F3 = 0x72,
    VK_F4 = 0x73,
    VK_F5 = 0x74,
    VK_F6 = 0x75,
    VK_F7 = 0x76,
    VK_F8 = 0x77,
    VK_F9 = 0x78,
    VK_F10 = 0x79,
    VK_F11 = 0x7A,
    VK_F12 = 0x7B,
    VK_F24 = 0x87,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    VK_LSHIFT = 0xA0,
    VK_RSHIFT = 0xA1,
    VK_LCONTROL = 0xA2,
    VK_RCONTROL = 0xA3,
    VK_LMENU = 0xA4,
    VK_RMENU = 0xA5,
    VK_OEM_1 = 0xBA,      // ;:
    VK_OEM_PLUS = 0xBB,   // =+
    VK_OEM_COMMA = 0xBC,  // ,<
    VK_OEM_MINUS = 0xBD,  // -_
    VK_OEM_PERIOD = 0xBE, // .>
    VK_OEM_2 = 0xBF,      // /?
    VK_OEM_3 = 0xC0,      // `~
    VK_OEM_4 = 0xDB,      // [{
    VK_OEM_5 = 0xDC,      // \|
    VK_OEM_6 = 0xDD,      // ]}
    VK_OEM_7 = 0xDE,      // '"
    VK_OEM_102 = 0xE2,    // the extra key of 102-key keyboards: \|
};

// ---------------------------------------------------------------------------------------
// Window classes and windows

// Window procedure: returns the message's result.
using WindowProc = intptr_t (*)(WindowHandle window, uint32_t message, uintptr_t wParam,
                                intptr_t lParam);

enum ClassStyle : uint32_t {
    CS_VREDRAW = 0x0001,
    CS_HREDRAW = 0x0002,
    CS_OWNDC = 0x0020,
};

enum WindowStyle : uint32_t {
    WS_OVERLAPPED = 0x00000000,
    WS_MAXIMIZEBOX = 0x00010000,
    WS_MINIMIZEBOX = 0x00020000,
    WS_THICKFRAME = 0x00040000,
    WS_SYSMENU = 0x00080000,
    WS_DLGFRAME = 0x00400000,
    WS_BORDER = 0x00800000,
    WS_CAPTION = 0x00C00000, // WS_BORDER | WS_DLGFRAME
    WS_VISIBLE = 0x10000000,
    WS_POPUP = 0x80000000,
    WS_OVERLAPPEDWINDOW =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
};

enum ExtendedWindowStyle : uint32_t {
    WS_EX_TOPMOST = 0x00000008,
    WS_EX_TOOLWINDOW = 0x00000080,
};

// The system colour value of the class background brush.
constexpr uint32_t kBackgroundSystemColour = 5;

// WNDCLASSEXA. Icons, menu and the arrow cursor have no handles here: a class always gets
// the standard arrow and no icon or menu.
struct WindowClass {
    uint32_t style;
    WindowProc procedure;
    int32_t classExtraBytes;
    int32_t windowExtraBytes;
    void* instance;
    uint32_t backgroundColour;
    const char* className;
};

// RegisterClassExA: non-zero atom on success, 0 when the name is taken or the table full.
uint16_t registerClass(const WindowClass* windowClass);
// UnregisterClassA: refused while a window of the class exists.
bool unregisterClass(const char* className, void* instance);
// GetModuleHandle(NULL).
void* getModuleHandle();

// CreateWindowExA without parent and menu; null on failure.
WindowHandle createWindow(uint32_t extendedStyle, const char* className, const char* title,
                          uint32_t style, int32_t x, int32_t y, int32_t outerWidth,
                          int32_t outerHeight, void* instance);
// DestroyWindow: false for a handle that names no window.
bool destroyWindow(WindowHandle window);
bool isWindow(WindowHandle window);
// DefWindowProcA: WM_CLOSE destroys the window; Alt+F4 (WM_SYSKEYDOWN VK_F4) becomes
// WM_SYSCOMMAND SC_CLOSE, which sends WM_CLOSE.
intptr_t defWindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// SendMessageA: calls the window procedure at once.
intptr_t sendMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);

// SetWindowLongPtr / GetWindowLongPtr with GWLP_USERDATA.
void setWindowUserData(WindowHandle window, void* data);
void* getWindowUserData(WindowHandle window);

enum ShowCommand : int32_t { SW_HIDE = 0, SW_SHOW = 5 };
bool showWindow(WindowHandle window, int32_t command);
// SetWindowTextA: the caption; false for a handle that names no window.
bool setWindowText(WindowHandle window, const char* text);
bool setForegroundWindow(WindowHandle window);
WindowHandle setFocus(WindowHandle window);
bool updateWindow(WindowHandle window);

// SetWindowPos: insertAfter is one of the markers below.
enum class InsertAfter { Top, Topmost, NoTopmost };
enum SetWindowPosFlags : uint32_t {
    SWP_NOSIZE = 0x0001,
    SWP_NOMOVE = 0x0002,
    SWP_FRAMECHANGED = 0x0020,
};
bool setWindowPos(WindowHandle window, InsertAfter insertAfter, int32_t x, int32_t y,
                  int32_t outerWidth, int32_t outerHeight, uint32_t flags);

// AdjustWindowRect: enlarges a client rectangle to the outer rectangle for a style.
bool adjustWindowRect(Rect* rect, uint32_t style, bool hasMenu);
// GetWindowRect(GetDesktopWindow()).
void getDesktopRect(Rect* rect);
// ClientToScreen.
bool clientToScreen(WindowHandle window, Point* point);

// ---------------------------------------------------------------------------------------
// Cursor

// GetCursorPos: screen coordinates.
bool getCursorPos(Point* point);
bool setCursorPos(int32_t x, int32_t y);
// ShowCursor: moves the display counter one step; the cursor shows while it is >= 0.
// Returns the new counter.
int32_t showCursor(bool show);

// ---------------------------------------------------------------------------------------
// Message queue of the (only) thread

enum PeekFlags : uint32_t { PM_NOREMOVE = 0x0000, PM_REMOVE = 0x0001 };

// PeekMessageA: fetches pending window-system input first. window null and filter 0, 0
// take every message. Removing a key message updates the keyboard state.
bool peekMessage(Message* message, WindowHandle window, uint32_t filterMin, uint32_t filterMax,
                 uint32_t flags);
// TranslateMessage: posts WM_CHAR (WM_SYSCHAR) for a key press that translates to a
// character.
bool translateMessage(const Message* message);
// DispatchMessageA: calls the procedure of the message's window class; 0 for a message
// without a live window.
intptr_t dispatchMessage(const Message* message);
// PostMessageA: false when the queue is full or the window does not exist.
bool postMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// PostQuitMessage: the queue reports WM_QUIT once every other posted message is taken.
void postQuitMessage(int32_t exitCode);

// ---------------------------------------------------------------------------------------
// Keyboard

// GetKeyboardState: per virtual-key code, bit 7 set while down, bit 0 toggled (Caps
// Lock, Num Lock, Scroll Lock).
bool getKeyboardState(uint8_t state[256]);
// GetKeyState.
int16_t getKeyState(uint32_t virtualKey);
// ToAscii for a US layout: Shift, Caps Lock (letters only) and Ctrl (control characters).
// Writes up to one character into chars[0] and returns the count (0 or 1). The scan code
// is not consulted.
int32_t toAscii(uint32_t virtualKey, uint32_t scanCode, const uint8_t state[256], uint16_t* chars,
                uint32_t flags);

// ---------------------------------------------------------------------------------------
// Display modes

enum DisplayModeFields : uint32_t {
    DM_BITSPERPEL = 0x00040000,
    DM_PELSWIDTH = 0x00080000,
    DM_PELSHEIGHT = 0x00100000,
};
// DEVMODEA, reduced to the fields the player sets.
struct DisplayMode {
    uint32_t fields;
    uint32_t bitsPerPixel;
    uint32_t width;
    uint32_t height;
};
enum ChangeDisplayFlags : uint32_t { CDS_FULLSCREEN = 0x00000004 };
enum ChangeDisplayResult : int32_t { DISP_CHANGE_SUCCESSFUL = 0, DISP_CHANGE_FAILED = -1 };
// ChangeDisplaySettingsA: a null mode restores the desktop mode.
int32_t changeDisplaySettings(const DisplayMode* mode, uint32_t flags);

// ---------------------------------------------------------------------------------------
// Device contexts, pixel formats, GL contexts

// GetDC / ReleaseDC: null on failure; releaseDC returns 1 when released.
DeviceContext getDC(WindowHandle window);
int32_t releaseDC(WindowHandle window, DeviceContext deviceContext);

enum PixelFormatFlags : uint32_t {
    PFD_DOUBLEBUFFER = 0x00000001,
    PFD_DRAW_TO_WINDOW = 0x00000004,
    PFD_SUPPORT_OPENGL = 0x00000020,
};
enum PixelType : uint8_t { PFD_TYPE_RGBA = 0 };
enum LayerType : uint8_t { PFD_MAIN_PLANE = 0 };

// PIXELFORMATDESCRIPTOR, 40 bytes.
struct PixelFormatDescriptor {
    uint16_t size;
    uint16_t version;
    uint32_t flags;
    uint8_t pixelType;
    uint8_t colorBits;
    uint8_t redBits;
    uint8_t redShift;
    uint8_t greenBits;
    uint8_t greenShift;
    uint8_t blueBits;
    uint8_t blueShift;
    uint8_t alphaBits;
    uint8_t alphaShift;
    uint8_t accumBits;
    uint8_t accumRedBits;
    uint8_t accumGreenBits;
    uint8_t accumBlueBits;
    uint8_t accumAlphaBits;
    uint8_t depthBits;
    uint8_t stencilBits;
    uint8_t auxBuffers;
    uint8_t layerType;
    uint8_t reserved;
    uint32_t layerMask;
    uint32_t visibleMask;
    uint32_t damageMask;
};
static_assert(sizeof(PixelFormatDescriptor) == 40, "PIXELFORMATDESCRIPTOR is 40 bytes");

// ChoosePixelFormat: 1-based index of the closest format, 0 when none.
int32_t choosePixelFormat(DeviceContext deviceContext, const PixelFormatDescriptor* request);
bool setPixelFormat(DeviceContext deviceContext, int32_t format,
                    const PixelFormatDescriptor* request);
// DescribePixelFormat: fills the format actually granted; returns the highest format index,
// 0 on failure.
int32_t describePixelFormat(DeviceContext deviceContext, int32_t format, uint32_t size,
                            PixelFormatDescriptor* descriptor);

// wglCreateContext / wglMakeCurrent / wglDeleteContext. A compatibility-profile context:
// the fixed-function pipeline works.
RenderContext createContext(DeviceContext deviceContext);
// A null render context releases the current one.
bool makeCurrent(DeviceContext deviceContext, RenderContext renderContext);
bool deleteContext(RenderContext renderContext);
// wglGetCurrentDC / wglGetCurrentContext: null when no context is current.
DeviceContext getCurrentDC();
RenderContext getCurrentContext();
bool swapBuffers(DeviceContext deviceContext);
// wglGetProcAddress. Window-system names are answered by the back end with its own
// equivalents ("wglGetExtensionsStringARB", "wglSwapIntervalEXT", ...); null when absent.
Proc getProcAddress(const char* name);

// ---------------------------------------------------------------------------------------
// Dynamic libraries

// LoadLibraryA: a name with a folder part is taken as written; a bare name is looked for
// in the executable's folder, then the working directory, then the system search path.
// When a name ending in ".dll" (any case) is not found as written, the same search is
// repeated with the platform's suffix (".so") in its place. Null when not found.
LibraryHandle loadLibrary(const char* fileName);
// Why the last loadLibrary failed although a file of that name was found (not a library,
// an unresolved symbol, ...), in the loader's words with C++ symbol names demangled;
// empty after a success or when no file was found.
const char* libraryError();
// GetProcAddress: null when the export does not exist.
Proc getLibraryProc(LibraryHandle library, const char* name);
bool freeLibrary(LibraryHandle library);

} // namespace native
