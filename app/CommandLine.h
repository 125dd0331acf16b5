// The player's command line: options first or last, and at most one script name (further
// names are ignored). Each option works in some of the modes (play,
// --check, --edit, --render); one given where it would do nothing is refused, and numbers
// are read strictly, whole text or nothing. New options go in the one table in
// CommandLine.cpp, with their line of the usage text.
#pragma once

#include <string>

struct CommandLine {
    static constexpr int kMaxFps = 240;
    static constexpr int kMaxSide = 8192;
    static constexpr double kMaxStart = 1.0e6;
    // A day: longer renders are a typing mistake, and their frame counts would overflow.
    static constexpr double kMaxDuration = 86400.0;

    std::string script = "script.txt";
    bool help = false;
    bool version = false;
    bool check = false;     // --check: diagnostics only, no window
    bool files = false;     // --files: with --check, list what the script uses
    bool edit = false;      // --edit: pause and seek keys, live reload
    double startTime = 0.0; // --start <seconds>
    bool sync = false;      // --sync: link to the sync editor
    std::string renderPath; // --render <file>: write a video instead of playing
    int fps = 30;           // --fps
    int width = 0;          // --size WxH; 0: the demo's own size
    int height = 0;
    double duration = 0.0;  // --duration; 0: until the demo ends
    std::string tracksBase; // --tracks-text <base>: write the text form of its track files
    // Set when the command line cannot be used; what to tell the user.
    std::string error;
};

// Fills `line` from the arguments; false (with `line.error`) when they cannot be used.
bool parseCommandLine(int argc, char** argv, CommandLine& line);
// The usage text, one line per option.
const char* usageText();
