#pragma once

#include <array>
#include <optional>
#include <string>

#include "cursor_steps.h"
#include "engine.h"

class QWidget;

namespace dakru::ui {

class ClickLabel;

// Keeps what a screen reader hears of the main window in step with the game:
// the readings of the 56 cells, the sums, totals and score, the dice, the two
// displays and the hot spots, and the focus of the keyboard cursor. It finds
// the labels by their names, so it is made once they are built.
class SheetAccess {
public:
    explicit SheetAccess(QWidget& form);

    // After every event and tick, from what the engine holds and the displays show.
    void follow(const Engine& engine, std::optional<CellPlace> cursor);

    // A die's picture has changed; the die as it was drawn.
    void showDie(int n, const Die& die);

private:
    // What the readings were made from; they are made again only when it changes,
    // so that an idle tick builds no text.
    struct Source {
        std::array<std::array<Cell, kRowCount>, kColumnCount> cells{};
        std::array<std::array<std::optional<int>, kColumnCount>, kSectionCount> sums{};
        std::array<std::optional<int>, kSectionCount> totals{};
        std::optional<int> grandTotal;
        std::string rollsLeft;
        std::string zvanje;
        int called = 0;
    };
    static Source sourceOf(const Engine& engine);
    static bool same(const Source& a, const Source& b);
    void read(const Engine& engine, int called);

    ClickLabel* cell(CellPlace place) const { return cells_[index(place.column)][place.row - 1]; }

    std::array<std::array<ClickLabel*, kRowCount>, kColumnCount> cells_{};
    std::array<std::array<ClickLabel*, kColumnCount>, kSectionCount> sums_{};
    std::array<ClickLabel*, kSectionCount> totals_{};
    ClickLabel* grandTotal_ = nullptr;
    ClickLabel* rollsLeft_ = nullptr;
    ClickLabel* zvanje_ = nullptr;
    std::array<ClickLabel*, kDiceCount> dice_{};
    std::optional<CellPlace> cursor_;
    std::optional<Source> read_;
};

}  // namespace dakru::ui
