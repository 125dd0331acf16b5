#include "platform/native/fake/FakeNative.h"

#include <gtest/gtest.h>
#include <string>

using namespace native;

namespace {

// The characters a key gives with the given keys held (and Caps Lock toggled or not).
std::string typed(uint32_t virtualKey, std::initializer_list<uint32_t> held = {},
                  bool capsLock = false) {
    uint8_t state[256] = {};
    for (uint32_t key : held) state[key] = 0x80;
    if (capsLock) state[VK_CAPITAL] = 0x01;
    uint16_t chars[2] = {};
    const int32_t count = toAscii(virtualKey, 0, state, chars, 0);
    return count == 1 ? std::string(1, static_cast<char>(chars[0])) : std::string();
}

void press(uint32_t virtualKey, uint32_t lParam = 1) {
    postMessage(nullptr, WM_KEYDOWN, virtualKey, lParam);
}
void release(uint32_t virtualKey, uint32_t lParam = 0xC0000001) {
    postMessage(nullptr, WM_KEYUP, virtualKey, static_cast<intptr_t>(static_cast<int32_t>(lParam)));
}
void takeAll() {
    Message message;
    while (peekMessage(&message, nullptr, 0, 0, PM_REMOVE)) translateMessage(&message);
}

class NativeKeyboard : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }
    void TearDown() override { fake::reset(); }
};

} // namespace

TEST_F(NativeKeyboard, LettersFollowShiftAndCapsLock) {
    EXPECT_EQ(typed('A'), "a");
    EXPECT_EQ(typed('A', {VK_SHIFT}), "A");
    EXPECT_EQ(typed('A', {}, true), "A");
    EXPECT_EQ(typed('A', {VK_SHIFT}, true), "a");
    // Caps Lock leaves digits and punctuation alone.
    EXPECT_EQ(typed('1', {}, true), "1");
    EXPECT_EQ(typed(VK_OEM_1, {}, true), ";");
}

TEST_F(NativeKeyboard, UsLayoutDigitsAndPunctuation) {
    const std::string plain = "1234567890";
    const std::string shifted = "!@#$%^&*()";
    for (size_t index = 0; index < plain.size(); ++index) {
        EXPECT_EQ(typed(static_cast<uint32_t>(plain[index])), plain.substr(index, 1));
        EXPECT_EQ(typed(static_cast<uint32_t>(plain[index]), {VK_SHIFT}), shifted.substr(index, 1));
    }
    const uint32_t keys[] = {VK_OEM_1,      VK_OEM_PLUS, VK_OEM_COMMA, VK_OEM_MINUS,
                             VK_OEM_PERIOD, VK_OEM_2,    VK_OEM_3,     VK_OEM_4,
                             VK_OEM_5,      VK_OEM_6,    VK_OEM_7};
    std::string unshiftedRow;
    std::string shiftedRow;
    for (uint32_t key : keys) {
        unshiftedRow += typed(key);
        shiftedRow += typed(key, {VK_LSHIFT});
    }
    EXPECT_EQ(unshiftedRow, ";=,-./`[\\]'");
    EXPECT_EQ(shiftedRow, ":+<_>?~{|}\"");
}

TEST_F(NativeKeyboard, KeypadControlAndKeysWithoutCharacters) {
    EXPECT_EQ(typed(VK_NUMPAD1), "1");
    EXPECT_EQ(typed(VK_MULTIPLY), "*");
    EXPECT_EQ(typed(VK_DECIMAL), ".");
    EXPECT_EQ(typed(VK_SPACE), " ");
    EXPECT_EQ(typed(VK_ESCAPE), "\x1b");
    EXPECT_EQ(typed(VK_RETURN), "\r");
    EXPECT_EQ(typed('C', {VK_CONTROL}), "\x03");
    EXPECT_EQ(typed('C', {VK_CONTROL, VK_MENU}), "") << "AltGr gives nothing on a US layout";
    EXPECT_EQ(typed('C', {VK_MENU}), "c");
    EXPECT_EQ(typed(VK_F1), "");
    EXPECT_EQ(typed(VK_SHIFT), "");
    EXPECT_EQ(typed(VK_LEFT), "");
    EXPECT_EQ(typed(0x1234), "");
}

TEST_F(NativeKeyboard, StateFollowsKeyMessagesAsTheyLeaveTheQueue) {
    press(VK_SHIFT, 0x002A0001);
    EXPECT_GE(getKeyState(VK_SHIFT), 0) << "not before the message is taken";
    takeAll();
    EXPECT_LT(getKeyState(VK_SHIFT), 0);
    EXPECT_LT(getKeyState(VK_LSHIFT), 0);
    EXPECT_GE(getKeyState(VK_RSHIFT), 0);
    release(VK_SHIFT, 0xC02A0001);
    takeAll();
    EXPECT_GE(getKeyState(VK_SHIFT), 0);
    EXPECT_GE(getKeyState(VK_LSHIFT), 0);
}

TEST_F(NativeKeyboard, CapsLockTogglesOnPressButNotOnRepeat) {
    press(VK_CAPITAL);
    press(VK_CAPITAL, 0x40000001); // auto-repeat
    release(VK_CAPITAL);
    takeAll();
    EXPECT_EQ(getKeyState(VK_CAPITAL) & 1, 1);
    uint8_t state[256];
    ASSERT_TRUE(getKeyboardState(state));
    EXPECT_EQ(typed('Q', {}, (state[VK_CAPITAL] & 1) != 0), "Q");
    press(VK_CAPITAL);
    release(VK_CAPITAL);
    takeAll();
    EXPECT_EQ(getKeyState(VK_CAPITAL) & 1, 0);
}

TEST_F(NativeKeyboard, TranslatePostsTheCharacterOfAPress) {
    press(VK_SHIFT, 0x00360001);
    press('Z');
    release('Z');
    Message message;
    std::string characters;
    while (peekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_CHAR) characters += static_cast<char>(message.wParam);
        translateMessage(&message);
    }
    EXPECT_EQ(characters, "Z");
    EXPECT_LT(getKeyState(VK_RSHIFT), 0);
}
