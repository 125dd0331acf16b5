// Cursor and keyboard on the win32 back end: the real calls, so character translation
// follows the user's own keyboard layout.
#include "platform/native/Native.h"

#include "platform/native/win32/Windows.h"

namespace native {

bool getCursorPos(Point* point) {
    POINT position{};
    if (!point || !GetCursorPos(&position)) return false;
    *point = Point{position.x, position.y};
    return true;
}

bool setCursorPos(int32_t x, int32_t y) {
    return SetCursorPos(x, y) != 0;
}

int32_t showCursor(bool show) {
    return ShowCursor(show);
}

bool getKeyboardState(uint8_t state[256]) {
    return GetKeyboardState(state) != 0;
}

int16_t getKeyState(uint32_t virtualKey) {
    return GetKeyState(static_cast<int>(virtualKey));
}

int32_t toAscii(uint32_t virtualKey, uint32_t scanCode, const uint8_t state[256], uint16_t* chars,
                uint32_t flags) {
    WORD translated[2] = {0, 0};
    const int count = ToAscii(virtualKey, scanCode, state, translated, flags);
    // A dead key (negative) or a pair of characters: the player takes one character.
    if (count <= 0) return 0;
    if (chars) chars[0] = translated[0];
    return 1;
}

} // namespace native
