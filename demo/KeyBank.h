// Key banks: eleven sets of key bindings, 0..10; the `keybank` element selects one.
#pragma once

#include <cstdint>

struct ScriptNode;

constexpr int32_t kKeyBankCount = 11;

// Applies `set`, `inc` and `dec` in document order to `bank` and clamps only the result
// to 0..10.
int32_t selectKeyBank(const ScriptNode& element, int32_t bank);
