#include "key_table.h"

namespace dakru::ui {

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

std::optional<KeyAction> keyAction(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return KeyAction::Roll;
    case Qt::Key_Escape: return KeyAction::Exit;
    case Qt::Key_F2: return KeyAction::NewGame;
    case Qt::Key_F3: return KeyAction::HighScores;
    case Qt::Key_S: return KeyAction::ToggleSound;
    default: break;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_5 && !modifiers.testFlag(Qt::KeypadModifier)) {
        return static_cast<KeyAction>(static_cast<int>(KeyAction::HoldDie1) + (key - Qt::Key_1));
    }
    return std::nullopt;
}

}  // namespace dakru::ui
