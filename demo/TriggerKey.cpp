#include "demo/TriggerKey.h"

#include "platform/native/Native.h"

int triggerKeyCode(char character) {
    const unsigned char c = static_cast<unsigned char>(character);
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    switch (c) {
    case ';':
        return native::VK_OEM_1;
    case '=':
        return native::VK_OEM_PLUS;
    case ',':
        return native::VK_OEM_COMMA;
    case '-':
        return native::VK_OEM_MINUS;
    case '.':
        return native::VK_OEM_PERIOD;
    case '/':
        return native::VK_OEM_2;
    case '`':
        return native::VK_OEM_3;
    case '[':
        return native::VK_OEM_4;
    case '\\':
        return native::VK_OEM_5;
    case ']':
        return native::VK_OEM_6;
    case '\'':
        return native::VK_OEM_7;
    default:
        return c;
    }
}
