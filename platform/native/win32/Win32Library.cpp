// Dynamic libraries on the win32 back end. Plugin names are taken as written; a bare name
// is looked for in the executable's folder, then the working directory, then the system
// search path, the same order the other platforms follow. A ".so" name that is not found
// is tried again as ".dll", so scripts written on Linux play here too. A library that is
// there but lacks a DLL of its own is reported with that DLL's name, which the system's
// message leaves out.
#include "platform/native/Native.h"

#include "platform/native/PEImportList.h"
#include "platform/native/win32/Windows.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

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

// Larger than any plugin; a bigger file is not read for its imports.
constexpr long kMaxImageSize = 256L << 20;

bool systemProvides(const char* name) {
    // API sets are resolved by the loader without a file of that name.
    if (_strnicmp(name, "api-ms-", 7) == 0 || _strnicmp(name, "ext-ms-", 7) == 0) return true;
    if (GetModuleHandleA(name)) return true;
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    HMODULE file = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    SetThreadErrorMode(previousMode, nullptr);
    if (file) FreeLibrary(file);
    return file != nullptr;
}

// The first DLL the library at `path` imports that the system's search does not find, or
// empty when the file cannot be read, holds no image, or all its DLLs are found (one of
// theirs is missing then).
std::string missingImport(const char* path) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return "";
    std::vector<uint8_t> bytes;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
    if (size > 0 && size <= kMaxImageSize && std::fseek(file, 0, SEEK_SET) == 0) {
        bytes.resize(static_cast<size_t>(size));
        if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) bytes.clear();
    }
    std::fclose(file);
    std::unique_ptr<PEImportList> imports(new PEImportList);
    if (bytes.empty() || imports->read(bytes.data(), bytes.size()) != 0) return "";
    for (size_t i = 0; i < imports->count(); ++i)
        if (!systemProvides(imports->name(i))) return imports->name(i);
    return "";
}

// "<path>: <the system's message> (error N)", and for a library whose own DLL is missing,
// which one.
void keepError(const char* path, DWORD error) {
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, sizeof text, nullptr);
    char message[768];
    fillSystemText(text, path, message, sizeof message);
    const std::string missing = error == ERROR_MOD_NOT_FOUND ? missingImport(path) : "";
    std::snprintf(lastError, sizeof lastError, "%s: %s (error %lu)%s%s%s", path,
                  message[0] ? message : "cannot be loaded", error,
                  missing.empty() ? "" : "; it needs ", missing.c_str(),
                  missing.empty() ? "" : ", which is not found");
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
