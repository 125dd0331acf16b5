// Dynamic libraries on the win32 back end. Plugin names are taken as written; a bare name
// is looked for in the executable's folder, then the working directory, then the system
// search path, the same order the other platforms follow. A ".so" name that is not found
// is tried again as ".dll", so scripts written on Linux play here too. A library that is
// there but lacks a DLL of its own (or one of its DLLs does) is reported with that DLL's
// name, which the system's message leaves out.
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
// How far below the library the search for a missing DLL goes, and how many DLLs it reads.
constexpr int kMaxImportDepth = 3;
constexpr size_t kMaxImagesRead = 16;

// The DLLs the image at `path` imports; false when it cannot be read or holds no image.
bool readImports(const char* path, PEImportList& imports) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    std::vector<uint8_t> bytes;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
    if (size > 0 && size <= kMaxImageSize && std::fseek(file, 0, SEEK_SET) == 0) {
        bytes.resize(static_cast<size_t>(size));
        if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) bytes.clear();
    }
    std::fclose(file);
    return !bytes.empty() && imports.read(bytes.data(), bytes.size()) == 0;
}

// API sets are resolved by the loader without a file of that name.
bool isApiSet(const char* name) {
    return _strnicmp(name, "api-ms-", 7) == 0 || _strnicmp(name, "ext-ms-", 7) == 0;
}

bool searchFinds(const char* name) {
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    HMODULE file = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    SetThreadErrorMode(previousMode, nullptr);
    if (file) FreeLibrary(file);
    return file != nullptr;
}

// The file a found DLL that is not the system's own and not loaded yet comes from, for its
// own imports to be read; false for the others, whose imports are the system's concern.
bool ownDllPath(const char* name, char* path, DWORD size) {
    char system[MAX_PATH];
    const UINT systemLength = GetSystemDirectoryA(system, sizeof system);
    const DWORD length = SearchPathA(nullptr, name, nullptr, size, path, nullptr);
    if (length == 0 || length >= size) return false;
    return systemLength == 0 || systemLength >= sizeof system ||
           _strnicmp(path, system, systemLength) != 0;
}

// The DLLs leading from the image at `path` to the first one the system's search does not
// find: "a.dll" when the image imports it, "b.dll, which needs a.dll" when a DLL it imports
// does; empty when none is found missing. The image's own imports come first, then those
// of the DLLs they name, a few levels down.
std::string missingBelow(const char* path, int depth, size_t& imagesRead) {
    if (imagesRead >= kMaxImagesRead) return "";
    ++imagesRead;
    std::unique_ptr<PEImportList> imports(new PEImportList);
    if (!readImports(path, *imports)) return "";
    std::vector<std::string> ownDlls;
    for (size_t i = 0; i < imports->count(); ++i) {
        const char* name = imports->name(i);
        // A loaded DLL's own imports were all found when it loaded.
        if (isApiSet(name) || GetModuleHandleA(name)) continue;
        if (!searchFinds(name)) return name;
        char found[MAX_PATH];
        if (ownDllPath(name, found, sizeof found)) ownDlls.push_back(found);
    }
    if (depth + 1 >= kMaxImportDepth) return "";
    for (const std::string& dll : ownDlls) {
        const std::string below = missingBelow(dll.c_str(), depth + 1, imagesRead);
        if (!below.empty())
            return dll.substr(dll.find_last_of("\\/") + 1) + ", which needs " + below;
    }
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
    size_t imagesRead = 0;
    const std::string missing =
        error == ERROR_MOD_NOT_FOUND ? missingBelow(path, 0, imagesRead) : "";
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
