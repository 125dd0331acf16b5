#include "render/PendingFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PendingFile::~PendingFile() {
    abandon();
}

int PendingFile::create(const char* target, char* message, size_t messageSize) {
    abandon();
    struct stat existing;
    if (stat(target, &existing) == 0 && S_ISDIR(existing.st_mode)) {
        std::snprintf(message, messageSize, "is a folder");
        return -1;
    }
    const char* slash = std::strrchr(target, '/');
    const std::string folder = slash ? std::string(target, slash + 1) : std::string();
    const char* name = slash ? slash + 1 : target;
    // Hidden, and named after the target, so a stray one says what it was.
    std::string pattern = folder + "." + name + ".partial-XXXXXX";
    const int file = mkstemp(&pattern[0]);
    if (file < 0) {
        std::snprintf(message, messageSize, "cannot write in its folder: %s", std::strerror(errno));
        return -1;
    }
    // mkstemp makes the file private; the video gets the permissions of any new file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(file, 0666 & ~mask);
    close(file);
    target_ = target;
    temporary_ = pattern;
    return 0;
}

std::string PendingFile::utf8Path() const {
    return temporary_;
}

int PendingFile::commit(char* message, size_t messageSize) {
    if (temporary_.empty()) {
        std::snprintf(message, messageSize, "nothing was written");
        return -1;
    }
    const int file = open(temporary_.c_str(), O_RDONLY);
    const bool synced = file >= 0 && fsync(file) == 0;
    const int syncError = errno;
    if (file >= 0) close(file);
    if (!synced || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        std::snprintf(message, messageSize, "cannot complete the file: %s",
                      std::strerror(synced ? errno : syncError));
        abandon();
        return -1;
    }
    temporary_.clear();
    return 0;
}

void PendingFile::abandon() {
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
}
