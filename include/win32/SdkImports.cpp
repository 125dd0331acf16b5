// The Windows plugin's link to the player, linked into the plugin in place of the player's
// import library. An import library names the player's file, so a demo released as
// mydemo.exe would lose every plugin; this stub names no file. Each SDK symbol a plugin uses
// pulls in one generated object (SdkImport.cpp.in) holding its import slot, the address the
// compiler's dllimport references go through; the slot is filled here from the exports of
// the running program when the plugin is loaded. Linux needs none of this: there a plugin's
// undefined symbols resolve against the executable.
#include <vornex/EffectExports.h>

#include <windows.h>

namespace {

const char* firstMissing = nullptr;

// Where a slot points when the player lacks its symbol. The player refuses such a library
// before calling into it, but the plugin's own constructors run first: one that calls the
// missing function gets nothing done and a zero back rather than a jump to address 0.
int missingSymbol() {
    return 0;
}

} // namespace

extern "C" void* vornexSdkImport(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(nullptr), name);
    if (found) return reinterpret_cast<void*>(found);
    if (!firstMissing) firstMissing = name;
    return reinterpret_cast<void*>(&missingSymbol);
}

VORNEX_PLUGIN_EXPORT const char* vornexSdkMissingImport() {
    return firstMissing;
}
