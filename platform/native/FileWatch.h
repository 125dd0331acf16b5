// Notices when files change on disk, for edit mode's live reload, without polling them.
// Each back end uses its own system's notifications (inotify on Linux). Watching the
// folders rather than the files themselves also sees editors that save by writing a new
// file and renaming it over the old one.
#pragma once

#include <cstddef>

namespace native {

struct FileWatch;

// Null when the system offers no notifications.
FileWatch* openFileWatch();
// Adds a file by path (it need not exist yet); 0, or -1 when its folder cannot be watched.
// Adding a file twice is harmless.
int addWatchedFile(FileWatch* watch, const char* path);
// Never blocks. Writes the path of one watched file that was written or replaced since the
// last call into `path` (as it was added) and returns true; false when none is pending. A
// file saved in several steps may be reported more than once.
bool readFileChange(FileWatch* watch, char* path, size_t size);
void closeFileWatch(FileWatch* watch);

} // namespace native
