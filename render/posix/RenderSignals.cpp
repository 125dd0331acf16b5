#include "render/RenderSignals.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr size_t kPathSize = 4096;

char fileToRemove[kPathSize];
volatile std::sig_atomic_t fileReady = 0;
volatile std::sig_atomic_t caughtSignal = 0;
struct sigaction previous[sizeof kStopSignals / sizeof kStopSignals[0]];
struct sigaction previousFileSize;
bool installed = false;

extern "C" void onStopSignal(int number) {
    // unlink() is safe in a handler; the path is complete while fileReady is set.
    if (fileReady) unlink(fileToRemove);
    fileReady = 0;
    caughtSignal = number;
}

} // namespace

namespace renderSignals {

void install() {
    if (installed) return;
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    // The first signal stops the render; one more takes its usual course.
    action.sa_flags = SA_RESETHAND;
    for (size_t i = 0; i < sizeof kStopSignals / sizeof kStopSignals[0]; ++i)
        sigaction(kStopSignals[i], &action, &previous[i]);
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &previousFileSize);
    installed = true;
}

void restore() {
    if (!installed) return;
    setFileToRemove(nullptr);
    for (size_t i = 0; i < sizeof kStopSignals / sizeof kStopSignals[0]; ++i)
        sigaction(kStopSignals[i], &previous[i], nullptr);
    sigaction(SIGXFSZ, &previousFileSize, nullptr);
    installed = false;
}

void setFileToRemove(const char* path) {
    fileReady = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    if (!path || std::strlen(path) >= kPathSize) return;
    std::strcpy(fileToRemove, path);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    fileReady = 1;
}

int caught() {
    return caughtSignal;
}

const char* name(int number) {
    switch (number) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
    case SIGHUP:
        return "SIGHUP";
    default:
        return "a signal";
    }
}

} // namespace renderSignals
