#pragma once

#include <array>

#include "sheet.h"

namespace dakru::ui {

class ClickLabel;

// The main window's labels that show the game: the 56 cells, the sums, totals
// and score, the two displays, the dice and the hot spots. The window owns
// them as its children; what reads the game out shares them.
struct SheetLabels {
    std::array<std::array<ClickLabel*, kRowCount>, kColumnCount> cells{};
    std::array<std::array<ClickLabel*, kColumnCount>, kSectionCount> sums{};
    std::array<ClickLabel*, kSectionCount> totals{};
    ClickLabel* grandTotal = nullptr;
    ClickLabel* zvanje = nullptr;
    ClickLabel* rollsLeft = nullptr;
    std::array<ClickLabel*, kDiceCount> dice{};
    std::array<ClickLabel*, 5> hotSpots{};
};

}  // namespace dakru::ui
