#include <gtest/gtest.h>

#include "key_table.h"

namespace dakru::ui {
namespace {

constexpr auto None = std::optional<KeyAction>();

TEST(KeyTable, PlatformsAndTheirNativeCodes)
{
    EXPECT_EQ(nativeKeysOf(u"windows"), NativeKeys::WindowsVirtualKey);
    EXPECT_EQ(nativeKeysOf(u"xcb"), NativeKeys::XkbKeycode);
    EXPECT_EQ(nativeKeysOf(u"wayland-egl"), NativeKeys::XkbKeycode);
    EXPECT_EQ(nativeKeysOf(u"offscreen"), NativeKeys::None);
    EXPECT_EQ(nativeKeysOf(u"cocoa"), NativeKeys::None);
}

// The digit keys of the main row hold dice whatever Shift and the layout make
// of them; the keypad and the neighbouring keys do not.
TEST(KeyTable, DigitKeysOfTheMainRowWithAndWithoutShift)
{
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const struct {
        const char* what;
        NativeKeys native;
        KeyStroke stroke;
        std::optional<KeyAction> action;
    } cases[] = {
        // Windows: the virtual key, 49 to 53; the scan code is another numbering.
        {"Windows 1", NativeKeys::WindowsVirtualKey, {Qt::Key_1, {}, 2, 49}, KeyAction::HoldDie1},
        {"Windows Shift+1", NativeKeys::WindowsVirtualKey, {Qt::Key_Exclam, shift, 2, 49}, KeyAction::HoldDie1},
        {"Windows French 2", NativeKeys::WindowsVirtualKey, {Qt::Key_Eacute, {}, 3, 50}, KeyAction::HoldDie2},
        {"Windows Shift+5", NativeKeys::WindowsVirtualKey, {Qt::Key_Percent, shift, 6, 53}, KeyAction::HoldDie5},
        {"Windows 6", NativeKeys::WindowsVirtualKey, {Qt::Key_6, {}, 7, 54}, None},
        {"Windows 9, scan code 10", NativeKeys::WindowsVirtualKey, {Qt::Key_9, {}, 10, 57}, None},
        {"Windows keypad 3", NativeKeys::WindowsVirtualKey, {Qt::Key_3, keypad, 81, 99}, None},
        {"Windows F3", NativeKeys::WindowsVirtualKey, {Qt::Key_F3, {}, 61, 114}, KeyAction::HighScores},
        {"Windows F4", NativeKeys::WindowsVirtualKey, {Qt::Key_F4, {}, 62, 115}, KeyAction::Statistics},
        // X11 and Wayland: the xkb keycode, 10 to 14; the virtual key is the symbol.
        {"X11 1", NativeKeys::XkbKeycode, {Qt::Key_1, {}, 10, 0x31}, KeyAction::HoldDie1},
        {"X11 Shift+3", NativeKeys::XkbKeycode, {Qt::Key_NumberSign, shift, 12, 0x23}, KeyAction::HoldDie3},
        {"X11 French 1", NativeKeys::XkbKeycode, {Qt::Key_Ampersand, {}, 10, 0x26}, KeyAction::HoldDie1},
        {"X11 French Shift+4", NativeKeys::XkbKeycode, {Qt::Key_4, shift, 13, 0x34}, KeyAction::HoldDie4},
        {"X11 Shift+5", NativeKeys::XkbKeycode, {Qt::Key_Percent, shift, 14, 0x25}, KeyAction::HoldDie5},
        {"X11 6", NativeKeys::XkbKeycode, {Qt::Key_6, {}, 15, 0x36}, None},
        {"X11 keypad 1", NativeKeys::XkbKeycode, {Qt::Key_1, keypad, 87, 0xFFB1}, None},
        {"X11 Shift+S", NativeKeys::XkbKeycode, {Qt::Key_S, shift, 39, 0x53}, KeyAction::ToggleSound},
        {"X11 without codes", NativeKeys::XkbKeycode, {Qt::Key_2, {}, 0, 0}, KeyAction::HoldDie2},
        // No native codes: the digits, and with Shift the symbols above them.
        {"2", NativeKeys::None, {Qt::Key_2, {}}, KeyAction::HoldDie2},
        {"Shift+2", NativeKeys::None, {Qt::Key_At, shift}, KeyAction::HoldDie2},
        {"Shift+2 read as 2", NativeKeys::None, {Qt::Key_2, shift}, KeyAction::HoldDie2},
        {"Shift+4", NativeKeys::None, {Qt::Key_Dollar, shift}, KeyAction::HoldDie4},
        {"! without Shift", NativeKeys::None, {Qt::Key_Exclam, {}}, None},
        {"keypad 5", NativeKeys::None, {Qt::Key_5, keypad}, None},
        {"Shift+6", NativeKeys::None, {Qt::Key_AsciiCircum, shift}, None},
        {"keypad Enter", NativeKeys::None, {Qt::Key_Enter, keypad}, KeyAction::Roll},
        {"F1", NativeKeys::None, {Qt::Key_F1, {}}, KeyAction::About},
        {"F5", NativeKeys::None, {Qt::Key_F5, {}}, KeyAction::Review},
        {"Windows F5", NativeKeys::WindowsVirtualKey, {Qt::Key_F5, {}, 63, 116}, KeyAction::Review},
        // Undo is the platform's shortcut, taken on the press; its release means nothing here.
        {"Ctrl+Z released", NativeKeys::None, {Qt::Key_Z, Qt::ControlModifier}, None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(keyAction(c.stroke, c.native), c.action) << c.what;
    }
}

}  // namespace
}  // namespace dakru::ui
