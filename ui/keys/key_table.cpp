#include "key_table.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <array>

namespace dakru::ui {
namespace {

constexpr quint32 kWindowsDigit1 = 49;  // the virtual keys of 1 to 5 are 49 to 53
constexpr quint32 kXkbDigit1 = 10;      // the xkb keycodes of 1 to 5 are 10 to 14

// Shift+1 to Shift+5 on a US keyboard, where no native code tells the key.
constexpr std::array<int, 5> kShiftedDigits{Qt::Key_Exclam, Qt::Key_At, Qt::Key_NumberSign, Qt::Key_Dollar,
                                            Qt::Key_Percent};

KeyAction holdDie(int die)
{
    return static_cast<KeyAction>(static_cast<int>(KeyAction::HoldDie1) + (die - 1));
}

// The die of a digit key of the main row, 0 for any other key; nullopt when
// the platform gave no native code to tell.
std::optional<int> nativeDie(const KeyStroke& stroke, NativeKeys native)
{
    const auto dieFrom = [](quint32 code, quint32 first) -> int {
        return code >= first && code < first + 5 ? static_cast<int>(code - first) + 1 : 0;
    };
    switch (native) {
    case NativeKeys::WindowsVirtualKey:
        if (stroke.nativeVirtualKey != 0)
            return dieFrom(stroke.nativeVirtualKey, kWindowsDigit1);
        break;
    case NativeKeys::XkbKeycode:
        if (stroke.nativeScanCode != 0)
            return dieFrom(stroke.nativeScanCode, kXkbDigit1);
        break;
    case NativeKeys::None: break;
    }
    return std::nullopt;
}

int symbolDie(const KeyStroke& stroke)
{
    if (stroke.modifiers.testFlag(Qt::KeypadModifier))
        return 0;
    if (stroke.key >= Qt::Key_1 && stroke.key <= Qt::Key_5)
        return stroke.key - Qt::Key_1 + 1;
    if (stroke.modifiers.testFlag(Qt::ShiftModifier)) {
        for (std::size_t i = 0; i < kShiftedDigits.size(); ++i) {
            if (stroke.key == kShiftedDigits[i])
                return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

}  // namespace

int dieOf(KeyAction action)
{
    switch (action) {
    case KeyAction::HoldDie1: return 1;
    case KeyAction::HoldDie2: return 2;
    case KeyAction::HoldDie3: return 3;
    case KeyAction::HoldDie4: return 4;
    case KeyAction::HoldDie5: return 5;
    default: return 0;
    }
}

NativeKeys nativeKeysOf(QStringView platformName)
{
    if (platformName == u"windows" || platformName == u"direct2d")
        return NativeKeys::WindowsVirtualKey;
    if (platformName == u"xcb" || platformName.startsWith(u"wayland"))
        return NativeKeys::XkbKeycode;
    return NativeKeys::None;
}

std::optional<KeyAction> keyAction(const KeyStroke& stroke, NativeKeys native)
{
    if (const int die = nativeDie(stroke, native).value_or(symbolDie(stroke)); die != 0)
        return holdDie(die);
    switch (stroke.key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return KeyAction::Roll;
    case Qt::Key_Escape: return KeyAction::Exit;
    case Qt::Key_F2: return KeyAction::NewGame;
    case Qt::Key_F3: return KeyAction::HighScores;
    case Qt::Key_F4: return KeyAction::Statistics;
    case Qt::Key_F5: return KeyAction::Review;
    case Qt::Key_F6: return KeyAction::SetUp;
    case Qt::Key_F7: return KeyAction::Standings;
    case Qt::Key_S: return KeyAction::ToggleSound;
    case Qt::Key_F1: return KeyAction::About;
    case Qt::Key_H: return KeyAction::Hint;
    default: return std::nullopt;
    }
}

std::optional<KeyAction> keyAction(const QKeyEvent& event)
{
    static const NativeKeys native = nativeKeysOf(QGuiApplication::platformName());
    return keyAction({event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey()}, native);
}

}  // namespace dakru::ui
