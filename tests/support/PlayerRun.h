// Runs the built vornex binary in a folder and collects what a user sees. A build for the
// Windows player under Wine names its command in VORNEX_PLAYER_COMMAND; its console
// output ends lines with CR LF, which is read back as LF so that both players' output
// compares alike.
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/wait.h>

#define VORNEX_LINUX_PLAYER_COMMAND "'" VORNEX_BIN_DIR "/vornex'"
#ifndef VORNEX_PLAYER_COMMAND
#define VORNEX_PLAYER_COMMAND VORNEX_LINUX_PLAYER_COMMAND
#endif

// End-to-end tests that open a window skip themselves without one.
inline bool haveDisplay() {
    return std::getenv("DISPLAY") != nullptr;
}

struct PlayerResult {
    int exitCode = -1;
    std::string output; // standard output and standard error, interleaved
};

// Everything a pipe opened by popen gives until it ends, then the status pclose reports.
inline int drainPipe(FILE* pipe, std::string& text) {
    std::array<char, 4096> chunk;
    size_t got;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        text.append(chunk.data(), got);
    return pclose(pipe);
}

// `player` is a shell command (a quoted path, or a loader and a path); `arguments` is
// appended to the command line as written (shell syntax).
inline PlayerResult runPlayerCommand(const std::string& player, const std::string& folder,
                                     const std::string& arguments, int timeoutSeconds) {
    const std::string command = "cd '" + folder + "' && timeout -k 5 " +
                                std::to_string(timeoutSeconds) + " " + player + " " + arguments +
                                " 2>&1";
    PlayerResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    std::string printed;
    const int status = drainPipe(pipe, printed);
    for (const char c : printed) {
        if (c == '\n' && !result.output.empty() && result.output.back() == '\r')
            result.output.back() = '\n';
        else
            result.output += c;
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// The player under test, or another one (an installed one) named by its path.
inline PlayerResult runPlayer(const std::string& folder, const std::string& arguments = "",
                              int timeoutSeconds = 60, const std::string& player = "") {
    if (!player.empty())
        return runPlayerCommand("'" + player + "'", folder, arguments, timeoutSeconds);
    PlayerResult result =
        runPlayerCommand(VORNEX_PLAYER_COMMAND, folder, arguments, timeoutSeconds);
#ifdef VORNEX_WINDOWS_BUILD_DIR
    // The player prints a line before it can fail. Wine, asked to be quiet, has been seen to
    // give up starting it before that line (exit 1 within milliseconds, once in a whole run):
    // that start is Wine's failure, not the player's, so it is made once more.
    if (result.exitCode != 0 && result.output.empty()) {
        std::fprintf(stderr,
                     "runPlayer: Wine did not start the player (exit %d, no output); "
                     "starting it once more\n",
                     result.exitCode);
        result = runPlayerCommand(VORNEX_PLAYER_COMMAND, folder, arguments, timeoutSeconds);
    }
#endif
    return result;
}

// The Linux build, also where the player under test is another one.
inline PlayerResult runLinuxPlayer(const std::string& folder, const std::string& arguments = "",
                                   int timeoutSeconds = 60) {
    return runPlayerCommand(VORNEX_LINUX_PLAYER_COMMAND, folder, arguments, timeoutSeconds);
}

// What a shell command writes to its standard output.
inline std::string commandOutput(const std::string& command) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe) drainPipe(pipe, text);
    return text;
}

// What a shell command line prints, standard error included, run in `folder`.
inline std::string shellOutput(const std::string& folder, const std::string& line) {
    return commandOutput("cd '" + folder + "' && " + line + " 2>&1");
}

// A shell command's exit status, or -1 when it did not exit by itself.
inline int runShell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
