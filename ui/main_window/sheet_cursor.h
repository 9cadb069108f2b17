#pragma once

#include <QWidget>
#include <optional>

#include "cursor_steps.h"
#include "engine.h"

namespace dakru::ui {

// The keyboard cursor on the score sheet: a square red frame around one yellow
// cell, unlike both the yellow fill and the rounded menu frames. It is hidden
// until an arrow or Tab asks for it, and leaves with every roll, write or new
// game. It takes no mouse input: the cell beneath it does.
class SheetCursor : public QWidget {
    Q_OBJECT

public:
    explicit SheetCursor(QWidget* parent);

    // The cell under the cursor while it is shown.
    std::optional<CellPlace> place() const { return place_; }

    // Shows or moves the cursor among the cells the engine marks as writable.
    void step(CursorStep step, const Engine& engine);

    // After any change of the game: the cursor leaves when the roll count has
    // changed (a roll, a write, a new game) or its cell is no longer yellow.
    void follow(const Engine& engine);

    // Before a write or a call: where the cursor is, so that an undo of it
    // can bring the cursor back.
    void rememberForUndo() { beforeChange_ = place_; }
    // After an undo: back where it was before the write or call, if it was
    // shown then and its cell is yellow again.
    void restoreAfterUndo(const Engine& engine);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void moveTo(std::optional<CellPlace> place);

    std::optional<CellPlace> place_;
    std::optional<int> rollCount_;  // when the cursor was last placed
    std::optional<CellPlace> beforeChange_;
};

}  // namespace dakru::ui
