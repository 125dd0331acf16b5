#include "TempDir.h"
#include "platform/native/Native.h"

#include <cmath>
#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// A real shared library of the machine to copy under plugin names: the one holding cos.
std::filesystem::path mathLibrary() {
    Dl_info info{};
    double (*cosine)(double) = &std::cos;
    if (!dladdr(reinterpret_cast<void*>(cosine), &info) || !info.dli_fname) return {};
    return info.dli_fname;
}

std::filesystem::path executableFolder() {
    return std::filesystem::canonical("/proc/self/exe").parent_path();
}

} // namespace

TEST(DynamicLibrary, DllNameIsFoundInTheWorkingDirectoryAsSharedObject) {
    const std::filesystem::path library = mathLibrary();
    ASSERT_FALSE(library.empty());
    TempDir dir;
    std::filesystem::copy_file(library, dir.path() / "mathfx.so");
    WorkingDirectory inside(dir.path());
    native::LibraryHandle handle = native::loadLibrary("mathfx.dll");
    ASSERT_NE(handle, nullptr);
    EXPECT_NE(native::getLibraryProc(handle, "cos"), nullptr);
    EXPECT_EQ(native::getLibraryProc(handle, "noSuchExport"), nullptr);
    EXPECT_TRUE(native::freeLibrary(handle));
    // The desktop's folder separators and suffix case work too.
    std::filesystem::create_directories(dir.path() / "plugins");
    std::filesystem::copy_file(library, dir.path() / "plugins" / "mathfx.so");
    handle = native::loadLibrary("plugins\\MATHFX.DLL");
    EXPECT_EQ(handle, nullptr) << "file names keep their case";
    handle = native::loadLibrary("plugins\\mathfx.DLL");
    ASSERT_NE(handle, nullptr);
    native::freeLibrary(handle);
}

TEST(DynamicLibrary, ExecutableFolderComesBeforeTheWorkingDirectory) {
    const std::filesystem::path library = mathLibrary();
    ASSERT_FALSE(library.empty());
    const std::filesystem::path besideProgram = executableFolder() / "vornex-order-test.so";
    std::filesystem::copy_file(library, besideProgram,
                               std::filesystem::copy_options::overwrite_existing);
    TempDir dir;
    // Not a library at all: found first, it would fail the load.
    dir.write("vornex-order-test.so", "not a shared object");
    native::LibraryHandle handle = nullptr;
    {
        WorkingDirectory inside(dir.path());
        handle = native::loadLibrary("vornex-order-test.so");
    }
    std::filesystem::remove(besideProgram);
    ASSERT_NE(handle, nullptr);
    native::freeLibrary(handle);
}

TEST(DynamicLibrary, FileThatIsNoLibraryOrIsMissingGivesNull) {
    TempDir dir;
    dir.write("broken.so", "not a shared object");
    WorkingDirectory inside(dir.path());
    testing::internal::CaptureStdout();
    EXPECT_EQ(native::loadLibrary("broken.dll"), nullptr);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find("broken.so"), std::string::npos) << output;
    EXPECT_EQ(native::loadLibrary("missing.dll"), nullptr);
    EXPECT_EQ(native::loadLibrary(""), nullptr);
    EXPECT_EQ(native::loadLibrary(nullptr), nullptr);
    EXPECT_FALSE(native::freeLibrary(nullptr));
}

TEST(DynamicLibrary, SystemSearchPathIsTheLastPlace) {
    native::LibraryHandle handle = native::loadLibrary("libm.so.6");
    ASSERT_NE(handle, nullptr);
    EXPECT_NE(native::getLibraryProc(handle, "sqrt"), nullptr);
    native::freeLibrary(handle);
}
