// File notifications are not offered on Windows yet (ReadDirectoryChangesW on the folders
// of the watched files will do it): edit mode then keeps its keys and reloads nothing.
#include "platform/native/FileWatch.h"

namespace native {

FileWatch* openFileWatch() {
    return nullptr;
}

int addWatchedFile(FileWatch*, const char*) {
    return -1;
}

bool readFileChange(FileWatch*, char*, size_t) {
    return false;
}

void closeFileWatch(FileWatch*) {}

} // namespace native
