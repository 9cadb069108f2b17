#pragma once

#include <array>
#include <vector>

#include "sheet.h"

namespace dakru::advisor {

// The highest score a cell can hold (Dakru of sixes).
inline constexpr int kMaxCellValue = 80;

// The game's phase, by how many cells are still empty (0 to 56): a cell left
// empty late gets less than one left empty early, when more turns may fill it.
inline constexpr int kPhaseCount = 9;
constexpr int phaseOf(int emptyCells)
{
    constexpr std::array<int, kPhaseCount - 1> firstOfNext{2, 3, 5, 8, 12, 18, 27, 39};
    int phase = 0;
    while (phase < kPhaseCount - 1 && emptyCells >= firstOfNext[phase]) {
        ++phase;
    }
    return phase;
}

// How far an empty cell of Down or Up is from being the one that may be
// written, by the empty cells before it in its column's order: 0, 1, 2, 3,
// 4 or 5, 6 to 8, 9 or more. Down\Up and Call cells are always at 0.
inline constexpr int kWaits = 7;
int waitOf(Column column, const std::array<Cell, kRowCount>& cells, int row);

// What the advisor knows about the rest of a game, learned by self-play
// (tools/advisor_learn; the shipped one is learnedModel()). For every phase
// and cell, given that the cell is still empty then: how often each score ends
// up written there, and its mean score by how far it is from its turn.
struct Model {
    using Histogram = std::array<double, kMaxCellValue + 1>;                   // chance of each score
    using Cells = std::array<std::array<Histogram, kRowCount>, kColumnCount>;  // [column][row - 1]
    using Means = std::array<std::array<std::array<double, kWaits>, kRowCount>, kColumnCount>;
    std::array<Cells, kPhaseCount> phases{};
    std::array<Means, kPhaseCount> means{};
    // Learned corrections to the value of a sheet (see corrections.h), by
    // entry; none when empty.
    std::vector<float> corrections;
};

Model learnedModel();

int emptyCellsOf(const Sheet& sheet);

// The expected final score of a sheet under a model: what is written counts as
// it will in the totals; an empty cell counts as what it usually gets. The
// upper bonus counts with the chance that the empty rows still reach 60; the
// middle section multiplies the expected spread of Maximum over Minimum by the
// expected ones, so a good ones row is worth far more than its face value.
class SheetValuer {
public:
    explicit SheetValuer(const Model& model);

    // A column's expected final sum, with `emptyCells` empty cells on the whole sheet.
    double column(Column column, const std::array<Cell, kRowCount>& cells, int emptyCells) const;
    // What the learned corrections add for which cells of the sheet are empty.
    double pattern(const Sheet& sheet, int emptyCells) const;
    double sheet(const Sheet& sheet) const;

private:
    static constexpr int kUpperRows = 6;
    static constexpr int kMaxNeed = 60;  // the most the upper rows can still need for the bonus
    struct Column_ {
        std::array<std::array<double, kWaits>, kRowCount> mean{};
        // Chance that the empty upper rows (a mask of rows 1 to 6) add up to at least `need`.
        std::array<std::array<float, kMaxNeed + 1>, 1 << kUpperRows> reach{};
        // Expected Maximum less Minimum, never below 0: both empty; Maximum known; Minimum known.
        double spreadBothEmpty = 0;
        std::array<double, kMaxCellValue + 1> spreadMaximumKnown{};
        std::array<double, kMaxCellValue + 1> spreadMinimumKnown{};
    };
    std::array<std::array<Column_, kColumnCount>, kPhaseCount> columns_{};
    std::vector<float> corrections_;
};

}  // namespace dakru::advisor
