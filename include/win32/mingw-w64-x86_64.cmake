# Builds a Vornex plugin for 64-bit Windows with Debian's mingw-w64 compilers, in the POSIX
# thread model the player is built with:
#     cmake -S <plugin> -B build -DCMAKE_TOOLCHAIN_FILE=<sdk>/mingw-w64-x86_64.cmake \
#           -DCMAKE_PREFIX_PATH=<sdk>
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Only Windows prefixes are searched: the compiler's, and those named in CMAKE_PREFIX_PATH
# (this SDK's folder).
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
