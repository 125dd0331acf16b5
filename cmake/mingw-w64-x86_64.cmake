# Cross-builds for 64-bit Windows with Debian's mingw-w64 compilers (POSIX thread model,
# which the C++ standard library's threads and mutexes need).
# The third-party libraries come from scripts/build-windows-deps: pass their prefix as
# -DVORNEX_WINDOWS_DEPS=<prefix> or in the environment variable of the same name.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT VORNEX_WINDOWS_DEPS AND DEFINED ENV{VORNEX_WINDOWS_DEPS})
    set(VORNEX_WINDOWS_DEPS $ENV{VORNEX_WINDOWS_DEPS})
endif()
# try_compile projects read this file again and need the prefix too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VORNEX_WINDOWS_DEPS)

# Only Windows prefixes are searched: the compiler's, the libraries', and those a project
# names in CMAKE_PREFIX_PATH (an installed Vornex SDK, for a plugin built outside the tree).
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${VORNEX_WINDOWS_DEPS} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config sees only the Windows libraries, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} "${VORNEX_WINDOWS_DEPS}/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
