// The key a `trigger` attribute presses. Key-log lines record characters, so a trigger
// names the key that types its character on a US layout: "a" presses A and "," the comma
// key. Upper-case letters and digits are key codes already and press their own key.
#pragma once

int triggerKeyCode(char character);
