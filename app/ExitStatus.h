// The player's exit statuses, one meaning each, so a batch run can tell them apart. A demo
// that plays ends with kDone whatever went wrong inside it (that goes to log.txt).
#pragma once

enum ExitStatus {
    kDone = 0,
    // The script cannot be found, read or parsed; in check mode also: errors were found.
    kScriptUnusable = 1,
    kBadCommandLine = 2,
    // Check mode: the script has warnings and no errors.
    kCheckWarnings = 3,
    // --render: the video file could not be written or completed (nothing replaced).
    kRenderFailed = 4,
    // --tracks-text: no track file of the base, or one could not be read or written.
    kTracksUnreadable = 5,
    // A render stopped by SIGINT, SIGTERM or SIGHUP exits with 128 + the signal's number,
    // as a shell reports a program the signal ended.
    kSignalBase = 128,
};
