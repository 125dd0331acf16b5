// Keyboard state and character translation, common to every back end. The state follows
// the key messages as they leave the queue; translation is that of a US layout.
#include "platform/native/Backend.h"

#include <cstring>

namespace native {
namespace {

constexpr uint8_t kDown = 0x80;
constexpr uint8_t kToggled = 0x01;

uint8_t (&keys())[256] {
    static uint8_t state[256];
    return state;
}

void setDown(uint32_t virtualKey, bool down) {
    uint8_t& entry = keys()[virtualKey & 0xFF];
    entry = down ? static_cast<uint8_t>(entry | kDown) : static_cast<uint8_t>(entry & ~kDown);
}

// The generic Shift, Ctrl and Alt codes are down while either of their sides is.
void setModifier(uint32_t generic, uint32_t left, uint32_t right, bool rightSide, bool down) {
    setDown(rightSide ? right : left, down);
    setDown(generic, (keys()[left] & kDown) || (keys()[right] & kDown));
}

bool isDown(const uint8_t state[256], uint32_t virtualKey) {
    return (state[virtualKey] & kDown) != 0;
}

// US layout: unshifted and shifted characters of the punctuation keys.
struct Punctuation {
    uint32_t virtualKey;
    char plain;
    char shifted;
};
constexpr Punctuation kPunctuation[] = {
    {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},
    {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
    {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},
    {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},     {VK_OEM_102, '\\', '|'},
    {VK_SPACE, ' ', ' '},
};
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

// The character of a key without Ctrl; 0 when the key makes none.
int translate(uint32_t virtualKey, bool shift, bool capsLock) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        const bool upper = shift != capsLock;
        return upper ? static_cast<int>(virtualKey) : static_cast<int>(virtualKey - 'A' + 'a');
    }
    if (virtualKey >= '0' && virtualKey <= '9') {
        return shift ? kShiftedDigits[virtualKey - '0'] : static_cast<int>(virtualKey);
    }
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9) {
        return static_cast<int>('0' + virtualKey - VK_NUMPAD0);
    }
    switch (virtualKey) {
    case VK_BACK:
        return 0x08;
    case VK_TAB:
        return 0x09;
    case VK_RETURN:
        return 0x0D;
    case VK_ESCAPE:
        return 0x1B;
    case VK_MULTIPLY:
        return '*';
    case VK_ADD:
        return '+';
    case VK_SUBTRACT:
        return '-';
    case VK_DECIMAL:
        return '.';
    case VK_DIVIDE:
        return '/';
    default:
        break;
    }
    for (const Punctuation& key : kPunctuation) {
        if (key.virtualKey == virtualKey) return shift ? key.shifted : key.plain;
    }
    return 0;
}

// With Ctrl held: letters give 1..26, a few punctuation keys their control characters.
int translateControl(uint32_t virtualKey, bool shift) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') return static_cast<int>(virtualKey - 'A' + 1);
    switch (virtualKey) {
    case VK_OEM_4:
        return shift ? 0 : 0x1B;
    case VK_OEM_5:
    case VK_OEM_102:
        return shift ? 0 : 0x1C;
    case VK_OEM_6:
        return shift ? 0 : 0x1D;
    case '6':
        return shift ? 0x1E : 0;
    case VK_OEM_MINUS:
        return shift ? 0x1F : 0;
    case VK_BACK:
        return 0x7F;
    case VK_RETURN:
        return 0x0A;
    case VK_SPACE:
        return ' ';
    case VK_ESCAPE:
        return 0x1B;
    default:
        return 0;
    }
}

} // namespace

namespace detail {

void updateKeyboardState(const Message& message) {
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    const bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
    if (!down && !up) return;
    const uint32_t virtualKey = static_cast<uint32_t>(message.wParam) & 0xFF;
    const uintptr_t lParam = static_cast<uintptr_t>(message.lParam);
    const bool extended = (lParam & (1u << 24)) != 0;
    const bool repeat = (lParam & (1u << 30)) != 0;
    switch (virtualKey) {
    case VK_SHIFT:
        setModifier(VK_SHIFT, VK_LSHIFT, VK_RSHIFT,
                    ((lParam >> 16) & 0xFF) == detail::kRightShiftScanCode, down);
        return;
    case VK_CONTROL:
        setModifier(VK_CONTROL, VK_LCONTROL, VK_RCONTROL, extended, down);
        return;
    case VK_MENU:
        setModifier(VK_MENU, VK_LMENU, VK_RMENU, extended, down);
        return;
    case VK_CAPITAL:
    case VK_NUMLOCK:
    case VK_SCROLL:
        if (down && !repeat) keys()[virtualKey] ^= kToggled;
        break;
    default:
        break;
    }
    setDown(virtualKey, down);
}

void setKeyToggled(uint32_t virtualKey, bool toggled) {
    uint8_t& entry = keys()[virtualKey & 0xFF];
    entry =
        toggled ? static_cast<uint8_t>(entry | kToggled) : static_cast<uint8_t>(entry & ~kToggled);
}

void clearKeyboardState() {
    std::memset(keys(), 0, sizeof(keys()));
}

} // namespace detail

bool getKeyboardState(uint8_t state[256]) {
    if (!state) return false;
    std::memcpy(state, keys(), sizeof(keys()));
    return true;
}

int16_t getKeyState(uint32_t virtualKey) {
    const uint8_t entry = keys()[virtualKey & 0xFF];
    // The desktop reports a held key as a negative value and the toggle in bit 0.
    return static_cast<int16_t>(((entry & kDown) ? 0xFF80 : 0) | (entry & kToggled));
}

int32_t toAscii(uint32_t virtualKey, uint32_t, const uint8_t state[256], uint16_t* chars,
                uint32_t) {
    if (!state || !chars || virtualKey > 0xFF) return 0;
    const bool shift =
        isDown(state, VK_SHIFT) || isDown(state, VK_LSHIFT) || isDown(state, VK_RSHIFT);
    const bool control =
        isDown(state, VK_CONTROL) || isDown(state, VK_LCONTROL) || isDown(state, VK_RCONTROL);
    const bool alt = isDown(state, VK_MENU) || isDown(state, VK_LMENU) || isDown(state, VK_RMENU);
    const bool capsLock = (state[VK_CAPITAL] & kToggled) != 0;
    int character = 0;
    if (control && alt) {
        // Ctrl+Alt is AltGr, which a US layout gives no characters.
        return 0;
    } else if (control) {
        character = translateControl(virtualKey, shift);
    } else {
        character = translate(virtualKey, shift, capsLock);
    }
    if (character == 0) return 0;
    chars[0] = static_cast<uint16_t>(character);
    return 1;
}

} // namespace native
