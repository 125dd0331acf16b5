// ReadDirectoryChangesW on the folders of the watched files, each read overlapped and
// polled without waiting: a write, or a file created or renamed into the folder, counts as
// a change of that name.
#include "platform/native/FileWatch.h"

#include "platform/native/win32/Windows.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace native {

struct FileWatch {
    struct Folder {
        std::string path;
        HANDLE directory = INVALID_HANDLE_VALUE;
        OVERLAPPED overlapped{};
        // The system fills `buffer` while `pending` holds a finished read's notifications
        // not reported yet (one read can hold several).
        alignas(DWORD) char buffer[8192];
        alignas(DWORD) char pending[8192];
        DWORD filled = 0;
        DWORD offset = 0;
        bool reading = false;
    };
    struct File {
        std::string folder;
        std::string name;
        std::string path; // as added
    };

    std::vector<std::unique_ptr<Folder>> folders;
    std::vector<File> files;
};

namespace {

constexpr DWORD kChanges = FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_FILE_NAME;

void split(const char* path, std::string& folder, std::string& name) {
    const char* slash = std::strrchr(path, '/');
    const char* backslash = std::strrchr(path, '\\');
    if (!slash || (backslash && backslash > slash)) slash = backslash;
    folder = slash ? std::string(path, static_cast<size_t>(slash - path)) : ".";
    if (folder.empty()) folder = "\\";
    name = slash ? slash + 1 : path;
}

bool startRead(FileWatch::Folder& folder) {
    folder.reading =
        ReadDirectoryChangesW(folder.directory, folder.buffer, sizeof folder.buffer, FALSE,
                              kChanges, nullptr, &folder.overlapped, nullptr) != 0;
    return folder.reading;
}

// The name of a notification in the system's narrow code page, for comparing with the
// names as added.
std::string narrowName(const FILE_NOTIFY_INFORMATION& notification) {
    const int wideLength = static_cast<int>(notification.FileNameLength / sizeof(WCHAR));
    char name[MAX_PATH * 2];
    const int length = WideCharToMultiByte(CP_ACP, 0, notification.FileName, wideLength, name,
                                           sizeof name, nullptr, nullptr);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

bool changes(DWORD action) {
    return action == FILE_ACTION_MODIFIED || action == FILE_ACTION_ADDED ||
           action == FILE_ACTION_RENAMED_NEW_NAME;
}

const FileWatch::File* match(const FileWatch& watch, const FileWatch::Folder& folder,
                             const std::string& name) {
    for (const FileWatch::File& file : watch.files)
        if (file.folder == folder.path && _stricmp(file.name.c_str(), name.c_str()) == 0)
            return &file;
    return nullptr;
}

void closeFolder(FileWatch::Folder& folder) {
    if (folder.directory == INVALID_HANDLE_VALUE) return;
    if (folder.reading) {
        CancelIoEx(folder.directory, &folder.overlapped);
        DWORD ignored = 0;
        GetOverlappedResult(folder.directory, &folder.overlapped, &ignored, TRUE);
    }
    CloseHandle(folder.directory);
    CloseHandle(folder.overlapped.hEvent);
    folder.directory = INVALID_HANDLE_VALUE;
}

} // namespace

FileWatch* openFileWatch() {
    return new FileWatch;
}

int addWatchedFile(FileWatch* watch, const char* path) {
    if (!watch || !path || !path[0]) return -1;
    FileWatch::File file;
    split(path, file.folder, file.name);
    file.path = path;
    for (const FileWatch::File& known : watch->files)
        if (known.path == file.path) return 0;
    bool watched = false;
    for (const auto& folder : watch->folders) watched |= folder->path == file.folder;
    if (!watched) {
        auto folder = std::make_unique<FileWatch::Folder>();
        folder->path = file.folder;
        folder->directory =
            CreateFileA(file.folder.c_str(), FILE_LIST_DIRECTORY,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
        if (folder->directory == INVALID_HANDLE_VALUE) return -1;
        folder->overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (!folder->overlapped.hEvent || !startRead(*folder)) {
            closeFolder(*folder);
            return -1;
        }
        watch->folders.push_back(std::move(folder));
    }
    watch->files.push_back(file);
    return 0;
}

bool readFileChange(FileWatch* watch, char* path, size_t size) {
    if (!watch || size == 0) return false;
    for (const auto& entry : watch->folders) {
        FileWatch::Folder& folder = *entry;
        for (;;) {
            while (folder.offset < folder.filled) {
                const auto& notification = *reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(
                    folder.pending + folder.offset);
                folder.offset = notification.NextEntryOffset
                                    ? folder.offset + notification.NextEntryOffset
                                    : folder.filled;
                if (!changes(notification.Action)) continue;
                if (const FileWatch::File* file = match(*watch, folder, narrowName(notification))) {
                    std::snprintf(path, size, "%s", file->path.c_str());
                    return true;
                }
            }
            if (!folder.reading) break;
            DWORD got = 0;
            if (!GetOverlappedResult(folder.directory, &folder.overlapped, &got, FALSE)) {
                // Still waiting; any other failure stops this folder's notifications.
                if (GetLastError() != ERROR_IO_INCOMPLETE) folder.reading = false;
                break;
            }
            ResetEvent(folder.overlapped.hEvent);
            // Got 0: the buffer overflowed and those notifications are lost; the next save
            // of each file reports it again.
            std::memcpy(folder.pending, folder.buffer, got);
            folder.filled = got;
            folder.offset = 0;
            startRead(folder);
            if (got == 0) break;
        }
    }
    return false;
}

void closeFileWatch(FileWatch* watch) {
    if (!watch) return;
    for (const auto& folder : watch->folders) closeFolder(*folder);
    delete watch;
}

} // namespace native
