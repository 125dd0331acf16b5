#include "render/RenderSignals.h"

// The build predefines these for the GL headers; windows.h defines its own.
#undef APIENTRY
#undef CALLBACK
#undef WINGDIAPI
#include <windows.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace {

constexpr size_t kPathSize = 4096;
// Below the five seconds the system gives a closing console's handlers.
constexpr DWORD kCleanUpMilliseconds = 4000;

// The encoder holds the unfinished file open without sharing its deletion, so the handler
// cannot remove it the way a POSIX handler unlinks it: the render removes it as it stops.
char fileToRemove[kPathSize];
std::atomic<bool> fileReady{false};
std::atomic<int> caughtSignal{0};
HANDLE cleanedUp = nullptr;
bool installed = false;

int signalOf(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
        return SIGINT;
    case CTRL_BREAK_EVENT:
        return SIGBREAK;
    default:
        return SIGTERM;
    }
}

BOOL WINAPI onControl(DWORD event) {
    int expected = 0;
    // A second one takes its usual course.
    if (!caughtSignal.compare_exchange_strong(expected, signalOf(event))) return FALSE;
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) return TRUE;
    // The console is closing (or the session ending): the process ends when this returns,
    // so the render is given the time to stop and remove its file.
    if (WaitForSingleObject(cleanedUp, kCleanUpMilliseconds) != WAIT_OBJECT_0 && fileReady)
        DeleteFileA(fileToRemove);
    return TRUE;
}

} // namespace

namespace renderSignals {

void install() {
    if (installed) return;
    if (!cleanedUp) cleanedUp = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ResetEvent(cleanedUp);
    SetConsoleCtrlHandler(onControl, TRUE);
    installed = true;
}

void restore() {
    if (!installed) return;
    setFileToRemove(nullptr);
    SetConsoleCtrlHandler(onControl, FALSE);
    SetEvent(cleanedUp);
    installed = false;
}

void setFileToRemove(const char* path) {
    fileReady = false;
    if (!path || std::strlen(path) >= kPathSize) return;
    std::strcpy(fileToRemove, path);
    fileReady = true;
}

int caught() {
    return caughtSignal;
}

const char* name(int number) {
    switch (number) {
    case SIGINT:
        return "Ctrl+C";
    case SIGBREAK:
        return "Ctrl+Break";
    case SIGTERM:
        return "the console closing";
    default:
        return "a signal";
    }
}

} // namespace renderSignals
