#pragma once

#include <QStringView>
#include <Qt>
#include <optional>

class QKeyEvent;

namespace dakru::ui {

// What a key does in the main window when it is released.
enum class KeyAction {
    Roll,
    Exit,
    NewGame,
    HighScores,
    ToggleSound,
    HoldDie1,
    HoldDie2,
    HoldDie3,
    HoldDie4,
    HoldDie5,
    About,
    Hint,
    Statistics,
    SetUp,      // who plays the next game: one player or a table
    Standings,  // the standings of a game at a table
    Review,     // the review of the last finished game
};

// Die 1 to 5 for the hold actions, 0 for the others.
int dieOf(KeyAction action);

// What the native codes of a key event name on a windowing system: on Windows
// the virtual key, which is 49 to 53 for the digit keys of the main row
// whatever the layout and Shift; under X11 and Wayland the scan code, which is
// the xkb keycode 10 to 14 for those keys. Elsewhere they are not used.
enum class NativeKeys { None, WindowsVirtualKey, XkbKeycode };

NativeKeys nativeKeysOf(QStringView platformName);

// A key as the window gets it; a native code of 0 is one the platform did not give.
struct KeyStroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    quint32 nativeScanCode = 0;
    quint32 nativeVirtualKey = 0;
};

// Enter (either one), Space, Esc, F2, F3, S with or without Shift, and the
// digit keys 1 to 5 of the main row with or without Shift, found by their
// native codes where the platform gives them, else by the digits and, with
// Shift, the symbols above them on a US keyboard. The keypad digits do nothing.
// F1 shows the About window, F4 the statistics, F5 the review of the last
// finished game, F6 the setup of the next game's players, F7 the standings at
// a table; H shows the best move, and H again on the same position makes it.
// (Undo is the platform's own shortcut and acts on the press, whatever order
// its keys are let go in.)
std::optional<KeyAction> keyAction(const KeyStroke& stroke, NativeKeys native);

// The same for a key event of the platform the program runs on.
std::optional<KeyAction> keyAction(const QKeyEvent& event);

}  // namespace dakru::ui
