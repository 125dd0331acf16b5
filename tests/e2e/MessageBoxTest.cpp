// Message boxes of the sdl back end, shown in a child process so that a box that does
// appear can be seen on the display and then ended.
#include "PlayerRun.h"
#include "platform/native/Native.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct BoxRun {
    bool shown = false; // a window with the caption appeared on the display
    bool ended = false; // the call returned on its own
    std::string errors; // the child's standard error
};

bool windowNamed(const std::string& caption) {
    const std::string tree = commandOutput("xwininfo -root -tree 2>/dev/null");
    return tree.find('"' + caption + '"') != std::string::npos;
}

// `environment` is applied in the child before the call: name=value sets, a bare name
// unsets.
BoxRun showBox(const std::string& caption, std::initializer_list<const char*> environment) {
    BoxRun run;
    const std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    int errors[2];
    if (pipe(errors) != 0) return run;
    const pid_t child = fork();
    if (child == 0) {
        // A group of its own: the library may show the box from a process of its own.
        setpgid(0, 0);
        dup2(errors[1], STDERR_FILENO);
        close(errors[0]);
        close(errors[1]);
        for (const char* setting : environment) {
            const std::string text = setting;
            const size_t equals = text.find('=');
            if (equals == std::string::npos)
                unsetenv(setting);
            else
                setenv(text.substr(0, equals).c_str(), text.substr(equals + 1).c_str(), 1);
        }
        native::messageBox(nullptr, "the text", caption.c_str(),
                           native::MB_OK | native::MB_ICONEXCLAMATION);
        _exit(0);
    }
    setpgid(child, child);
    close(errors[1]);
    // A shown box waits for a click: look for it until it shows or the child has ended,
    // then end the child.
    while (!run.ended && !run.shown) {
        usleep(100 * 1000);
        run.ended = waitpid(child, nullptr, WNOHANG) == child;
        if (!run.ended && !display.empty()) run.shown = windowNamed(caption);
    }
    if (!run.ended) {
        kill(-child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    char chunk[256];
    ssize_t got;
    while ((got = read(errors[0], chunk, sizeof chunk)) > 0) run.errors.append(chunk, size_t(got));
    close(errors[0]);
    return run;
}

} // namespace

TEST(MessageBox, OnlyTheTestSwitchSuppressesABoxAndAnUnshownBoxGoesToStandardError) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    // Neither a continuous-integration marker nor anything else hides it from a user.
    const BoxRun shown = showBox("vornex-box-shown", {"VORNEX_NO_MESSAGEBOX", "CI=1"});
    EXPECT_TRUE(shown.shown);
    EXPECT_EQ(shown.errors, "");

    const BoxRun suppressed = showBox("vornex-box-suppressed", {"VORNEX_NO_MESSAGEBOX=1"});
    EXPECT_FALSE(suppressed.shown);
    EXPECT_TRUE(suppressed.ended);
    EXPECT_EQ(suppressed.errors, "[vornex-box-suppressed] the text\n");

    // No display to show it on.
    const BoxRun unshown =
        showBox("vornex-box-unshown", {"VORNEX_NO_MESSAGEBOX", "DISPLAY", "WAYLAND_DISPLAY"});
    EXPECT_TRUE(unshown.ended);
    EXPECT_NE(unshown.errors.find("[vornex-box-unshown] the text\n"), std::string::npos)
        << unshown.errors;
}
