// Window classes and the window table, common to every back end: registration, creation
// and destruction around the back end's own window, the user-data slot, and default
// processing. Handles are ids that are never reused, so a stale handle names no window.
#include "platform/native/Backend.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

namespace native {
namespace {

struct ClassRecord {
    bool used;
    char name[detail::kClassNameSize];
    WindowProc procedure;
    uint32_t style;
};

struct Table {
    ClassRecord classes[detail::kMaxClasses];
    detail::WindowRecord windows[detail::kMaxWindows];
    uintptr_t nextId = 1;
};

Table& table() {
    static Table instance;
    return instance;
}

ClassRecord* findClass(const char* name) {
    for (ClassRecord& record : table().classes) {
        // Class names compare without regard to case, as on the desktop.
        if (record.used && strcasecmp(record.name, name) == 0) return &record;
    }
    return nullptr;
}

void copyText(char* target, size_t size, const char* text) {
    std::snprintf(target, size, "%s", text ? text : "");
}

} // namespace

namespace detail {

WindowRecord* findWindow(WindowHandle window) {
    const uintptr_t id = reinterpret_cast<uintptr_t>(window);
    if (id == 0) return nullptr;
    for (WindowRecord& record : table().windows) {
        if (record.id == id) return &record;
    }
    return nullptr;
}

void resetWindowTable() {
    table() = Table{};
}

WindowRecord* windowAt(uint32_t index) {
    if (index >= kMaxWindows || table().windows[index].id == 0) return nullptr;
    return &table().windows[index];
}

} // namespace detail

uint16_t registerClass(const WindowClass* windowClass) {
    if (!windowClass || !windowClass->className || !windowClass->procedure) return 0;
    if (std::strlen(windowClass->className) >= detail::kClassNameSize) return 0;
    if (findClass(windowClass->className)) return 0;
    for (uint32_t index = 0; index < detail::kMaxClasses; ++index) {
        ClassRecord& record = table().classes[index];
        if (record.used) continue;
        record.used = true;
        copyText(record.name, sizeof(record.name), windowClass->className);
        record.procedure = windowClass->procedure;
        record.style = windowClass->style;
        return static_cast<uint16_t>(0xC000 + index);
    }
    return 0;
}

bool unregisterClass(const char* className, void*) {
    ClassRecord* record = className ? findClass(className) : nullptr;
    if (!record) return false;
    const uint32_t index = static_cast<uint32_t>(record - table().classes);
    for (const detail::WindowRecord& window : table().windows) {
        if (window.id != 0 && window.classIndex == index) return false;
    }
    *record = ClassRecord{};
    return true;
}

void* getModuleHandle() {
    static int module;
    return &module;
}

WindowHandle createWindow(uint32_t extendedStyle, const char* className, const char* title,
                          uint32_t style, int32_t x, int32_t y, int32_t outerWidth,
                          int32_t outerHeight, void*) {
    ClassRecord* windowClass = className ? findClass(className) : nullptr;
    if (!windowClass) return nullptr;
    for (detail::WindowRecord& record : table().windows) {
        if (record.id != 0) continue;
        record = detail::WindowRecord{};
        record.classIndex = static_cast<uint32_t>(windowClass - table().classes);
        record.style = style;
        record.extendedStyle = extendedStyle;
        copyText(record.title, sizeof(record.title), title);
        record.id = table().nextId;
        if (!backend::createWindow(record, x, y, outerWidth, outerHeight)) {
            record = detail::WindowRecord{};
            return nullptr;
        }
        ++table().nextId;
        return detail::handleOf(record);
    }
    return nullptr;
}

bool destroyWindow(WindowHandle window) {
    detail::WindowRecord* record = detail::findWindow(window);
    if (!record) return false;
    sendMessage(window, WM_DESTROY, 0, 0);
    // The procedure may have destroyed the window itself while handling WM_DESTROY.
    record = detail::findWindow(window);
    if (!record) return true;
    if (!backend::destroyWindow(*record)) return false;
    *record = detail::WindowRecord{};
    return true;
}

bool isWindow(WindowHandle window) {
    return detail::findWindow(window) != nullptr;
}

intptr_t sendMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    detail::WindowRecord* record = detail::findWindow(window);
    if (!record) return 0;
    const ClassRecord& windowClass = table().classes[record->classIndex];
    return windowClass.procedure(window, message, wParam, lParam);
}

intptr_t defWindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    switch (message) {
    case WM_CLOSE:
        destroyWindow(window);
        return 0;
    case WM_PAINT:
        // Painting begins by erasing the background.
        sendMessage(window, WM_ERASEBKGND, 0, 0);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (static_cast<uintptr_t>(lParam) & (1u << 29)) != 0) {
            sendMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) sendMessage(window, WM_CLOSE, 0, 0);
        return 0;
    default:
        return 0;
    }
}

void setWindowUserData(WindowHandle window, void* data) {
    if (detail::WindowRecord* record = detail::findWindow(window)) record->userData = data;
}

void* getWindowUserData(WindowHandle window) {
    detail::WindowRecord* record = detail::findWindow(window);
    return record ? record->userData : nullptr;
}

intptr_t dispatchMessage(const Message* message) {
    if (!message || !detail::findWindow(message->window)) return 0;
    return sendMessage(message->window, message->message, message->wParam, message->lParam);
}

} // namespace native
