#pragma once

#include <Qt>
#include <optional>

namespace dakru::ui {

// What a key does in the main window when it is released.
enum class KeyAction { Roll, Exit, NewGame, HighScores, ToggleSound, HoldDie1, HoldDie2, HoldDie3, HoldDie4, HoldDie5 };

// Die 1 to 5 for the hold actions, 0 for the others.
int dieOf(KeyAction action);

// Enter (either one), Space, Esc, F2, F3, S with or without Shift, and 1 to 5 of
// the main row; the keypad digits do nothing.
std::optional<KeyAction> keyAction(int key, Qt::KeyboardModifiers modifiers);

}  // namespace dakru::ui
