// What crosses the player's boundary. The player is built with hidden symbols and exports
// only what carries VORNEX_API, so a plugin's own classes and functions never bind to the
// player's; plugins export their entry points with VORNEX_PLUGIN_EXPORT.
#pragma once

#if defined(_WIN32)
#if defined(VORNEX_BUILDING_PLAYER)
#define VORNEX_API __declspec(dllexport)
#else
#define VORNEX_API __declspec(dllimport)
#endif
#define VORNEX_PLUGIN_EXPORT extern "C" __declspec(dllexport)
#else
#define VORNEX_API __attribute__((visibility("default")))
#define VORNEX_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
#endif
