#pragma once

#include <array>
#include <optional>
#include <string>

#include "cursor_steps.h"
#include "engine.h"
#include "sheet_labels.h"

namespace dakru::ui {

// Keeps what a screen reader hears of the main window in step with the game:
// the readings of the 56 cells, the sums, totals and score, the dice, the two
// displays and the hot spots, and the focus of the keyboard cursor. It is made
// once the labels are built.
class SheetAccess {
public:
    explicit SheetAccess(const SheetLabels& labels);

    // After every event and tick, from what the engine holds and the displays show.
    void follow(const Engine& engine, std::optional<CellPlace> cursor);

    // A die's picture has changed; the die as it was drawn.
    void showDie(int n, const Die& die);

private:
    // What the readings were made from; they are made again only when it changes,
    // so that an idle tick builds no text.
    struct Source {
        Sheet cells{};
        std::array<std::array<std::optional<int>, kColumnCount>, kSectionCount> sums{};
        std::array<std::optional<int>, kSectionCount> totals{};
        std::optional<int> grandTotal;
        std::string rollsLeft;
        std::string zvanje;
        int called = 0;

        bool operator==(const Source&) const = default;
    };
    static Source sourceOf(const Engine& engine);
    void read(const Engine& engine, int called);

    ClickLabel* cell(CellPlace place) const { return labels_.cells[index(place.column)][place.row - 1]; }

    const SheetLabels& labels_;
    std::optional<CellPlace> cursor_;
    std::optional<Source> read_;
};

}  // namespace dakru::ui
