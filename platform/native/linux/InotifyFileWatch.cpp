// inotify on the folders of the watched files: a write that is closed, or a file moved
// into the folder, counts as a change of that name.
#include "platform/native/FileWatch.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/inotify.h>
#include <unistd.h>
#include <vector>

namespace native {

struct FileWatch {
    struct Folder {
        int descriptor;
        std::string path;
    };
    struct File {
        std::string folder;
        std::string name;
        std::string path; // as added
    };

    int fd = -1;
    std::vector<Folder> folders;
    std::vector<File> files;
    // Events read but not reported yet: a read can hold several.
    alignas(inotify_event) char buffer[4096];
    size_t filled = 0;
    size_t offset = 0;
};

namespace {

void split(const char* path, std::string& folder, std::string& name) {
    const char* slash = std::strrchr(path, '/');
    folder = slash ? std::string(path, static_cast<size_t>(slash - path)) : ".";
    if (folder.empty()) folder = "/";
    name = slash ? slash + 1 : path;
}

const FileWatch::File* match(const FileWatch& watch, const inotify_event& event) {
    if (event.len == 0) return nullptr;
    for (const FileWatch::Folder& folder : watch.folders) {
        if (folder.descriptor != event.wd) continue;
        for (const FileWatch::File& file : watch.files)
            if (file.folder == folder.path && file.name == event.name) return &file;
    }
    return nullptr;
}

} // namespace

FileWatch* openFileWatch() {
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0) return nullptr;
    FileWatch* watch = new FileWatch;
    watch->fd = fd;
    return watch;
}

int addWatchedFile(FileWatch* watch, const char* path) {
    if (!watch || !path || !path[0]) return -1;
    FileWatch::File file;
    split(path, file.folder, file.name);
    file.path = path;
    for (const FileWatch::File& known : watch->files)
        if (known.path == file.path) return 0;
    bool watched = false;
    for (const FileWatch::Folder& folder : watch->folders) watched |= folder.path == file.folder;
    if (!watched) {
        const int descriptor = inotify_add_watch(watch->fd, file.folder.c_str(),
                                                 IN_CLOSE_WRITE | IN_MOVED_TO | IN_ONLYDIR);
        if (descriptor < 0) return -1;
        // The same folder under another spelling gives the same descriptor.
        watch->folders.push_back({descriptor, file.folder});
    }
    watch->files.push_back(file);
    return 0;
}

bool readFileChange(FileWatch* watch, char* path, size_t size) {
    if (!watch || size == 0) return false;
    for (;;) {
        while (watch->offset < watch->filled) {
            const inotify_event& event =
                *reinterpret_cast<const inotify_event*>(watch->buffer + watch->offset);
            watch->offset += sizeof(inotify_event) + event.len;
            if (const FileWatch::File* file = match(*watch, event)) {
                std::snprintf(path, size, "%s", file->path.c_str());
                return true;
            }
        }
        const ssize_t got = read(watch->fd, watch->buffer, sizeof watch->buffer);
        if (got <= 0) return false; // EAGAIN: nothing pending
        watch->filled = static_cast<size_t>(got);
        watch->offset = 0;
    }
}

void closeFileWatch(FileWatch* watch) {
    if (!watch) return;
    close(watch->fd);
    delete watch;
}

} // namespace native
