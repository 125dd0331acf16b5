// Deterministic, display-free native back end for unit tests.
#include "platform/native/fake/FakeNative.h"
#include "platform/native/Backend.h"

#include <cstring>
#include <map>

namespace native {
namespace {

constexpr uint32_t kFailureCount = static_cast<uint32_t>(fake::Failure::ReleaseDC) + 1;
constexpr uint32_t kMaxContexts = 16;

struct FakeWindow {
    fake::WindowInfo info;
    bool used;
};

// The compiler's copy of its arrays names an index __i0, which the naming check sees.
struct FakeState { // NOLINT(readability-identifier-naming)
    uint32_t ticks = 0;
    uint32_t yieldMicroseconds = 0; // below one tick
    uint32_t slept = 0;
    uint32_t yields = 0;
    SystemTime systemTime = {2000, 1, 6, 1, 0, 0, 0, 0};
    std::vector<fake::RecordedMessageBox> messageBoxes;
    Rect desktop = {0, 0, 1024, 768};
    Point cursor = {0, 0};
    int32_t cursorCounter = 0;
    FakeWindow windows[detail::kMaxWindows] = {};
    bool failing[kFailureCount] = {};
    std::vector<fake::DisplayModeChange> displayModeChanges;
    PixelFormatDescriptor requested = {};
    PixelFormatDescriptor granted = {};
    bool grantedSet = false;
    bool contexts[kMaxContexts] = {};
    RenderContext current = nullptr;
    DeviceContext drawSurface = nullptr;
    DeviceContext readSurface = nullptr;
    uint32_t swaps = 0;
    std::map<std::string, Proc> procs;
    bool hasWindowSystemExtensions = false;
    std::string windowSystemExtensions;
    int32_t swapInterval = 0;
};

FakeState& state() {
    static FakeState instance;
    return instance;
}

bool failing(fake::Failure operation) {
    return state().failing[static_cast<uint32_t>(operation)];
}

FakeWindow* fakeWindow(WindowHandle window) {
    detail::WindowRecord* record = detail::findWindow(window);
    return record ? static_cast<FakeWindow*>(record->backendWindow) : nullptr;
}

// Device contexts are the window handles themselves (every class has its own DC).
FakeWindow* windowOfDC(DeviceContext deviceContext) {
    return fakeWindow(deviceContext);
}

uintptr_t contextIndex(RenderContext context) {
    return reinterpret_cast<uintptr_t>(context);
}

bool liveContext(RenderContext context) {
    const uintptr_t index = contextIndex(context);
    return index >= 1 && index <= kMaxContexts && state().contexts[index - 1];
}

// Window-system stand-ins answered through getProcAddress.
const char* getExtensionsStringARB(DeviceContext) {
    return state().windowSystemExtensions.c_str();
}
const char* getExtensionsStringEXT() {
    return state().windowSystemExtensions.c_str();
}
int32_t swapIntervalEXT(int32_t interval) {
    state().swapInterval = interval;
    return 1;
}
int32_t getSwapIntervalEXT() {
    return state().swapInterval;
}
int32_t makeContextCurrentARB(DeviceContext draw, DeviceContext read, RenderContext context) {
    if (!makeCurrent(draw, context)) return 0;
    state().readSurface = context ? read : nullptr;
    return 1;
}
DeviceContext getCurrentReadDCARB() {
    return state().readSurface;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Clock, time, message boxes

uint32_t getTickCount() {
    return state().ticks;
}
void sleep(uint32_t milliseconds) {
    FakeState& fake = state();
    fake.slept += milliseconds;
    if (milliseconds > 0) {
        fake.ticks += milliseconds;
        return;
    }
    ++fake.yields;
    // A waiter that only yields still sees the clock move.
    fake.yieldMicroseconds += fake::kYieldMicroseconds;
    fake.ticks += fake.yieldMicroseconds / 1000;
    fake.yieldMicroseconds %= 1000;
}
void getSystemTime(SystemTime* time) {
    *time = state().systemTime;
}

int messageBox(void*, const char* text, const char* caption, uint32_t flags) {
    state().messageBoxes.push_back({text ? text : "", caption ? caption : "", flags});
    return IDOK;
}

// ---------------------------------------------------------------------------------------
// Windows

namespace backend {

bool createWindow(detail::WindowRecord& record, int32_t x, int32_t y, int32_t outerWidth,
                  int32_t outerHeight) {
    if (failing(fake::Failure::CreateWindow)) return false;
    for (FakeWindow& window : state().windows) {
        if (window.used) continue;
        window = FakeWindow{};
        window.used = true;
        fake::WindowInfo& info = window.info;
        info.title = record.title;
        info.style = record.style;
        info.extendedStyle = record.extendedStyle;
        info.x = x;
        info.y = y;
        info.outerWidth = outerWidth;
        info.outerHeight = outerHeight;
        info.visible = (record.style & WS_VISIBLE) != 0;
        info.topmost = (record.extendedStyle & WS_EX_TOPMOST) != 0;
        record.backendWindow = &window;
        return true;
    }
    return false;
}

bool destroyWindow(detail::WindowRecord& record) {
    if (failing(fake::Failure::DestroyWindow)) return false;
    static_cast<FakeWindow*>(record.backendWindow)->used = false;
    return true;
}

void pumpEvents() {}

} // namespace backend

bool showWindow(WindowHandle window, int32_t command) {
    FakeWindow* fake = fakeWindow(window);
    if (!fake) return false;
    const bool wasVisible = fake->info.visible;
    fake->info.visible = command != SW_HIDE;
    return wasVisible;
}

bool setWindowText(WindowHandle window, const char* text) {
    FakeWindow* fake = fakeWindow(window);
    if (!fake || !text) return false;
    fake->info.title = text;
    return true;
}

bool setForegroundWindow(WindowHandle window) {
    FakeWindow* target = fakeWindow(window);
    if (!target) return false;
    for (FakeWindow& other : state().windows) other.info.foreground = false;
    target->info.foreground = true;
    return true;
}

WindowHandle setFocus(WindowHandle window) {
    return fakeWindow(window) ? window : nullptr;
}

bool updateWindow(WindowHandle window) {
    return fakeWindow(window) != nullptr;
}

bool setWindowPos(WindowHandle window, InsertAfter insertAfter, int32_t x, int32_t y,
                  int32_t outerWidth, int32_t outerHeight, uint32_t flags) {
    FakeWindow* fake = fakeWindow(window);
    if (!fake) return false;
    if (!(flags & SWP_NOMOVE)) {
        fake->info.x = x;
        fake->info.y = y;
    }
    if (!(flags & SWP_NOSIZE)) {
        fake->info.outerWidth = outerWidth;
        fake->info.outerHeight = outerHeight;
    }
    if (insertAfter == InsertAfter::Topmost) fake->info.topmost = true;
    if (insertAfter == InsertAfter::NoTopmost) fake->info.topmost = false;
    ++fake->info.setWindowPosCalls;
    fake->info.lastSetWindowPosFlags = flags;
    return true;
}

bool adjustWindowRect(Rect* rect, uint32_t style, bool) {
    if (!rect) return false;
    int32_t frame = 0;
    if (style & WS_THICKFRAME) {
        frame = fake::kSizingFrame;
    } else if (style & (WS_BORDER | WS_DLGFRAME)) {
        frame = fake::kBorder;
    }
    const int32_t caption = (style & WS_CAPTION) == WS_CAPTION ? fake::kCaption : 0;
    rect->left -= frame;
    rect->right += frame;
    rect->top -= frame + caption;
    rect->bottom += frame;
    return true;
}

void getDesktopRect(Rect* rect) {
    *rect = state().desktop;
}

bool clientToScreen(WindowHandle window, Point* point) {
    detail::WindowRecord* record = detail::findWindow(window);
    FakeWindow* fake = fakeWindow(window);
    if (!fake || !point) return false;
    Rect outer = {0, 0, 0, 0};
    adjustWindowRect(&outer, record->style, false);
    point->x += fake->info.x - outer.left;
    point->y += fake->info.y - outer.top;
    return true;
}

// ---------------------------------------------------------------------------------------
// Cursor

bool getCursorPos(Point* point) {
    if (!point) return false;
    *point = state().cursor;
    return true;
}

bool setCursorPos(int32_t x, int32_t y) {
    state().cursor = {x, y};
    return true;
}

int32_t showCursor(bool show) {
    state().cursorCounter += show ? 1 : -1;
    return state().cursorCounter;
}

// ---------------------------------------------------------------------------------------
// Display modes, device contexts, pixel formats, contexts

int32_t changeDisplaySettings(const DisplayMode* mode, uint32_t flags) {
    fake::DisplayModeChange change{mode == nullptr, mode ? *mode : DisplayMode{}, flags};
    state().displayModeChanges.push_back(change);
    if (mode && failing(fake::Failure::ChangeDisplayMode)) return DISP_CHANGE_FAILED;
    return DISP_CHANGE_SUCCESSFUL;
}

DeviceContext getDC(WindowHandle window) {
    if (failing(fake::Failure::GetDC) || !fakeWindow(window)) return nullptr;
    return window;
}

int32_t releaseDC(WindowHandle window, DeviceContext deviceContext) {
    if (failing(fake::Failure::ReleaseDC) || !fakeWindow(window) || deviceContext != window) {
        return 0;
    }
    return 1;
}

int32_t choosePixelFormat(DeviceContext deviceContext, const PixelFormatDescriptor* request) {
    if (failing(fake::Failure::ChoosePixelFormat) || !windowOfDC(deviceContext) || !request) {
        return 0;
    }
    state().requested = *request;
    return 1;
}

bool setPixelFormat(DeviceContext deviceContext, int32_t format,
                    const PixelFormatDescriptor* request) {
    if (failing(fake::Failure::SetPixelFormat) || !windowOfDC(deviceContext) || format != 1) {
        return false;
    }
    if (!state().grantedSet && request) {
        PixelFormatDescriptor granted = *request;
        if (granted.colorBits >= 24) {
            granted.redBits = granted.greenBits = granted.blueBits = 8;
        }
        state().granted = granted;
    }
    return true;
}

int32_t describePixelFormat(DeviceContext deviceContext, int32_t format, uint32_t size,
                            PixelFormatDescriptor* descriptor) {
    if (!windowOfDC(deviceContext) || format != 1) return 0;
    if (descriptor && size >= sizeof(PixelFormatDescriptor)) *descriptor = state().granted;
    return 1;
}

RenderContext createContext(DeviceContext deviceContext) {
    if (failing(fake::Failure::CreateContext) || !windowOfDC(deviceContext)) return nullptr;
    for (uint32_t index = 0; index < kMaxContexts; ++index) {
        if (state().contexts[index]) continue;
        state().contexts[index] = true;
        return reinterpret_cast<RenderContext>(static_cast<uintptr_t>(index + 1));
    }
    return nullptr;
}

bool makeCurrent(DeviceContext deviceContext, RenderContext renderContext) {
    if (!renderContext) {
        if (failing(fake::Failure::ReleaseContext)) return false;
        state().current = nullptr;
        state().drawSurface = nullptr;
        state().readSurface = nullptr;
        return true;
    }
    if (failing(fake::Failure::MakeCurrent) || !liveContext(renderContext) ||
        !windowOfDC(deviceContext)) {
        return false;
    }
    state().current = renderContext;
    state().drawSurface = deviceContext;
    state().readSurface = deviceContext;
    return true;
}

bool deleteContext(RenderContext renderContext) {
    if (failing(fake::Failure::DeleteContext) || !liveContext(renderContext)) return false;
    state().contexts[contextIndex(renderContext) - 1] = false;
    if (state().current == renderContext) {
        state().current = nullptr;
        state().drawSurface = nullptr;
        state().readSurface = nullptr;
    }
    return true;
}

DeviceContext getCurrentDC() {
    return state().drawSurface;
}

RenderContext getCurrentContext() {
    return state().current;
}

bool swapBuffers(DeviceContext deviceContext) {
    if (!windowOfDC(deviceContext)) return false;
    ++state().swaps;
    return true;
}

Proc getProcAddress(const char* name) {
    if (!name) return nullptr;
    if (state().hasWindowSystemExtensions) {
        static const std::map<std::string, Proc> standIns = {
            {"wglGetExtensionsStringARB", reinterpret_cast<Proc>(&getExtensionsStringARB)},
            {"wglGetExtensionsStringEXT", reinterpret_cast<Proc>(&getExtensionsStringEXT)},
            {"wglSwapIntervalEXT", reinterpret_cast<Proc>(&swapIntervalEXT)},
            {"wglGetSwapIntervalEXT", reinterpret_cast<Proc>(&getSwapIntervalEXT)},
            {"wglMakeContextCurrentARB", reinterpret_cast<Proc>(&makeContextCurrentARB)},
            {"wglGetCurrentReadDCARB", reinterpret_cast<Proc>(&getCurrentReadDCARB)},
        };
        const auto standIn = standIns.find(name);
        if (standIn != standIns.end()) return standIn->second;
    }
    const auto registered = state().procs.find(name);
    return registered == state().procs.end() ? nullptr : registered->second;
}

// ---------------------------------------------------------------------------------------
// Test controls

namespace fake {

void setTickCount(uint32_t ticks) {
    state().ticks = ticks;
    state().yieldMicroseconds = 0;
}
void advanceTickCount(uint32_t milliseconds) {
    state().ticks += milliseconds;
}
void setSystemTime(const SystemTime& time) {
    state().systemTime = time;
}
uint32_t sleptMilliseconds() {
    return state().slept;
}
uint32_t yieldCount() {
    return state().yields;
}
const std::vector<RecordedMessageBox>& messageBoxes() {
    return state().messageBoxes;
}
void setDesktopRect(const Rect& rect) {
    state().desktop = rect;
}
void setCursorPos(int32_t x, int32_t y) {
    state().cursor = {x, y};
}
int32_t cursorCounter() {
    return state().cursorCounter;
}

bool windowInfo(WindowHandle window, WindowInfo* info) {
    detail::WindowRecord* record = detail::findWindow(window);
    if (!record) return false;
    *info = static_cast<FakeWindow*>(record->backendWindow)->info;
    return true;
}

uint32_t windowCount() {
    uint32_t count = 0;
    for (uint32_t index = 0; index < detail::kMaxWindows; ++index) {
        if (detail::windowAt(index)) ++count;
    }
    return count;
}

void fail(Failure operation, bool failingNow) {
    state().failing[static_cast<uint32_t>(operation)] = failingNow;
}

const std::vector<DisplayModeChange>& displayModeChanges() {
    return state().displayModeChanges;
}
void setGrantedPixelFormat(const PixelFormatDescriptor& format) {
    state().granted = format;
    state().grantedSet = true;
}
const PixelFormatDescriptor& requestedPixelFormat() {
    return state().requested;
}
RenderContext currentContext() {
    return state().current;
}
DeviceContext currentReadSurface() {
    return state().readSurface;
}
uint32_t liveContextCount() {
    uint32_t count = 0;
    for (bool live : state().contexts) count += live ? 1 : 0;
    return count;
}
uint32_t swapCount() {
    return state().swaps;
}
void registerProc(const char* name, Proc proc) {
    state().procs[name] = proc;
}
void setWindowSystemExtensions(const char* extensions) {
    state().hasWindowSystemExtensions = extensions != nullptr;
    state().windowSystemExtensions = extensions ? extensions : "";
}
int32_t swapInterval() {
    return state().swapInterval;
}

void reset() {
    state() = FakeState{};
    detail::resetWindowTable();
    detail::resetMessageQueue();
    detail::clearKeyboardState();
}

} // namespace fake
} // namespace native
