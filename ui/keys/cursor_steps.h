#pragma once

#include <QHash>
#include <Qt>
#include <functional>
#include <optional>

#include "sheet.h"

class QKeyEvent;

namespace dakru::ui {

// One of the 56 writable cells.
struct CellPlace {
    Column column;
    int row;  // 1 to 14
    bool operator==(const CellPlace&) const = default;
};

// How a key moves the keyboard cursor on the sheet.
enum class CursorStep { Left, Right, Up, Down, Next, Previous };

// The arrows (also those of the keypad), Tab, and Shift+Tab (which arrives as Backtab).
std::optional<CursorStep> cursorStep(int key, Qt::KeyboardModifiers modifiers);

// The cursor keys held down in a window. A release steps the cursor only after
// a press the window saw, and as that press meant it: Shift+Tab is pressed as
// Backtab but released as plain Tab when Shift is let go first.
class CursorKeys {
public:
    void pressed(const QKeyEvent& event);
    std::optional<CursorStep> released(const QKeyEvent& event);
    void clear() { down_.clear(); }

private:
    QHash<int, CursorStep> down_;  // by key, Backtab counted as Tab
};

// Return or the keypad's Enter: writes the cell under a shown cursor.
bool isEnterKey(int key);

using WritableCell = std::function<bool(CellPlace)>;

// Where the cursor goes from `from` among the writable cells. From nowhere it
// goes to the first writable cell in reading order (Shift+Tab: the last). An
// arrow goes to the nearest writable cell on that side, keeping to the same
// row (column) when it can; with none there it stays. Tab and Shift+Tab go round the
// writable cells in reading order. Nothing when no cell is writable.
std::optional<CellPlace> stepCursor(std::optional<CellPlace> from, CursorStep step, const WritableCell& writable);

}  // namespace dakru::ui
