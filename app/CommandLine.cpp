#include "app/CommandLine.h"

#include "demo/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMaxFps = 240;
constexpr int kMaxSide = 8192;

struct Option {
    const char* name;
    bool takesValue;
    // Returns false with `line.error` set when the value is unusable.
    bool (*apply)(CommandLine& line, const char* value);
};

bool setStart(CommandLine& line, const char* value) {
    const float seconds = static_cast<float>(std::atof(value));
    if (!isNumberText(value) || !(seconds >= 0.0f) || seconds > 1.0e6f) {
        line.error = std::string("--start takes a time in seconds, not '") + value + "'";
        return false;
    }
    line.startTime = seconds;
    return true;
}

bool setFps(CommandLine& line, const char* value) {
    char* end = nullptr;
    const long fps = std::strtol(value, &end, 10);
    if (end == value || *end || fps < 1 || fps > kMaxFps) {
        line.error =
            std::string("--fps ") + value + ": a whole number from 1 to " + std::to_string(kMaxFps);
        return false;
    }
    line.fps = static_cast<int>(fps);
    return true;
}

bool setSize(CommandLine& line, const char* value) {
    char extra = 0;
    if (std::sscanf(value, "%dx%d%c", &line.width, &line.height, &extra) != 2 || line.width < 2 ||
        line.width > kMaxSide || line.height < 2 || line.height > kMaxSide || line.width % 2 ||
        line.height % 2) {
        line.error = std::string("--size ") + value + ": WIDTHxHEIGHT, even numbers from 2 to " +
                     std::to_string(kMaxSide);
        return false;
    }
    return true;
}

bool setDuration(CommandLine& line, const char* value) {
    char* end = nullptr;
    line.duration = std::strtod(value, &end);
    if (end == value || *end || !(line.duration > 0.0) || !std::isfinite(line.duration)) {
        line.error = std::string("--duration ") + value + ": seconds above 0";
        return false;
    }
    return true;
}

const Option kOptions[] = {
    {"--help", false, [](CommandLine& line, const char*) { return line.help = true; }},
    {"-h", false, [](CommandLine& line, const char*) { return line.help = true; }},
    {"--version", false, [](CommandLine& line, const char*) { return line.version = true; }},
    {"--check", false, [](CommandLine& line, const char*) { return line.check = true; }},
    {"--edit", false, [](CommandLine& line, const char*) { return line.edit = true; }},
    {"--start", true, setStart},
    {"--sync", false, [](CommandLine& line, const char*) { return line.sync = true; }},
    {"--render", true,
     [](CommandLine& line, const char* value) {
#ifdef VORNEX_RENDER
         line.renderPath = value;
         return true;
#else
         (void)value;
         line.error = "--render is not in this build (there is no video encoder): render on Linux";
         return false;
#endif
     }},
    {"--fps", true, setFps},
    {"--size", true, setSize},
    {"--duration", true, setDuration},
};

} // namespace

const char* usageText() {
    return "Usage: vornex [options] [script]\n"
           "Plays the demo described by the script (default script.txt), found in\n"
           "data/ below the working directory. Progress goes to log.txt.\n"
           "\n"
           "  --check            read the script, its includes and plugins without opening\n"
           "                     a window and print file:line:column diagnostics; exit\n"
           "                     status 0 when clean, 1 with errors, 2 with warnings only\n"
           "  --start <seconds>  begin playing at that demo time\n"
           "  --edit             edit mode: Pause holds the demo, Left/Right seek 1 s (with\n"
           "                     Shift 10 s), Home goes to 0; changed shaders, textures and\n"
           "                     scripts are reloaded while it plays\n"
           "  --sync             link to the sync editor at 127.0.0.1:1338\n"
#ifdef VORNEX_RENDER
           "  --render <file>    write the demo with its music to a video file instead\n"
           "  --fps <n>          frames a second of the video (30)\n"
           "  --size <WxH>       picture size of the video (the demo's window size)\n"
           "  --duration <s>     seconds to write (until the demo's exit)\n"
#else
           "  --render <file>    (Linux build only) write the demo to a video file\n"
#endif
           "  --version          print the version\n"
           "  --help             print this text\n";
}

bool parseCommandLine(int argc, char** argv, CommandLine& line) {
    bool named = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const Option* option = nullptr;
        for (const Option& candidate : kOptions)
            if (std::strcmp(argument, candidate.name) == 0) option = &candidate;
        if (option) {
            const char* value = nullptr;
            if (option->takesValue) {
                if (i + 1 >= argc) {
                    line.error = std::string(argument) + " needs a value";
                    return false;
                }
                value = argv[++i];
            }
            if (!option->apply(line, value)) return false;
            continue;
        }
        if (argument[0] == '-' && argument[1] == '-') {
            line.error = std::string("unknown option ") + argument;
            return false;
        }
        if (named) continue;
        named = true;
        line.script = argument;
    }
    const bool renderOnly = line.fps != 30 || line.width || line.duration > 0.0;
    if (renderOnly && line.renderPath.empty()) {
        line.error = "--fps, --size and --duration go with --render";
        return false;
    }
    return true;
}
