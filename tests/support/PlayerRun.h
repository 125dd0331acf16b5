// Runs the built vornex binary in a folder and collects what a user sees.
#pragma once

#include <array>
#include <cstdio>
#include <string>

struct PlayerResult {
    int exitCode = -1;
    std::string output; // standard output and standard error, interleaved
};

// `arguments` is appended to the command line as written (shell syntax). `player` is the
// built one unless another (an installed one) is named.
inline PlayerResult runPlayer(const std::string& folder, const std::string& arguments = "",
                              int timeoutSeconds = 60,
                              const std::string& player = VORNEX_BIN_DIR "/vornex") {
    const std::string command = "cd '" + folder + "' && timeout -k 5 " +
                                std::to_string(timeoutSeconds) + " '" + player + "' " + arguments +
                                " 2>&1";
    PlayerResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> chunk;
    size_t got;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        result.output.append(chunk.data(), got);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
