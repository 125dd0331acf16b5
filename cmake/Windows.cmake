# The Windows build's differences, included by the top-level CMakeLists.txt when
# cross-building with cmake/mingw-w64-x86_64.cmake.

# Everything is linked statically (the C and C++ runtimes, the thread library and the
# third-party libraries), so the player and its plugins need no DLL beside them. Release
# builds are stripped for the zip.
add_link_options(-static $<$<CONFIG:Release>:-s>)

# The GL headers of mingw-w64 include windows.h unless their linkage macros are already
# defined; its macros (VK_ESCAPE, WM_SIZE, ...) would hide the native layer's constants
# of the same names. Only the win32 back ends include windows.h themselves. glext.h's
# prototypes give the core functions that gl.h 1.1 lacks their types.
add_compile_definitions("WINGDIAPI=__declspec(dllimport)" APIENTRY=__stdcall
                        CALLBACK=__stdcall GL_GLEXT_PROTOTYPES)

# pkg-config packages as imported targets of their static link lines (with the
# libraries they need in turn), under the names the Linux build uses.
function(vornex_static_package name)
    pkg_check_modules(${name} REQUIRED ${ARGN})
    add_library(PkgConfig::${name} INTERFACE IMPORTED)
    target_include_directories(PkgConfig::${name} INTERFACE ${${name}_STATIC_INCLUDE_DIRS})
    target_compile_options(PkgConfig::${name} INTERFACE ${${name}_STATIC_CFLAGS_OTHER})
    target_link_libraries(PkgConfig::${name} INTERFACE ${${name}_STATIC_LDFLAGS})
    # The prefix holds every library's headers and files, as /usr does on Linux: a header
    # included by a target that does not link its library (the tests' PNG writer) and a
    # library that a package file names without its folder (LAME's, which has no package
    # file of its own) are found there.
    target_include_directories(PkgConfig::${name} INTERFACE ${VORNEX_WINDOWS_DEPS}/include)
    target_link_directories(PkgConfig::${name} INTERFACE ${VORNEX_WINDOWS_DEPS}/lib)
endfunction()

vornex_static_package(PNG libpng)
vornex_static_package(OPENMPT libopenmpt)
vornex_static_package(SNDFILE sndfile)
# FLAC and Opus build themselves with _FORTIFY_SOURCE, whose checks live in libssp.
target_link_libraries(PkgConfig::SNDFILE INTERFACE ssp)
add_library(PkgConfig::GLU INTERFACE IMPORTED)
target_link_libraries(PkgConfig::GLU INTERFACE glu32)
vornex_static_package(FREETYPE freetype2)
vornex_static_package(HARFBUZZ harfbuzz)
vornex_static_package(ASSIMP assimp)
vornex_static_package(KISSFFT kissfft-float)
vornex_static_package(FFMPEG libavformat libavcodec libswscale libavutil)

# A prefix whose libraries do not link together (a partial or stale cache) fails here, once
# per prefix, rather than in whichever target links the broken library first.
string(MD5 prefix_key "${VORNEX_WINDOWS_DEPS}")
set(link_check VORNEX_WINDOWS_LIBRARIES_LINK_${prefix_key})
if(NOT ${link_check})
    message(STATUS "Linking the libraries of ${VORNEX_WINDOWS_DEPS}")
    try_compile(${link_check} ${CMAKE_BINARY_DIR}/windows-libraries-check
                SOURCES ${CMAKE_SOURCE_DIR}/cmake/WindowsLibrariesCheck.cpp
                LINK_LIBRARIES PkgConfig::PNG PkgConfig::OPENMPT PkgConfig::SNDFILE
                               PkgConfig::FREETYPE PkgConfig::HARFBUZZ PkgConfig::ASSIMP
                               PkgConfig::KISSFFT PkgConfig::FFMPEG
                CXX_STANDARD 17
                OUTPUT_VARIABLE link_output)
    if(NOT ${link_check})
        message(FATAL_ERROR "The libraries in ${VORNEX_WINDOWS_DEPS} do not link; build them "
                            "again with scripts/build-windows-deps:\n${link_output}")
    endif()
endif()

# The native layer on Windows: the player's back end is the real Win32/WGL calls, without
# the common part that emulates them for the other back ends. The unit tests' fake back
# end keeps that common part, with Windows' own dynamic libraries and file notifications.
function(vornex_windows_native_layers)
    vornex_layer(vornex_native_win32 platform/native SOURCES platform/native/win32
                 PRIVATE user32 gdi32 winmm OpenGL::GL)
    # The import reader is portable (tested and fuzzed on Linux); win32 names missing DLLs.
    target_sources(vornex_native_win32 PRIVATE ${CMAKE_SOURCE_DIR}/platform/native/PEImportList.cpp)
    vornex_layer(vornex_native_fake platform/native SOURCES platform/native/fake)
    file(GLOB common CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/native/*.cpp)
    list(FILTER common EXCLUDE REGEX "/DynamicLibrary\\.cpp$")
    target_sources(vornex_native_fake PRIVATE ${common}
                   ${CMAKE_SOURCE_DIR}/platform/native/win32/Win32Library.cpp
                   ${CMAKE_SOURCE_DIR}/platform/native/win32/Win32FileWatch.cpp)
endfunction()
