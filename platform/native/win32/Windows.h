// windows.h for the win32 back end. The rest of the player is compiled with the GL headers'
// linkage macros predefined (cmake/Windows.cmake), so that those headers do not pull in
// windows.h; here they are dropped again and windows.h defines its own.
#pragma once

#undef APIENTRY
#undef CALLBACK
#undef WINGDIAPI
#include <windows.h>
