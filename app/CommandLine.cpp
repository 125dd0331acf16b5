#include "app/CommandLine.h"

#include "demo/NumberText.h"

#include <cstdlib>
#include <cstring>

namespace {

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

const Option kOptions[] = {
    {"--help", false, [](CommandLine& line, const char*) { return line.help = true; }},
    {"-h", false, [](CommandLine& line, const char*) { return line.help = true; }},
    {"--version", false, [](CommandLine& line, const char*) { return line.version = true; }},
    {"--check", false, [](CommandLine& line, const char*) { return line.check = true; }},
    {"--edit", false, [](CommandLine& line, const char*) { return line.edit = true; }},
    {"--start", true, setStart},
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
    return true;
}
