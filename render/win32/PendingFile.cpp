#include "render/PendingFile.h"

// The build predefines these for the GL headers; windows.h defines its own.
#undef APIENTRY
#undef CALLBACK
#undef WINGDIAPI
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

// The system's text for `error`, without its line break.
void describe(DWORD error, char* message, size_t messageSize) {
    char text[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, sizeof text, nullptr);
    size_t length = std::strlen(text);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' ||
                          text[length - 1] == ' ' || text[length - 1] == '.'))
        text[--length] = '\0';
    std::snprintf(message, messageSize, "%s (error %lu)", text[0] ? text : "system error", error);
}

// Past the last folder separator, either of the two Windows takes.
const char* fileNameOf(const char* path) {
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '/' || *p == '\\' || (*p == ':' && p == path + 1)) name = p + 1;
    return name;
}

} // namespace

PendingFile::~PendingFile() {
    abandon();
}

int PendingFile::create(const char* target, char* message, size_t messageSize) {
    abandon();
    const DWORD attributes = GetFileAttributesA(target);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        std::snprintf(message, messageSize, "is a folder");
        return -1;
    }
    const char* name = fileNameOf(target);
    const std::string folder(target, name);
    // Named after the target, so a stray one says what it was; CREATE_NEW makes the name
    // this render's alone, and another is tried when it is taken.
    char suffix[32];
    DWORD error = ERROR_FILE_EXISTS;
    for (unsigned attempt = 0; attempt < 100 && error == ERROR_FILE_EXISTS; ++attempt) {
        std::snprintf(suffix, sizeof suffix, ".partial-%lu-%u", GetCurrentProcessId(), attempt);
        temporary_ = folder + "." + name + suffix;
        const HANDLE file = CreateFileA(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            target_ = target;
            return 0;
        }
        error = GetLastError();
    }
    temporary_.clear();
    char reason[320];
    describe(error, reason, sizeof reason);
    std::snprintf(message, messageSize, "cannot write in its folder: %s", reason);
    return -1;
}

std::string PendingFile::utf8Path() const {
    const int wide = MultiByteToWideChar(CP_ACP, 0, temporary_.c_str(), -1, nullptr, 0);
    if (wide <= 0) return temporary_;
    std::wstring name(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, temporary_.c_str(), -1, &name[0], wide);
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, name.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return temporary_;
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, name.c_str(), -1, &utf8[0], bytes, nullptr, nullptr);
    utf8.resize(static_cast<size_t>(bytes) - 1); // the terminating zero
    return utf8;
}

int PendingFile::commit(char* message, size_t messageSize) {
    if (temporary_.empty()) {
        std::snprintf(message, messageSize, "nothing was written");
        return -1;
    }
    const HANDLE file =
        CreateFileA(temporary_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool done = file != INVALID_HANDLE_VALUE && FlushFileBuffers(file);
    DWORD error = done ? 0 : GetLastError();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    // rename() refuses an existing target on Windows; this replaces it in one step.
    if (done && !MoveFileExA(temporary_.c_str(), target_.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        done = false;
        error = GetLastError();
    }
    if (!done) {
        char reason[320];
        describe(error, reason, sizeof reason);
        std::snprintf(message, messageSize, "cannot complete the file: %s", reason);
        abandon();
        return -1;
    }
    temporary_.clear();
    return 0;
}

void PendingFile::abandon() {
    if (!temporary_.empty()) DeleteFileA(temporary_.c_str());
    temporary_.clear();
}
