#include "app/RenderOptions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMaxFps = 240;
constexpr int kMaxSide = 8192;

// The whole text as a whole number in [low, high].
bool readInt(const char* text, int low, int high, int& out) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end || value < low || value > high) return false;
    out = static_cast<int>(value);
    return true;
}

} // namespace

int parseRenderOptions(int argc, char** argv, RenderOptions& options, char* message,
                       size_t messageSize) {
    bool renderOnly = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const bool takesValue =
            std::strcmp(argument, "--render") == 0 || std::strcmp(argument, "--fps") == 0 ||
            std::strcmp(argument, "--size") == 0 || std::strcmp(argument, "--duration") == 0;
        if (takesValue && i + 1 >= argc) {
            std::snprintf(message, messageSize, "%s needs a value", argument);
            return -1;
        }
        if (std::strcmp(argument, "--sync") == 0) {
            options.sync = true;
        } else if (std::strcmp(argument, "--render") == 0) {
            options.renderPath = argv[++i];
        } else if (std::strcmp(argument, "--fps") == 0) {
            renderOnly = true;
            if (!readInt(argv[++i], 1, kMaxFps, options.fps)) {
                std::snprintf(message, messageSize, "--fps %s: a whole number from 1 to %d",
                              argv[i], kMaxFps);
                return -1;
            }
        } else if (std::strcmp(argument, "--size") == 0) {
            renderOnly = true;
            const char* size = argv[++i];
            char extra = 0;
            if (std::sscanf(size, "%dx%d%c", &options.width, &options.height, &extra) != 2 ||
                options.width < 2 || options.width > kMaxSide || options.height < 2 ||
                options.height > kMaxSide || options.width % 2 || options.height % 2) {
                std::snprintf(message, messageSize,
                              "--size %s: WIDTHxHEIGHT, even numbers from 2 to %d", size, kMaxSide);
                return -1;
            }
        } else if (std::strcmp(argument, "--duration") == 0) {
            renderOnly = true;
            char* end = nullptr;
            options.duration = std::strtod(argv[++i], &end);
            if (end == argv[i] || *end || !(options.duration > 0.0) ||
                !std::isfinite(options.duration)) {
                std::snprintf(message, messageSize, "--duration %s: seconds above 0", argv[i]);
                return -1;
            }
        } else if (argument[0] == '-' && argument[1] == '-') {
            std::snprintf(message, messageSize, "unknown option %s", argument);
            return -1;
        } else if (!options.script) {
            options.script = argument;
        }
    }
    if (renderOnly && !options.renderPath) {
        std::snprintf(message, messageSize, "--fps, --size and --duration go with --render");
        return -1;
    }
    return 0;
}
