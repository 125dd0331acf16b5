// SDL keys to virtual-key codes. The key code (the layout's meaning) decides first; keys
// whose code has no virtual key (letters of other layouts) fall back to their position
// on a US keyboard.
#include "platform/native/sdl/SdlVideo.h"

namespace native::sdl {
namespace {

struct KeyPair {
    SDL_Keycode key;
    uint32_t virtualKey;
};

constexpr KeyPair kKeys[] = {
    {SDLK_BACKSPACE, VK_BACK},
    {SDLK_TAB, VK_TAB},
    {SDLK_CLEAR, VK_CLEAR},
    {SDLK_RETURN, VK_RETURN},
    {SDLK_PAUSE, VK_PAUSE},
    {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_SPACE, VK_SPACE},
    {SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_END, VK_END},
    {SDLK_HOME, VK_HOME},
    {SDLK_LEFT, VK_LEFT},
    {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},
    {SDLK_SELECT, VK_SELECT},
    {SDLK_EXECUTE, VK_EXECUTE},
    {SDLK_PRINTSCREEN, VK_SNAPSHOT},
    {SDLK_INSERT, VK_INSERT},
    {SDLK_DELETE, VK_DELETE},
    {SDLK_HELP, VK_HELP},
    {SDLK_LGUI, VK_LWIN},
    {SDLK_RGUI, VK_RWIN},
    {SDLK_APPLICATION, VK_APPS},
    {SDLK_SLEEP, VK_SLEEP},
    {SDLK_KP_MULTIPLY, VK_MULTIPLY},
    {SDLK_KP_PLUS, VK_ADD},
    {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_DIVIDE, VK_DIVIDE},
    {SDLK_KP_ENTER, VK_RETURN},
    {SDLK_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDLK_SCROLLLOCK, VK_SCROLL},
    {SDLK_CAPSLOCK, VK_CAPITAL},
    {SDLK_LSHIFT, VK_SHIFT},
    {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL},
    {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LALT, VK_MENU},
    {SDLK_RALT, VK_MENU},
    {SDLK_SEMICOLON, VK_OEM_1},
    {SDLK_EQUALS, VK_OEM_PLUS},
    {SDLK_COMMA, VK_OEM_COMMA},
    {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD},
    {SDLK_SLASH, VK_OEM_2},
    {SDLK_BACKQUOTE, VK_OEM_3},
    {SDLK_LEFTBRACKET, VK_OEM_4},
    {SDLK_BACKSLASH, VK_OEM_5},
    {SDLK_RIGHTBRACKET, VK_OEM_6},
    {SDLK_QUOTE, VK_OEM_7},
};

// The keypad's digit keys and its point: digits with Num Lock, navigation without.
struct KeypadKey {
    SDL_Keycode key;
    uint32_t withNumLock;
    uint32_t withoutNumLock;
};

constexpr KeypadKey kKeypad[] = {
    {SDLK_KP_0, VK_NUMPAD0, VK_INSERT},      {SDLK_KP_1, VK_NUMPAD1, VK_END},
    {SDLK_KP_2, VK_NUMPAD2, VK_DOWN},        {SDLK_KP_3, VK_NUMPAD3, VK_NEXT},
    {SDLK_KP_4, VK_NUMPAD4, VK_LEFT},        {SDLK_KP_5, VK_NUMPAD5, VK_CLEAR},
    {SDLK_KP_6, VK_NUMPAD6, VK_RIGHT},       {SDLK_KP_7, VK_NUMPAD7, VK_HOME},
    {SDLK_KP_8, VK_NUMPAD8, VK_UP},          {SDLK_KP_9, VK_NUMPAD9, VK_PRIOR},
    {SDLK_KP_PERIOD, VK_DECIMAL, VK_DELETE},
};

struct ScancodePair {
    SDL_Scancode scancode;
    uint32_t virtualKey;
};

// US positions of the keys that name characters, for layouts whose keys SDL reports with
// codes outside ASCII.
constexpr ScancodePair kUsPositions[] = {
    {SDL_SCANCODE_SEMICOLON, VK_OEM_1},   {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA},   {SDL_SCANCODE_MINUS, VK_OEM_MINUS},
    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD}, {SDL_SCANCODE_SLASH, VK_OEM_2},
    {SDL_SCANCODE_GRAVE, VK_OEM_3},       {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5},   {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_7},  {SDL_SCANCODE_NONUSBACKSLASH, VK_OEM_102},
};

uint32_t byScancode(SDL_Scancode scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        return 'A' + static_cast<uint32_t>(scancode - SDL_SCANCODE_A);
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        return '1' + static_cast<uint32_t>(scancode - SDL_SCANCODE_1);
    }
    if (scancode == SDL_SCANCODE_0) return '0';
    for (const ScancodePair& pair : kUsPositions) {
        if (pair.scancode == scancode) return pair.virtualKey;
    }
    return 0;
}

} // namespace

uint32_t virtualKeyFor(const SDL_Keysym& keysym) {
    const SDL_Keycode key = keysym.sym;
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + static_cast<uint32_t>(key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + static_cast<uint32_t>(key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + static_cast<uint32_t>(key - SDLK_F1);
    if (key >= SDLK_F13 && key <= SDLK_F24) {
        return VK_F1 + 12 + static_cast<uint32_t>(key - SDLK_F13);
    }
    for (const KeypadKey& keypad : kKeypad) {
        if (keypad.key == key) {
            return (keysym.mod & KMOD_NUM) ? keypad.withNumLock : keypad.withoutNumLock;
        }
    }
    for (const KeyPair& pair : kKeys) {
        if (pair.key == key) return pair.virtualKey;
    }
    return byScancode(keysym.scancode);
}

} // namespace native::sdl
