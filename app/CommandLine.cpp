#include "app/CommandLine.h"

#include <cstdlib>
#include <cstring>

namespace {

// The modes an option works in.
enum Mode : unsigned {
    kPlay = 1,
    kCheck = 2,
    kEdit = 4,
    kRender = 8,
    kTracks = 16,
    kAnyMode = kPlay | kCheck | kEdit | kRender | kTracks,
};

struct Option {
    const char* name;
    bool takesValue;
    unsigned modes;
    // Returns false with `line.error` set when the value is unusable.
    bool (*apply)(CommandLine& line, const char* value);
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A plain decimal number: digits with at most one point, an optional exponent; no sign,
// blanks, hexadecimal, infinity or not-a-number, which strtod would all take.
bool readDecimal(const char* text, double& value) {
    const char* p = text;
    int digits = 0;
    while (isDigit(*p)) ++p, ++digits;
    if (*p == '.')
        for (++p; isDigit(*p); ++p) ++digits;
    if (digits == 0) return false;
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-') ++p;
        if (!isDigit(*p)) return false;
        while (isDigit(*p)) ++p;
    }
    if (*p) return false;
    value = std::strtod(text, nullptr);
    return true;
}

// Decimal digits only, at most `limit`; stops at the first other character, which is
// returned through `end`.
bool readWhole(const char* text, long limit, long& value, const char** end) {
    const char* p = text;
    long number = 0;
    for (; isDigit(*p); ++p) {
        number = number * 10 + (*p - '0');
        if (number > limit) return false;
    }
    if (p == text) return false;
    value = number;
    *end = p;
    return true;
}

bool setStart(CommandLine& line, const char* value) {
    double seconds = 0.0;
    if (!readDecimal(value, seconds) || seconds > CommandLine::kMaxStart) {
        line.error =
            std::string("--start takes a time in seconds from 0 to 1000000, not '") + value + "'";
        return false;
    }
    line.startTime = seconds;
    return true;
}

bool setFps(CommandLine& line, const char* value) {
    long fps = 0;
    const char* end = nullptr;
    if (!readWhole(value, CommandLine::kMaxFps, fps, &end) || *end || fps < 1) {
        line.error = std::string("--fps ") + value + ": a whole number from 1 to " +
                     std::to_string(CommandLine::kMaxFps);
        return false;
    }
    line.fps = static_cast<int>(fps);
    return true;
}

bool setSize(CommandLine& line, const char* value) {
    long width = 0;
    long height = 0;
    const char* end = nullptr;
    const bool read = readWhole(value, CommandLine::kMaxSide, width, &end) && *end == 'x' &&
                      readWhole(end + 1, CommandLine::kMaxSide, height, &end) && !*end;
    if (!read || width < 2 || height < 2 || width % 2 || height % 2) {
        line.error = std::string("--size ") + value + ": WIDTHxHEIGHT, even numbers from 2 to " +
                     std::to_string(CommandLine::kMaxSide);
        return false;
    }
    line.width = static_cast<int>(width);
    line.height = static_cast<int>(height);
    return true;
}

bool setDuration(CommandLine& line, const char* value) {
    double seconds = 0.0;
    if (!readDecimal(value, seconds) || !(seconds > 0.0) || seconds > CommandLine::kMaxDuration) {
        line.error =
            std::string("--duration ") + value + ": seconds above 0, at most 86400 (a day)";
        return false;
    }
    line.duration = seconds;
    return true;
}

bool setRender(CommandLine& line, const char* value) {
    if (!value[0]) {
        line.error = "--render needs the name of the video file to write, such as demo.mp4";
        return false;
    }
    line.renderPath = value;
    return true;
}

bool setTracksBase(CommandLine& line, const char* value) {
    if (!value[0]) {
        line.error = "--tracks-text needs the base name of the track files, as in <sync base=...>";
        return false;
    }
    line.tracksBase = value;
    return true;
}

bool setHelp(CommandLine& line, const char*) {
    return line.help = true;
}

const Option kOptions[] = {
    {"--help", false, kAnyMode, setHelp},
    {"-h", false, kAnyMode, setHelp},
    // What a Windows user types.
    {"/?", false, kAnyMode, setHelp},
    {"--version", false, kAnyMode,
     [](CommandLine& line, const char*) { return line.version = true; }},
    {"--check", false, kCheck, [](CommandLine& line, const char*) { return line.check = true; }},
    {"--files", false, kCheck, [](CommandLine& line, const char*) { return line.files = true; }},
    {"--edit", false, kEdit, [](CommandLine& line, const char*) { return line.edit = true; }},
    {"--start", true, kPlay | kEdit | kRender, setStart},
    // Render frames follow the clock of the file, not an editor's.
    {"--sync", false, kPlay | kEdit,
     [](CommandLine& line, const char*) { return line.sync = true; }},
    {"--render", true, kRender, setRender},
    {"--fps", true, kRender, setFps},
    {"--size", true, kRender, setSize},
    {"--duration", true, kRender, setDuration},
    {"--tracks-text", true, kTracks, setTracksBase},
};

const char* modeOption(Mode mode) {
    switch (mode) {
    case kCheck:
        return "--check";
    case kEdit:
        return "--edit";
    case kRender:
        return "--render";
    case kTracks:
        return "--tracks-text";
    default:
        return "";
    }
}

// Refuses the first option given that does nothing in the mode the line asks for.
bool optionsFitTheMode(const bool (&given)[sizeof kOptions / sizeof kOptions[0]],
                       CommandLine& line) {
    const Mode mode = line.check                 ? kCheck
                      : line.edit                ? kEdit
                      : !line.renderPath.empty() ? kRender
                      : !line.tracksBase.empty() ? kTracks
                                                 : kPlay;
    for (size_t i = 0; i < sizeof kOptions / sizeof kOptions[0]; ++i) {
        if (!given[i] || (kOptions[i].modes & mode)) continue;
        if (mode == kPlay)
            line.error = "--fps, --size and --duration go with --render";
        else
            line.error = std::string(kOptions[i].name) + " does not go with " + modeOption(mode);
        return false;
    }
    return true;
}

} // namespace

