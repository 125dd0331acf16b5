// Dynamic libraries, common to every back end. Plugin names are written as on the desktop
// ("fx.dll", "plugins\fx.dll"); they are searched for as a desktop program would, and a
// ".dll" name falls back to the platform's own suffix.
#include "platform/native/Native.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <dlfcn.h>
#include <limits.h>
#include <strings.h>
#include <unistd.h>

namespace native {
namespace {

constexpr char kNativeSuffix[] = ".so";
constexpr char kDesktopSuffix[] = ".dll";

bool fileExists(const char* path) {
    return access(path, F_OK) == 0;
}

char lastError[1024];

bool symbolChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$';
}

// Copies the loader's message into lastError with every C++ symbol name ("_Z...") written
// as in the source, cut to fit.
void keepReadableError(const char* text) {
    size_t length = 0;
    const auto append = [&](const char* part, size_t partLength) {
        const size_t room = sizeof(lastError) - 1 - length;
        const size_t count = partLength < room ? partLength : room;
        std::memcpy(lastError + length, part, count);
        length += count;
    };
    for (const char* p = text; *p;) {
        const bool startsSymbol = p[0] == '_' && p[1] == 'Z' && (p == text || !symbolChar(p[-1]));
        if (!startsSymbol) {
            append(p++, 1);
            continue;
        }
        const char* end = p;
        while (symbolChar(*end)) ++end;
        const size_t symbolLength = static_cast<size_t>(end - p);
        char mangled[512];
        char* readable = nullptr;
        int status = -1;
        if (symbolLength < sizeof(mangled)) {
            std::memcpy(mangled, p, symbolLength);
            mangled[symbolLength] = '\0';
            readable = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
        }
        if (status == 0 && readable)
            append(readable, std::strlen(readable));
        else
            append(p, static_cast<size_t>(end - p));
        std::free(readable);
        p = end;
    }
    lastError[length] = '\0';
}

void* open(const char* path) {
    void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        keepReadableError(dlerror());
        std::printf("loadLibrary: %s\n", lastError);
    }
    return library;
}

// The folder of the running executable, with a trailing slash; empty if unknown.
void executableFolder(char* folder, size_t size) {
    folder[0] = '\0';
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) return;
    path[length] = '\0';
    char* slash = std::strrchr(path, '/');
    if (!slash) return;
    slash[1] = '\0';
    std::snprintf(folder, size, "%s", path);
}

// found is set when a file of that name exists, even if it could not be loaded: the
// search stops there, as it does on the desktop.
void* search(const char* name, bool* found) {
    *found = false;
    if (std::strchr(name, '/')) {
        if (!fileExists(name)) return nullptr;
        *found = true;
        return open(name);
    }
    char path[PATH_MAX];
    char folder[PATH_MAX];
    executableFolder(folder, sizeof(folder));
    if (folder[0] != '\0') {
        const int length = std::snprintf(path, sizeof(path), "%s%s", folder, name);
        if (length > 0 && static_cast<size_t>(length) < sizeof(path) && fileExists(path)) {
            *found = true;
            return open(path);
        }
    }
    const int length = std::snprintf(path, sizeof(path), "./%s", name);
    if (length > 0 && static_cast<size_t>(length) < sizeof(path) && fileExists(path)) {
        *found = true;
        return open(path);
    }
    // The system search path: a name without a slash is looked up by the dynamic loader.
    void* library = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    *found = library != nullptr;
    return library;
}

} // namespace

LibraryHandle loadLibrary(const char* fileName) {
    lastError[0] = '\0';
    if (!fileName || fileName[0] == '\0') return nullptr;
    char name[PATH_MAX];
    const size_t length = std::strlen(fileName);
    if (length + sizeof(kNativeSuffix) >= sizeof(name)) return nullptr;
    // Desktop folder separators become ours.
    for (size_t index = 0; index <= length; ++index) {
        name[index] = fileName[index] == '\\' ? '/' : fileName[index];
    }
    bool found = false;
    void* library = search(name, &found);
    if (found) return library;
    const size_t suffixLength = sizeof(kDesktopSuffix) - 1;
    if (length > suffixLength && strcasecmp(name + length - suffixLength, kDesktopSuffix) == 0) {
        std::memcpy(name + length - suffixLength, kNativeSuffix, sizeof(kNativeSuffix));
        return search(name, &found);
    }
    return nullptr;
}

const char* libraryError() {
    return lastError;
}

Proc getLibraryProc(LibraryHandle library, const char* name) {
    if (!library || !name) return nullptr;
    return reinterpret_cast<Proc>(dlsym(library, name));
}

bool freeLibrary(LibraryHandle library) {
    return library && dlclose(library) == 0;
}

} // namespace native
