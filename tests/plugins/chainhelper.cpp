// A helper DLL beside the plugins on Windows that imports its own helper from a DLL the
// search never finds: a plugin importing it fails to load one DLL further down.
namespace unresolvedfx {
bool missingHelper(const char* type);

__declspec(dllexport) bool chainedHelper(const char* type) {
    return missingHelper(type);
}
} // namespace unresolvedfx
