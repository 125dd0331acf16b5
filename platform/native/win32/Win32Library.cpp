// Dynamic libraries on the win32 back end. Plugin names are taken as written; a bare name
// is looked for in the executable's folder, then the working directory, then the system
// search path, the same order the other platforms follow. A ".so" name that is not found
// is tried again as ".dll", so scripts written on Linux play here too.
#include "platform/native/Native.h"

#include "platform/native/win32/Windows.h"

#include <cstdio>
#include <cstring>

namespace native {
namespace {

bool fileExists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

HMODULE load(const char* path) {
    // A library whose own dependencies are missing must not stop the player on a
    // system dialog.
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    HMODULE library = LoadLibraryA(path);
    const DWORD error = GetLastError();
    SetThreadErrorMode(previousMode, nullptr);
    SetLastError(error);
    return library;
}

char lastError[1024];

// The system's text with its inserts filled: "%1" is the file ("Bad EXE format for %1."),
// any other insert, which no loading error fills, is left out; the line break is dropped.
// Inserts are not handed to FormatMessage, which would read as many arguments as the text
// asks for.
void fillSystemText(const char* text, const char* path, char* out, size_t size) {
    size_t length = 0;
    const auto append = [&](const char* part, size_t count) {
        if (count > size - 1 - length) count = size - 1 - length;
        std::memcpy(out + length, part, count);
        length += count;
    };
    for (const char* p = text; *p;) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
            if (p[1] == '1' && (p[2] < '0' || p[2] > '9')) append(path, std::strlen(path));
            for (p += 1; *p >= '0' && *p <= '9';) ++p;
            continue;
        }
        append(p++, 1);
    }
    while (length > 0 &&
           (out[length - 1] == '\n' || out[length - 1] == '\r' || out[length - 1] == ' '))
        --length;
    out[length] = '\0';
}

// "<path>: <the system's message> (error N)".
void keepError(const char* path, DWORD error) {
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, sizeof text, nullptr);
    char message[768];
    fillSystemText(text, path, message, sizeof message);
    std::snprintf(lastError, sizeof lastError, "%s: %s (error %lu)", path,
                  message[0] ? message : "cannot be loaded", error);
}

// A file that exists but cannot be loaded ends the search, as on the desktop.
HMODULE open(const char* path) {
    HMODULE library = load(path);
    if (!library) {
        keepError(path, GetLastError());
        std::printf("loadLibrary: %s\n", lastError);
    }
    return library;
}

bool hasFolder(const char* name) {
    return std::strchr(name, '\\') || std::strchr(name, '/') || std::strchr(name, ':');
}

// path = the executable's folder followed by name.
bool besideExecutable(const char* name, char* path, DWORD size) {
    const DWORD length = GetModuleFileNameA(nullptr, path, size);
    if (length == 0 || length >= size) return false;
    char* slash = std::strrchr(path, '\\');
    if (!slash) return false;
    const size_t room = size - static_cast<size_t>(slash + 1 - path);
    const int written = std::snprintf(slash + 1, room, "%s", name);
    return written >= 0 && static_cast<size_t>(written) < room;
}

// found is set when a file of that name exists, even if it could not be loaded.
HMODULE search(const char* name, bool* found) {
    *found = false;
    if (hasFolder(name)) {
        *found = fileExists(name);
        return *found ? open(name) : nullptr;
    }
    char path[MAX_PATH];
    if (besideExecutable(name, path, sizeof(path)) && fileExists(path)) {
        *found = true;
        return open(path);
    }
    const int written = std::snprintf(path, sizeof(path), ".\\%s", name);
    if (written > 0 && written < static_cast<int>(sizeof(path)) && fileExists(path)) {
        *found = true;
        return open(path);
    }
    HMODULE library = load(name);
    *found = library != nullptr;
    return library;
}

} // namespace

LibraryHandle loadLibrary(const char* fileName) {
    lastError[0] = '\0';
    if (!fileName || fileName[0] == '\0') return nullptr;
    bool found = false;
    HMODULE library = search(fileName, &found);
    if (found) return library;
    constexpr char kOtherSuffix[] = ".so";
    constexpr char kOwnSuffix[] = ".dll";
    const size_t length = std::strlen(fileName);
    const size_t suffixLength = sizeof(kOtherSuffix) - 1;
    if (length <= suffixLength || _stricmp(fileName + length - suffixLength, kOtherSuffix) != 0 ||
        length - suffixLength + sizeof(kOwnSuffix) > MAX_PATH) {
        return nullptr;
    }
    char name[MAX_PATH];
    std::memcpy(name, fileName, length - suffixLength);
    std::memcpy(name + length - suffixLength, kOwnSuffix, sizeof(kOwnSuffix));
    return search(name, &found);
}

const char* libraryError() {
    return lastError;
}

Proc getLibraryProc(LibraryHandle library, const char* name) {
    if (!library || !name) return nullptr;
    return reinterpret_cast<Proc>(GetProcAddress(static_cast<HMODULE>(library), name));
}

bool freeLibrary(LibraryHandle library) {
    return library && FreeLibrary(static_cast<HMODULE>(library)) != 0;
}

} // namespace native