const char* usageText() {
    return "Usage: vornex [options] [script]\n"
           "Plays the demo described by the script (default script.txt), found in\n"
           "data/ below the working directory. Progress goes to log.txt.\n"
           "\n"
           "  --check            read the script, its includes and plugins without opening\n"
           "                     a window and print file:line:column diagnostics; exit\n"
           "                     status 0 when clean, 1 with errors, 3 with warnings only\n"
           "  --files            with --check: then list the data files and plugins the\n"
           "                     script uses, one a line, when it has no errors\n"
           "  --start <seconds>  begin playing at that demo time\n"
           "  --edit             edit mode: Pause holds the demo, Left/Right seek 1 s (with\n"
           "                     Shift 10 s), Home goes to 0; changed shaders, textures and\n"
           "                     scripts are reloaded while it plays\n"
           "  --sync             link to the sync editor at 127.0.0.1:1338\n"
           "  --tracks-text <base>  write beside every track file <base>_*.track its text\n"
           "                     form, <file>.txt, and exit\n"
           "  --render <file>    write the demo with its music to a video file instead\n"
           "  --fps <n>          frames a second of the video (30)\n"
           "  --size <WxH>       picture size of the video (the demo's window size)\n"
           "  --duration <s>     seconds to write (until the demo's exit)\n"
           "  --version          print the version\n"
           "  --help, -h, /?     print this text\n"
           "\n"
           "Exit status: 0 done, 1 script unusable (--check: errors), 2 bad command line,\n"
           "3 --check found warnings only, 4 the video could not be written, 5 --tracks-text\n"
           "found no track file or could not read or write one.\n";
}

bool parseCommandLine(int argc, char** argv, CommandLine& line) {
    constexpr size_t kOptionCount = sizeof kOptions / sizeof kOptions[0];
    bool given[kOptionCount] = {};
    bool named = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        size_t found = kOptionCount;
        for (size_t k = 0; k < kOptionCount; ++k)
            if (std::strcmp(argument, kOptions[k].name) == 0) found = k;
        if (found < kOptionCount) {
            const Option& option = kOptions[found];
            const char* value = nullptr;
            if (option.takesValue) {
                if (i + 1 >= argc) {
                    line.error = std::string(argument) + " needs a value";
                    return false;
                }
                value = argv[++i];
            }
            if (!option.apply(line, value)) return false;
            given[found] = true;
            continue;
        }
        if (argument[0] == '-') {
            line.error = std::string("unknown option ") + argument;
            return false;
        }
        if (named) continue;
        named = true;
        line.script = argument;
    }
    if (line.help || line.version) return true;
    return optionsFitTheMode(given, line);
}
