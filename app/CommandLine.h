// The player's command line: options first or last, and at most one script name (further
// names are ignored, as they always were). New options go in the one table in
// CommandLine.cpp, with their line of the usage text.
#pragma once

#include <string>

struct CommandLine {
    std::string script = "script.txt";
    bool help = false;
    bool version = false;
    bool check = false;     // --check: diagnostics only, no window
    bool edit = false;      // --edit: pause and seek keys, live reload
    float startTime = 0.0f; // --start <seconds>
    // Set when the command line cannot be used; what to tell the user.
    std::string error;
};

// Fills `line` from the arguments; false (with `line.error`) when they cannot be used.
bool parseCommandLine(int argc, char** argv, CommandLine& line);
// The usage text, one line per option.
const char* usageText();
