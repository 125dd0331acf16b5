// The helper unresolvedfx imports on Windows, from a DLL the plugin search never finds.
namespace unresolvedfx {
bool missingHelper(const char*) {
    return true;
}
} // namespace unresolvedfx
